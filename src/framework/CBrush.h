// A brush, owned.
#pragma once

#include "CGdiObject.h"

class CBrush : public CGdiObject {
public:
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT
};
