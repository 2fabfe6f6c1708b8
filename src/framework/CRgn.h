// A region, owned (a window region handed to SetWindowRgn belongs to the window: Detach it).
#pragma once

#include "CGdiObject.h"

class CRgn : public CGdiObject {
public:
    DECLARE_GDI_FROMHANDLE(CRgn, HRGN)
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }  // NOLINT
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2) {
        return Attach(::CreateRectRgn(x1, y1, x2, y2));
    }
    BOOL CreateRectRgnIndirect(LPCRECT lpRect) { return Attach(::CreateRectRgnIndirect(lpRect)); }
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3) {
        return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
    }
    BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode) {
        return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
    }
    // this = a op b (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY); this must exist
    int CombineRgn(HRGN hSrc1, HRGN hSrc2, int nCombineMode) {
        return ::CombineRgn(static_cast<HRGN>(m_hObject), hSrc1, hSrc2, nCombineMode);
    }
    BOOL PtInRegion(POINT pt) const {
        return ::PtInRegion(static_cast<HRGN>(m_hObject), pt.x, pt.y);
    }
    int GetRgnBox(LPRECT lpRect) const { return ::GetRgnBox(static_cast<HRGN>(m_hObject), lpRect); }
    BOOL SetRectRgn(int x1, int y1, int x2, int y2) {
        return ::SetRectRgn(static_cast<HRGN>(m_hObject), x1, y1, x2, y2);
    }
};
