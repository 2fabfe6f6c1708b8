#include "CDialog.h"

#include "CWinApp.h"
#include "InitialUpdate.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

HWND CDialog::CreateFromTemplate(HWND hParent) {
    HookWindowCreate(this);
    HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate),
                                     hParent, &DialogProc, 0);
    UnhookWindowCreate();
    return hWnd;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(pParentWnd ? pParentWnd->m_hWnd : nullptr) != nullptr;
}

INT_PTR CDialog::DoModal() {
    CWnd* pParent = m_pParentWnd;
    if (!pParent) {
        CWinApp* pApp = AfxGetApp();
        pParent = pApp ? pApp->GetMainWnd() : nullptr;
    }
    HWND hParent = pParent ? pParent->m_hWnd : nullptr;
    // the parent stays disabled while the dialog runs, as with any modal dialog
    bool bParentEnabled = hParent && ::IsWindowEnabled(hParent);
    if (bParentEnabled) ::EnableWindow(hParent, FALSE);

    m_nModalResult = -1;
    if (CreateFromTemplate(hParent)) {
        ShowWindow(SW_SHOW);
        RunModalLoop();
    }
    if (bParentEnabled) ::EnableWindow(hParent, TRUE);
    if (hParent && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hParent);
    DestroyWindow();
    return m_nModalResult;
}

int CDialog::RunModalLoop() {
    m_bInModalLoop = true;
    m_bEndModal = false;
    MSG msg;
    while (!m_bEndModal && m_hWnd) {
        BOOL r = ::GetMessageA(&msg, nullptr, 0, 0);
        if (r == 0) {
            // the application is ending: leave the quit for the main loop
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (r != 1) continue;  // a failed call leaves msg undefined
        CWinApp* pApp = AfxGetApp();
        BOOL bTaken = pApp ? pApp->PreTranslateMessage(&msg) : WalkPreTranslateTree(&msg);
        if (!bTaken) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    m_bInModalLoop = false;
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

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}
