#include "CDC.h"

#include "CTempObjects.h"

CDC::~CDC() {
    DeleteDC();
    RestoreSelections();
}

CDC* CDC::FromHandle(HDC hDC) {
    return hDC ? CTempObjects::Get<CDC, HDC>(hDC) : nullptr;
}

CDC* CDC::MakeTemporary(HDC hDC) {
    CDC* pDC = new CDC(hDC);
    pDC->m_bRestore = false;
    return pDC;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    DeleteDC();
    m_hDC = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
    m_bOwnsDC = m_hDC != nullptr;
    return m_bOwnsDC;
}

BOOL CDC::DeleteDC() {
    if (!m_bOwnsDC) return FALSE;
    RestoreSelections();
    BOOL ok = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_bOwnsDC = false;
    return ok;
}

void CDC::Remember(int nKind, HGDIOBJ hOld) {
    if (m_bRestore && !m_hOriginal[nKind]) m_hOriginal[nKind] = hOld;
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

CPen* CDC::SelectObject(CPen* pPen) {
    return CPen::FromHandle(static_cast<HPEN>(SelectObject(pPen->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    return CBrush::FromHandle(static_cast<HBRUSH>(SelectObject(pBrush->m_hObject)));
}

CFont* CDC::SelectObject(CFont* pFont) {
    return CFont::FromHandle(static_cast<HFONT>(SelectObject(pFont->m_hObject)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    return CBitmap::FromHandle(static_cast<HBITMAP>(SelectObject(pBitmap->m_hObject)));
}

int CDC::SelectObject(CRgn* pRgn) {
    return ::SelectClipRgn(m_hDC, pRgn ? static_cast<HRGN>(pRgn->m_hObject) : nullptr);
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
    HPALETTE hOld = ::SelectPalette(m_hDC, *pPalette, bForceBackground);
    if (hOld) Remember(kPalette, hOld);
    return CPalette::FromHandle(hOld);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF cr) {
    COLORREF crOld = ::SetBkColor(m_hDC, cr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, crOld);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF cr) {
    RECT rc = {x, y, x + cx, y + cy};
    FillSolidRect(&rc, cr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF crTopLeft, COLORREF crBottomRight) {
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, crTopLeft, crBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF crTopLeft, COLORREF crBottomRight) {
    FillSolidRect(x, y, cx - 1, 1, crTopLeft);
    FillSolidRect(x, y, 1, cy - 1, crTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, crBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, crBottomRight);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const {
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return CSize(size);
}
