// Resource identifiers of the launcher. Plain #defines: the resource compiler reads this.
#pragma once

#define IDD_ABOUTBOX 100
#define IDP_OLE_INIT_FAILED 100
#define IDD_WORKSPACE 103
#define IDR_MAINFRAME 128

#define IDC_TABS 1031

// the play-game page and the tools page
#define IDD_CLIENG 150
#define IDD_GAMETOOLS 153
#define IDC_USE_COLOR 1062
#define IDC_BLINK 1063
#define IDC_DRIFT 1064
#define IDC_CHAT_COLOR 1065
#define IDC_FULL_SCREEN_BARRAGE 1066
#define IDC_APM_MODE 1067
#define IDC_ONE_VS_THIRTEEN 1068
#define IDC_AUTO_RECHARGE 1069
#define IDC_H_MODE 1070

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

// The screen capture: the overlay's template and pointer, its information box,
// the tracker's pointers and the workspace's screenshot command.
#define IDD_CATCHSCREEN 102
#define IDC_CAPTURE_ARROW 129
#define IDC_TRACK_NWSE 132
#define IDC_TRACK_NESW 133
#define IDC_TRACK_MOVE 134
#define IDC_TRACK_WE 135
#define IDC_TRACK_NS 136
#define IDC_CAPTURE_INFO 1000
#define ID_SCREENSHOT 1007
