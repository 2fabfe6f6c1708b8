#include "CClientDC.h"

#include "CWnd.h"

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC() {
    RestoreSelections();
    if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
}
