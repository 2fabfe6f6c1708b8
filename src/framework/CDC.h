// A device context. Whatever is selected into it through this object (pen, brush,
// font, bitmap, palette) is selected out again when the object goes, on every path,
// so no GDI object is left selected into a DC that is released or deleted.
// A plain CDC borrows its DC (a message's, say); CreateCompatibleDC makes a memory DC
// it owns; CClientDC and CPaintDC own the DC of a window.
#pragma once

#include <windows.h>

#include "CBitmap.h"
#include "CBrush.h"
#include "CFont.h"
#include "CPalette.h"
#include "CPen.h"
#include "CRgn.h"
#include "CSize.h"
#include "CString.h"

class CDC {
public:
    HDC m_hDC = nullptr;

    CDC() = default;
    explicit CDC(HDC hDC) : m_hDC(hDC) {}  // borrows hDC
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    operator HDC() const { return m_hDC; }  // NOLINT
    HDC GetSafeHdc() const { return m_hDC; }

    // a memory DC like pDC (the screen's for null), owned and deleted by this object
    BOOL CreateCompatibleDC(CDC* pDC);

    // Selections: each returns the object selected before, to select back. The first
    // object this DC had of each kind comes back when this object goes.
    HGDIOBJ SelectObject(CGdiObject* pObject) { return SelectObject(pObject->m_hObject); }
    HGDIOBJ SelectObject(HGDIOBJ hObject);
    HGDIOBJ SelectStockObject(int nIndex) { return SelectObject(::GetStockObject(nIndex)); }
    HPALETTE SelectPalette(CPalette* pPalette, BOOL bForceBackground);
    UINT RealizePalette() { return ::RealizePalette(m_hDC); }

    // attributes
    COLORREF SetTextColor(COLORREF cr) { return ::SetTextColor(m_hDC, cr); }
    COLORREF SetBkColor(COLORREF cr) { return ::SetBkColor(m_hDC, cr); }
    int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
    int SetROP2(int nDrawMode) { return ::SetROP2(m_hDC, nDrawMode); }
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }

    // bitmaps
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop) {
        return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc,
                        dwRop);
    }
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
        return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
    }
    COLORREF GetPixel(POINT pt) const { return ::GetPixel(m_hDC, pt.x, pt.y); }

    // shapes
    void FillSolidRect(LPCRECT lpRect, COLORREF cr);
    // a raised or sunken frame one pixel wide
    void Draw3dRect(LPCRECT lpRect, COLORREF crTopLeft, COLORREF crBottomRight);
    BOOL Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
    BOOL Rectangle(LPCRECT lpRect) {
        return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

    // text
    BOOL TextOut(int x, int y, const CString& str) {
        return ::TextOutA(m_hDC, x, y, str.GetString(), str.GetLength());
    }
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
        return ::DrawTextA(m_hDC, str.GetString(), str.GetLength(), lpRect, nFormat);
    }
    CSize GetTextExtent(const CString& str) const;
    BOOL GetTextMetrics(LPTEXTMETRICA lpMetrics) const {
        return ::GetTextMetricsA(m_hDC, lpMetrics);
    }

protected:
    // Selects back the objects this DC had before; the owners call it before they
    // release or delete the DC.
    void RestoreSelections();

private:
    enum { kPen, kBrush, kFont, kBitmap, kPalette, kKinds };
    void Remember(int nKind, HGDIOBJ hOld);
    void DeleteDC();

    HGDIOBJ m_hOriginal[kKinds] = {};
    bool m_bOwnsDC = false;  // a memory DC made here
};
