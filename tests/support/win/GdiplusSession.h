// GDI+ running for as long as a session object lives, as it runs in the launcher:
// skin pictures load and draw only then.
#pragma once

#include "GdiPlus.h"

class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR m_token = 0;
};
