#include "CColorDialog.h"

#include "CWinApp.h"
#include "CommonDialogs.h"
#include "CWnd.h"

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd) {
    for (COLORREF& cr : m_crCustom) cr = RGB(255, 255, 255);
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.rgbResult = clrInit;
    m_cc.lpCustColors = m_crCustom;
    m_cc.Flags = dwFlags | CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal() {
    CWnd* pOwner = m_pParentWnd;
    if (!pOwner) {
        CWinApp* pApp = AfxGetApp();
        pOwner = pApp ? pApp->GetMainWnd() : nullptr;
    }
    m_cc.hwndOwner = pOwner ? pOwner->m_hWnd : nullptr;
    return AfxChooseColor(&m_cc) ? IDOK : IDCANCEL;
}
