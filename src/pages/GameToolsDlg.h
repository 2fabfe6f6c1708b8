// The tools page: chat settings that go to the game whenever one of them changes,
// beside a group of features that are never enabled.
#pragma once

#include "CDialog.h"
#include "CStatic.h"

class CGameToolsDlg : public CDialog {
public:
    CGameToolsDlg();

    void DoDataExchange(CDataExchange* pDX) override;
    // Enter and Escape never close the page
    void OnOK() override {}
    void OnCancel() override {}

    CStatic m_stcColor;                           // the colour swatch (control 1065)
    COLORREF m_crChatColor = RGB(255, 255, 255);  // the chat colour
    int m_bUseColor = 0;
    int m_bBlink = 0;
    int m_bDrift = 0;
    int m_bFullScreenBarrage = 0;

    // Sends the game the whole current state of the settings.
    void SendChatSettings();

protected:
    DECLARE_MESSAGE_MAP()
    void OnPaint();
    void OnColorClicked();

private:
    void PaintSwatch();
    void InvalidateSwatch();
};
