// The play-game page: starts the game once the launcher's window has painted and
// shows a background picture with a turning loading animation until the game
// reports ready.
#pragma once

#include "CBitmap.h"
#include "CDialog.h"
#include "Skin.h"

class CCliengDlg : public CDialog {
public:
    CCliengDlg();
    ~CCliengDlg() override;

    BOOL OnInitDialog() override;
    // Enter and Escape never close the page
    void OnOK() override {}
    void OnCancel() override {}

    // Starts the game if creating the page decided to and it has not been done
    // yet: TRUE if this call did it.
    BOOL LaunchDueGame();

    // 1 once the game has reported ready: the page stops animating and painting
    BOOL m_bGameReady = FALSE;
    CBitmap m_bmpBackground;   // "Platform\PlayGameBackground.jpg", decoded once
    SkinPicture m_picLoading;  // "Platform\LoadingAni.png": 12 frames of 64 x 64
    int m_nFrame = 0;          // the loading frame shown, 0..11

    static constexpr UINT_PTR kAnimationTimer = 100;

protected:
    DECLARE_MESSAGE_MAP()
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnTimer(UINT_PTR nIDEvent);
    void OnShowWindow(BOOL bShow, UINT nStatus);

private:
    void LaunchGame();
    void DrawLoadingPage(CDC* pDC);
    // where the loading frame is drawn: centred in the page
    CRect FrameRect() const;

    BOOL m_bLaunchDue = FALSE;  // set as the page is made, cleared as the game is started
};

// the game launch page, or null while there is none
extern CCliengDlg* g_pCliengDlg;
