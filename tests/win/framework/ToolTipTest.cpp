// The tooltip wrapper talks to the common controls this program runs with.
#include <gtest/gtest.h>

#include <string>

#include "CToolTipCtrl.h"
#include "TestWindow.h"

namespace {

std::string TipText(CToolTipCtrl& tip, CWnd* pWnd) {
    char text[80] = {};
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = pWnd->m_hWnd;
    ti.uFlags = TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
    ti.lpszText = text;
    tip.SendMessage(TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&ti));
    return text;
}

TEST(ToolTip, ToolsAreAddedRenamedAndRemoved) {
    CWnd owner;
    ASSERT_TRUE(CreateTestWindow(owner));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&owner));
    EXPECT_TRUE(::GetWindowLongA(tip, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ASSERT_TRUE(tip.AddTool(&owner, "http://a.example/"));
    EXPECT_EQ(tip.SendMessage(TTM_GETTOOLCOUNT), 1);
    tip.UpdateTipText("http://b.example/", &owner);
    EXPECT_EQ(TipText(tip, &owner), "http://b.example/");
    tip.SetMaxTipWidth(400);
    EXPECT_EQ(tip.SendMessage(TTM_GETMAXTIPWIDTH), 400);
    tip.DelTool(&owner);
    EXPECT_EQ(tip.SendMessage(TTM_GETTOOLCOUNT), 0);
}

}  // namespace
