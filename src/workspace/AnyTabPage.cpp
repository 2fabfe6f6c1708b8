#include "AnyTabPage.h"

#include "AnyTab.h"
#include "CDialog.h"

CAnyTabPage::~CAnyTabPage() {
    DeleteDialog();  // nothing left once Destroy has run
}

// The dialog's window goes first, while the whole dialog object still handles its
// last messages (OnDestroy), then the object.
void CAnyTabPage::DeleteDialog() {
    CWndDeleter()(m_pDlg);
    m_pDlg = nullptr;
}

int CAnyTabPage::CreatePage(int nKind, CDialog* pDlg, UINT nIDTemplate, CWnd* pParent,
                            CAnyTab* pStrip, bool bShowAtOnce) {
    m_nKind = nKind;
    // a dialog that fails to create still makes a page, one with no window
    pDlg->Create(nIDTemplate, pParent);
    if (bShowAtOnce) pDlg->ShowWindow(SW_SHOW);
    m_pDlg = pDlg;
    pStrip->AddPage(this);
    const int index = pStrip->FindPage(this);
    if (index >= 0) pStrip->SelectPage(index);
    return 1;
}

void CAnyTabPage::Show(int nCmdShow) {
    if (!m_pDlg) return;
    m_pDlg->ShowWindow(nCmdShow);
    if (nCmdShow & SW_SHOW) {
        ::SetActiveWindow(m_pDlg->m_hWnd);
        m_pDlg->SetFocus();
    }
}

// A page without a dialog is deleted as well: the strip forgets every page it
// destroys, so nothing else would.
void CAnyTabPage::Destroy() {
    DeleteDialog();
    delete this;
}
