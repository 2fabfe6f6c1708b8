// Resource identifiers of the launcher. Plain #defines: the resource compiler reads this.
#pragma once

#define IDD_ABOUTBOX 100
#define IDP_OLE_INIT_FAILED 100
#define IDD_WORKSPACE 103
#define IDR_MAINFRAME 128

#define IDC_TABS 1031

// Ctrl+V: a command of the workspace
#define ID_WORKSPACE_PASTE 32775

// the web page
#define IDD_WEBBROWSER 151
#define IDC_WEB_BACK 1019
#define IDC_WEB_FORWARD 1020
#define IDC_WEB_STOP 1024
#define IDC_WEB_REFRESH 1025
#define IDC_WEB_HOME 1026
#define IDC_WEB_BROWSER 999999
