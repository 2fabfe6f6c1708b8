#include "CDialog.h"

#include "CModalLoop.h"
#include "CWinApp.h"
#include "InitialUpdate.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(m_nIDTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr);
}

INT_PTR CDialog::DoModal() {
    CWnd* pParent = m_pParentWnd;
    if (!pParent) {
        CWinApp* pApp = AfxGetApp();
        pParent = pApp ? pApp->GetMainWnd() : nullptr;
    }
    HWND hParent = pParent ? pParent->m_hWnd : nullptr;
    m_nModalResult = -1;
    {
        // the parent stays disabled while the dialog runs, as with any modal dialog
        CModalLoop loop(hParent);
        // modal from the start: OnInitDialog may already end it
        m_bInModalLoop = true;
        m_bEndModal = false;
        if (CreateFromTemplate(m_nIDTemplate, hParent)) {
            if (!m_bEndModal) ShowWindow(SW_SHOW);
            loop.Run([this] { return m_bEndModal || !m_hWnd; });
        }
        m_bInModalLoop = false;
    }
    if (hParent && m_hWnd && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hParent);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (m_bInModalLoop) {
        m_bEndModal = true;
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wake the loop
    } else {
        ::EndDialog(m_hWnd, nResult);
    }
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    BOOL bResult = OnInitDialog();
    // views made as controls of the dialog (a browser, say) are ready now
    AfxSendInitialUpdate(m_hWnd);
    return bResult;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

// Enter and Esc end a modal dialog only: a modeless one (a page) stays as it is.
void CDialog::OnOK() {
    if (UpdateData(TRUE) && m_bInModalLoop) EndDialog(IDOK);
}

void CDialog::OnCancel() {
    if (m_bInModalLoop) EndDialog(IDCANCEL);
}
