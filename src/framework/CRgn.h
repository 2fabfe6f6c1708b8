// A region, owned.
#pragma once

#include "CGdiObject.h"

class CRgn : public CGdiObject {
public:
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }  // NOLINT
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2) {
        return Attach(::CreateRectRgn(x1, y1, x2, y2));
    }
    BOOL CreateRectRgnIndirect(LPCRECT lpRect) { return Attach(::CreateRectRgnIndirect(lpRect)); }
    // this = a op b (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY); this must exist
    int CombineRgn(HRGN hSrc1, HRGN hSrc2, int nCombineMode) {
        return ::CombineRgn(static_cast<HRGN>(m_hObject), hSrc1, hSrc2, nCombineMode);
    }
    BOOL SetRectRgn(int x1, int y1, int x2, int y2) {
        return ::SetRectRgn(static_cast<HRGN>(m_hObject), x1, y1, x2, y2);
    }
};
