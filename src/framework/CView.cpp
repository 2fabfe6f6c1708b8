#include "CView.h"

#include "CDocument.h"

void CView::OnInitialUpdate() {
    Invalidate();
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, LPARAM lParam) {
    if (CWnd::OnCmdMsg(nID, nCode, lParam)) return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, lParam);
}
