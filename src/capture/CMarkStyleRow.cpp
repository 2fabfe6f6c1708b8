#include "CMarkStyleRow.h"

#include "Afx.h"
#include "CPaintDC.h"

BEGIN_MESSAGE_MAP(CMarkStyleRow, CWnd)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

const COLORREF kColours[] = {RGB(255, 0, 0), RGB(255, 255, 0),   RGB(0, 255, 0),
                             RGB(0, 0, 255), RGB(255, 255, 255), RGB(0, 0, 0)};
const int kWidths[] = {2, 4, 6};
const int kColourCount = sizeof(kColours) / sizeof(kColours[0]);
const int kInset = 5;  // of a cell's picture from its edge

}  // namespace

BOOL CMarkStyleRow::Create(CWnd* pParent, int x, int y, int nCell, UINT nID) {
    m_nCell = nCell;
    LPCSTR lpszClass =
        AfxRegisterWndClass(0, ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)),
                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, lpszClass, "", WS_CHILD, RECT{x, y, x + kCells * nCell, y + nCell}, pParent,
                    nID);
}

MarkStyle CMarkStyleRow::Style() const {
    return {kColours[m_nColour], kWidths[m_nWidth]};
}

void CMarkStyleRow::OnPaint() {
    CPaintDC dc(this);
    for (int i = 0; i < kCells; i++) {
        RECT rc = {i * m_nCell, 0, (i + 1) * m_nCell, m_nCell};
        // the chosen colour and width stand on the selection's colour
        if (i == m_nColour || i == kColourCount + m_nWidth) {
            ::InflateRect(&rc, -1, -1);
            dc.FillSolidRect(&rc, ::GetSysColor(COLOR_HIGHLIGHT));
        }
        const int cx = i * m_nCell + m_nCell / 2, cy = m_nCell / 2, r = m_nCell / 2 - kInset;
        if (i < kColourCount) {
            const RECT swatch = {cx - r, cy - r, cx + r, cy + r};
            dc.FillSolidRect(&swatch, kColours[i]);
            dc.Draw3dRect(&swatch, RGB(128, 128, 128), RGB(128, 128, 128));
        } else {
            const int w = kWidths[i - kColourCount];
            const RECT line = {cx - r, cy - w / 2, cx + r, cy - w / 2 + w};
            dc.FillSolidRect(&line, RGB(0, 0, 0));
        }
    }
}

void CMarkStyleRow::OnLButtonDown(UINT, CPoint point) {
    const int i = point.x / m_nCell;
    if (i >= 0 && i < kColourCount) m_nColour = i;
    if (i >= kColourCount && i < kCells) m_nWidth = i - kColourCount;
    Invalidate();
    Default();
}
