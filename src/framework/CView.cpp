#include "CView.h"

#include "CDocument.h"

void CView::OnInitialUpdate() {
    Invalidate();
}

BOOL CView::OnCmdMsg(UINT nID, int nCode) {
    if (CWnd::OnCmdMsg(nID, nCode)) return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode);
}
