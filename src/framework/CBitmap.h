// A device-dependent bitmap, owned.
#pragma once

#include "CGdiObject.h"

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT
    int GetBitmap(BITMAP* pBitmap) const { return GetObject(sizeof(BITMAP), pBitmap); }
    // a bitmap like the DC's (screen colours), for a memory DC to draw into
    BOOL CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight) {
        return Attach(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
    }
};
