// A font, owned.
#pragma once

#include "CGdiObject.h"

class CFont : public CGdiObject {
public:
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }  // NOLINT
    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont) {
        return Attach(::CreateFontIndirectA(lpLogFont));
    }
    // nPointSize in tenths of a point, for the screen (or hDC) resolution
    BOOL CreatePointFont(int nPointSize, LPCSTR lpszFaceName, HDC hDC = nullptr) {
        LOGFONTA lf = {};
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
        HDC hScreen = hDC ? nullptr : ::GetDC(nullptr);
        int dpi = ::GetDeviceCaps(hDC ? hDC : hScreen, LOGPIXELSY);
        if (hScreen) ::ReleaseDC(nullptr, hScreen);
        lf.lfHeight = -::MulDiv(nPointSize, dpi, 720);
        return CreateFontIndirect(&lf);
    }
};
