// Keys in a page: a modeless child dialog inside a frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CDialog.h"
#include "CFrameWnd.h"
#include "CModalLoop.h"
#include "MessagePump.h"
#include "TestIds.h"
#include "afxres.h"

namespace {

std::vector<std::string> g_calls;

class TestFrame : public CFrameWnd {
public:
    void OnNew() { g_calls.push_back("new"); }
    void OnPaste() { g_calls.push_back("paste"); }

protected:
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
ON_COMMAND(ID_FILE_NEW, &TestFrame::OnNew)
ON_COMMAND(ID_EDIT_PASTE, &TestFrame::OnPaste)
END_MESSAGE_MAP()

class TestPage : public CDialog {
public:
    TestPage() : CDialog(IDD_TEST_PAGE) {}
    void OnOK() override {
        g_calls.push_back("ok");
        CDialog::OnOK();
    }
    void OnCancel() override {
        g_calls.push_back("cancel");
        CDialog::OnCancel();
    }
};

// A key pressed on hWnd as the message loop gets it, with Ctrl held or not.
void PressKey(HWND hWnd, UINT nKey, bool bControl) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = bControl ? 0x80 : 0;
    ::SetKeyboardState(keys);
    MSG msg = {hWnd, WM_KEYDOWN, nKey, 1, ::GetTickCount(), {0, 0}};
    CModalLoop::DispatchMessage(&msg);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    PumpPending();
}

TEST(PageDialog, TheFramesAcceleratorsWorkFromItsControlsAndEnterOrEscLeaveItShown) {
    g_calls.clear();
    auto* pFrame = new TestFrame;  // deletes itself with its window
    ASSERT_TRUE(pFrame->LoadFrame(IDR_TEST_FRAME, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
    pFrame->SetAutoDelete();
    TestPage page;
    ASSERT_TRUE(page.Create(IDD_TEST_PAGE, pFrame));
    HWND hEdit = ::GetDlgItem(page, IDC_TEST_EDIT);

    PressKey(hEdit, 'N', true);
    PressKey(hEdit, 'V', true);
    PressKey(hEdit, VK_RETURN, false);
    PressKey(hEdit, VK_ESCAPE, false);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"new", "paste", "ok", "cancel"}));
    EXPECT_TRUE(page.GetStyle() & WS_VISIBLE);  // the frame itself is hidden
    pFrame->DestroyWindow();
}

}  // namespace
