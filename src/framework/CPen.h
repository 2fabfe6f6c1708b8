// A pen, owned.
#pragma once

#include "CGdiObject.h"

class CPen : public CGdiObject {
public:
    DECLARE_GDI_FROMHANDLE(CPen, HPEN)
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }  // NOLINT
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
        return Attach(::CreatePen(nPenStyle, nWidth, crColor));
    }
    // a cosmetic or geometric pen (dotted lines of width 1 with PS_COSMETIC | PS_ALTERNATE)
    BOOL CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush) {
        return Attach(::ExtCreatePen(static_cast<DWORD>(nPenStyle), static_cast<DWORD>(nWidth),
                                     pLogBrush, 0, nullptr));
    }
};
