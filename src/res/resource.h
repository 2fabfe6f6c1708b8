// Resource identifiers of the launcher. Plain #defines: the resource compiler reads this.
#pragma once

#define IDD_ABOUTBOX 100
#define IDP_OLE_INIT_FAILED 100
#define IDD_WORKSPACE 103
#define IDR_MAINFRAME 128

#define IDC_TABS 1031

// the workspace's hidden form controls and the icons of its two browser buttons
#define IDI_BROWSER_FORWARD 133
#define IDI_BROWSER_BACK 134
#define IDC_WS_CONVERT 1001
#define IDC_WS_GO 1002
#define IDC_WS_NOTE_EDIT 1003
#define IDC_WS_COUNT 1004
#define IDC_WS_HINT 1005
#define IDC_WS_REWRITE 1006
#define IDC_WS_FAVOURITE 1008
#define IDC_WS_GALLERY 1009
#define IDC_WS_EXPAND 1010
#define IDC_WS_PREVIEW 1011
#define IDC_WS_DROP_GO 1012
#define IDC_WS_NOTE 1013
#define IDC_WS_DROP_EXPAND 1014
#define IDC_WS_BACK 1019
#define IDC_WS_FORWARD 1020
#define IDC_WS_DROP_LINK 1021
#define IDC_WS_LINK 1022
#define IDC_WS_LINK2 1023
#define IDC_WS_STOP 1024
#define IDC_WS_REFRESH 1025
#define IDC_WS_DOWNLOADER 1027
#define IDC_WS_SAVE 1034
#define IDC_WS_INPUT_EDIT 1037
#define IDC_WS_SEARCH_EDIT 1054
#define IDC_WS_SEARCH 1055

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

// The screen capture: the overlay's template and pointer, its information box and
// toolbar command, the tracker's pointers and the workspace's screenshot command.
#define IDD_CATCHSCREEN 102
#define IDC_CAPTURE_ARROW 129
#define IDC_TRACK_NWSE 132
#define IDC_TRACK_NESW 133
#define IDC_TRACK_MOVE 134
#define IDC_TRACK_WE 135
#define IDC_TRACK_NS 136
#define IDC_CAPTURE_INFO 1000
#define IDC_CAPTURE_SAVE 1040
#define ID_SCREENSHOT 1007
