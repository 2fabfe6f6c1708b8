#include "CDocument.h"

#include "CWinApp.h"

BOOL CDocument::OnNewDocument() {
    m_strPathName.Empty();
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR) {
    return FALSE;
}

void CDocument::SetPathName(LPCSTR lpszPathName) {
    char full[MAX_PATH] = {};
    DWORD n = ::GetFullPathNameA(lpszPathName, MAX_PATH, full, nullptr);
    m_strPathName = n > 0 && n < MAX_PATH ? full : lpszPathName;
    if (CWinApp* pApp = AfxGetApp()) pApp->AddToRecentFileList(m_strPathName);
}
