#include "CDocument.h"

#include "CWinApp.h"

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR) {
    return FALSE;
}

void CDocument::SetPathName(LPCSTR lpszPathName) {
    char full[MAX_PATH] = {};
    LPSTR pName = nullptr;
    if (::GetFullPathNameA(lpszPathName, MAX_PATH, full, &pName) == 0 || pName == nullptr) {
        m_strPathName = lpszPathName;
        m_strTitle = lpszPathName;
    } else {
        m_strPathName = full;
        m_strTitle = pName;
    }
    if (CWinApp* pApp = AfxGetApp()) pApp->AddToRecentFileList(m_strPathName);
}
