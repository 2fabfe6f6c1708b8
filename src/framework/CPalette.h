// A logical palette, owned.
#pragma once

#include "CGdiObject.h"

class CPalette : public CGdiObject {
public:
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }  // NOLINT
    BOOL CreatePalette(const LOGPALETTE* lpLogPalette) {
        return Attach(::CreatePalette(lpLogPalette));
    }
};
