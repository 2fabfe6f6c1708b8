#include "CClientDC.h"

#include "CWnd.h"

CClientDC::CClientDC(CWnd* pWnd, bool bPaint)
    : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr), m_bPaint(bPaint) {
    m_hDC = bPaint ? ::BeginPaint(m_hWnd, &m_ps) : ::GetDC(m_hWnd);
}

CClientDC::~CClientDC() {
    RestoreSelections();
    if (m_bPaint) {
        ::EndPaint(m_hWnd, &m_ps);
    } else if (m_hDC) {
        ::ReleaseDC(m_hWnd, m_hDC);
    }
}
