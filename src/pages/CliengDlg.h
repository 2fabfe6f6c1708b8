// The game launch page, as far as the main frame sees it: whether the game has
// reported ready, and whether the page is shown.
#pragma once

#include "CDialog.h"

class CCliengDlg : public CDialog {
public:
    CCliengDlg();

    // 1 once the game has reported ready: the page stops its loading animation
    BOOL m_bGameReady = FALSE;
};

// the game launch page, or null while there is none
extern CCliengDlg* g_pCliengDlg;
// 1 at start, afterwards whether the game page was last shown (1) or hidden (0)
extern int g_bGamePageShown;
