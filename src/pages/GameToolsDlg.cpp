#include "GameToolsDlg.h"

#include "CColorDialog.h"
#include "CClientDC.h"
#include "CDataExchange.h"
#include "CPaintDC.h"
#include "ChatSettings.h"
#include "GameLink.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CGameToolsDlg, CDialog)
ON_WM_PAINT()
ON_CONTROL(STN_CLICKED, IDC_CHAT_COLOR, &CGameToolsDlg::OnColorClicked)
ON_BN_CLICKED(IDC_USE_COLOR, &CGameToolsDlg::SendChatSettings)
ON_BN_CLICKED(IDC_BLINK, &CGameToolsDlg::SendChatSettings)
ON_BN_CLICKED(IDC_DRIFT, &CGameToolsDlg::SendChatSettings)
ON_BN_CLICKED(IDC_FULL_SCREEN_BARRAGE, &CGameToolsDlg::SendChatSettings)
END_MESSAGE_MAP()

CGameToolsDlg::CGameToolsDlg() : CDialog(IDD_GAMETOOLS) {}

void CGameToolsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHAT_COLOR, m_stcColor);
    DDX_Check(pDX, IDC_USE_COLOR, m_bUseColor);
    DDX_Check(pDX, IDC_BLINK, m_bBlink);
    DDX_Check(pDX, IDC_DRIFT, m_bDrift);
    DDX_Check(pDX, IDC_FULL_SCREEN_BARRAGE, m_bFullScreenBarrage);
}

void CGameToolsDlg::OnPaint() {
    CPaintDC dc(this);
    PaintSwatch();
}

// The swatch is filled through its own window, which the dialog's painting
// would otherwise leave out.
void CGameToolsDlg::PaintSwatch() {
    if (!m_stcColor.m_hWnd) return;
    CRect rc;
    m_stcColor.GetClientRect(&rc);
    CClientDC dc(&m_stcColor);
    dc.FillSolidRect(&rc, m_crChatColor);
}

// The dialog paints the swatch: a new colour needs the dialog painted there again,
// which the chooser closing need not cause; and the swatch's frame over it again,
// as the dialog's erasing covers its children.
void CGameToolsDlg::InvalidateSwatch() {
    CRect rc;
    m_stcColor.GetWindowRect(&rc);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    ::RedrawWindow(m_hWnd, &rc, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void CGameToolsDlg::OnColorClicked() {
    CColorDialog dlg(m_crChatColor, 0, nullptr);
    if (dlg.DoModal() != IDOK) return;
    m_crChatColor = dlg.GetColor();
    InvalidateSwatch();
    SendChatSettings();
}

void CGameToolsDlg::SendChatSettings() {
    UpdateData(TRUE);
    ChatSettings settings;
    settings.bUseColor = static_cast<uint32_t>(m_bUseColor);
    settings.bBlink = static_cast<uint32_t>(m_bBlink);
    settings.bDrift = static_cast<uint32_t>(m_bDrift);
    settings.crColor = m_crChatColor;
    settings.bFullScreenBarrage = static_cast<uint32_t>(m_bFullScreenBarrage);
    GameRecord record = MakeChatSettingsRecord(settings);
    SendToGame(&record, TRUE);
}
