#include "ImageButton.h"

#include "ButtonGeometry.h"
#include "GdiPlus.h"

BEGIN_MESSAGE_MAP(CImageButton, CButtonST)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// Never a check box or a default button: only owner drawing is switched on.
void CImageButton::PreSubclassWindow() {
    ModifyStyle(0, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

BOOL CImageButton::OnEraseBkgnd(CDC* pDC) {
    return CButtonST::OnEraseBkgnd(pDC);
}

void CImageButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    ReadItemState(lpDrawItemStruct->itemState);
    if (!m_picture.pImage) return;

    const RECT& rcItem = lpDrawItemStruct->rcItem;
    int nCell = ImageCell(m_bPressed, m_bHover);
    Gdiplus::Graphics graphics(lpDrawItemStruct->hDC);
    Gdiplus::Rect rcTarget(0, 0, rcItem.right - rcItem.left, rcItem.bottom - rcItem.top);
    graphics.DrawImage(m_picture.pImage.get(), rcTarget, nCell * m_nCellWidth, 0, m_nCellWidth,
                       m_nCellHeight, Gdiplus::UnitPixel, nullptr);
}
