// Identifiers the framework itself defines: standard commands, strings and
// window ids. Plain #defines only: the resource compiler includes this file too.
#pragma once

// standard commands
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_PRINT_SETUP 0xE106
#define ID_FILE_PRINT 0xE107
#define ID_EDIT_UNDO 0xE12B
#define ID_EDIT_PASTE 0xE125
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151

// framework strings
#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_OPENFILE 0xF000
#define AFX_IDS_ALLFILTER 0xF006
#define AFX_IDP_INTERNAL_FAILURE 0xF108
#define AFX_IDP_FAILED_TO_CREATE 0xF109

// the first (and here only) pane of a frame: its view
#define AFX_IDW_PANE_FIRST 0xE900

// frame styles kept in the low word of a top-level window's style
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
