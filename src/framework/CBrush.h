// A brush, owned.
#pragma once

#include "CGdiObject.h"

class CBrush : public CGdiObject {
public:
    DECLARE_GDI_FROMHANDLE(CBrush, HBRUSH)
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT
    BOOL CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor) {
        return Attach(::CreateHatchBrush(nIndex, crColor));
    }
    BOOL CreatePatternBrush(HBITMAP hBitmap) { return Attach(::CreatePatternBrush(hBitmap)); }
    BOOL CreateSysColorBrush(int nIndex) {
        return Attach(::CreateSolidBrush(::GetSysColor(nIndex)));
    }
};
