#include "ControlHostTest.h"

#include "Afx.h"
#include "GdiPlus.h"

void ControlHostTest::SetUp() {
    // control hosting is process-wide: each test finds it off, whatever ran before
    AfxEnableControlContainer(FALSE);
    ASSERT_TRUE(AfxOleInit());
    // made outside the framework: any window can hold the controls
    HWND hParent = ::CreateWindowExA(0, "STATIC", "page", WS_POPUP | WS_VISIBLE | SS_NOTIFY, 100,
                                     100, 400, 300, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(m_parent.SubclassWindow(hParent));
    ::SetForegroundWindow(hParent);
}

void ControlHostTest::TearDown() {
    m_parent.DestroyWindow();
}

POINT ControlHostTest::CentreOf(HWND hWnd) {
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}
