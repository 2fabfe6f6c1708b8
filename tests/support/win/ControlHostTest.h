// What the tests of hosted controls share: OLE and GDI+ running as in the launcher, a host
// window at a known place, (100, 100), to hold the control under test.
#pragma once

#include <gtest/gtest.h>

#include "GdiplusSession.h"
#include "HostWindow.h"

class ControlHostTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // the middle of a window, on the screen
    static POINT CentreOf(HWND hWnd);

    HostWindow m_parent{400, 300, 100, 100};

private:
    GdiplusSession m_gdiplus;
};
