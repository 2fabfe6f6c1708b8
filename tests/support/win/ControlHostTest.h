// What the tests of hosted controls share: OLE and GDI+ running as in the launcher, a plain
// top-level window at a known place to hold the control under test.
#pragma once

#include <gtest/gtest.h>

#include "CWnd.h"
#include "GdiplusSession.h"

class ControlHostTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // the middle of a window, on the screen
    static POINT CentreOf(HWND hWnd);

    CWnd m_parent;  // at (100, 100), 400 x 300, no frame

private:
    GdiplusSession m_gdiplus;
};
