// The launcher's link to the game's window: the window handles it knows and the
// one routine that sends the game a record.
#pragma once

#include <windows.h>

#include "CString.h"
#include "GameRecord.h"

// the launcher's main window, written into every record sent
extern HWND g_hLauncherWnd;
// the game's window once found; cleared when a delivery fails
extern HWND g_hGameWnd;
// the class of the game's window; nothing can be sent while it is empty
extern CString g_strGameWndClass;
// 1 at start, afterwards whether the game page was last shown (1) or hidden (0):
// the game hears of the launcher's activation only while it shows
extern int g_bGamePageShown;

// The game's window, looked up by class if not known yet (only a send remembers
// it); null while there is none or the class is not set.
HWND FindGameWindow();

// The log's times of the game are counted from its start (or from finding it running).
void NoteGameStart();
DWORD MsSinceGameStart();

// Sends the record to the game's window, looking the window up by class first if
// it is not known yet. bWait: wait for the game's answer, which must be -2; else
// give up after 1 ms. A failed delivery forgets the window and ends the launcher
// (WM_QUIT). FALSE when nothing could be sent (no record, no class, no window).
BOOL SendToGame(GameRecord* record, BOOL bWait);
