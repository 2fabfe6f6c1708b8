#include "CWindowDC.h"

#include "CWnd.h"

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
    m_hDC = ::GetWindowDC(m_hWnd);
}

CWindowDC::~CWindowDC() {
    RestoreSelections();
    if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
}
