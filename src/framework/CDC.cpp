#include "CDC.h"

CDC::~CDC() {
    DeleteDC();
    RestoreSelections();
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    DeleteDC();
    m_hDC = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
    m_bOwnsDC = m_hDC != nullptr;
    return m_bOwnsDC;
}

void CDC::DeleteDC() {
    if (!m_bOwnsDC) return;
    RestoreSelections();
    ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_bOwnsDC = false;
}

void CDC::Remember(int nKind, HGDIOBJ hOld) {
    if (!m_hOriginal[nKind]) m_hOriginal[nKind] = hOld;
}

void CDC::RestoreSelections() {
    if (!m_hDC) return;
    for (int i = 0; i < kKinds; i++) {
        if (!m_hOriginal[i]) continue;
        if (i == kPalette) {
            ::SelectPalette(m_hDC, static_cast<HPALETTE>(m_hOriginal[i]), TRUE);
        } else {
            ::SelectObject(m_hDC, m_hOriginal[i]);
        }
        m_hOriginal[i] = nullptr;
    }
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) {
    int nKind;
    switch (::GetObjectType(hObject)) {
        case OBJ_PEN:
        case OBJ_EXTPEN:
            nKind = kPen;
            break;
        case OBJ_BRUSH:
            nKind = kBrush;
            break;
        case OBJ_FONT:
            nKind = kFont;
            break;
        case OBJ_BITMAP:
            nKind = kBitmap;
            break;
        default:
            return nullptr;
    }
    HGDIOBJ hOld = ::SelectObject(m_hDC, hObject);
    if (hOld && hOld != HGDI_ERROR) Remember(nKind, hOld);
    return hOld == HGDI_ERROR ? nullptr : hOld;
}

HPALETTE CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
    HPALETTE hOld = ::SelectPalette(m_hDC, *pPalette, bForceBackground);
    if (hOld) Remember(kPalette, hOld);
    return hOld;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF cr) {
    COLORREF crOld = ::SetBkColor(m_hDC, cr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, crOld);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF crTopLeft, COLORREF crBottomRight) {
    const LONG l = lpRect->left, t = lpRect->top, r = lpRect->right, b = lpRect->bottom;
    const RECT top = {l, t, r - 1, t + 1}, left = {l, t, l + 1, b - 1};
    const RECT right = {r - 1, t, r, b}, bottom = {l, b - 1, r, b};
    FillSolidRect(&top, crTopLeft);
    FillSolidRect(&left, crTopLeft);
    FillSolidRect(&right, crBottomRight);
    FillSolidRect(&bottom, crBottomRight);
}

CSize CDC::GetTextExtent(const CString& str) const {
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hDC, str.GetString(), str.GetLength(), &size);
    return CSize(size);
}
