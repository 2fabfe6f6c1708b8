#include "ControlHostTest.h"

#include "Afx.h"
#include "GdiPlus.h"

void ControlHostTest::SetUp() {
    // control hosting is process-wide: each test finds it off, whatever ran before
    AfxEnableControlContainer(FALSE);
    ASSERT_TRUE(AfxOleInit());
    ASSERT_NE(m_parent.m_hWnd, nullptr);
    ::SetForegroundWindow(m_parent);
}

void ControlHostTest::TearDown() {
    m_parent.DestroyWindow();
}

POINT ControlHostTest::CentreOf(HWND hWnd) {
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}
