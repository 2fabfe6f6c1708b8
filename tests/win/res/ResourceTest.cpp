// The launcher's own resources, loaded as the program loads them, against the
// tables they were made from.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "afxres.h"
#include "resource.h"

namespace {

HINSTANCE Module() {
    return ::GetModuleHandleA(nullptr);
}

std::wstring LoadText(UINT nID) {
    wchar_t text[512] = {};
    ::LoadStringW(Module(), nID, text, 512);
    return text;
}

TEST(Resources, StringsAndAcceleratorsAreThoseOfTheTables) {
    EXPECT_EQ(LoadText(100), L"OLE 初始化失败。请确保 OLE 库是正确的版本。");
    EXPECT_EQ(
        LoadText(128),
        L"SkylarkHelper\n\nSkylarkHelper\n\n\nSkylarkHelper.Document\nSkylarkHelper.Document");

    HACCEL hAccel = ::LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(128));
    ASSERT_NE(hAccel, nullptr);
    ACCEL entries[16] = {};
    int n = ::CopyAcceleratorTableA(hAccel, entries, 16);
    std::vector<std::vector<int>> table;
    for (int i = 0; i < n; i++) table.push_back({entries[i].fVirt, entries[i].key, entries[i].cmd});
    const int V = FVIRTKEY;
    EXPECT_EQ(table, (std::vector<std::vector<int>>{{V | FALT, VK_BACK, 57643},
                                                    {V | FCONTROL, 'N', 57600},
                                                    {V | FCONTROL, 'O', 57601},
                                                    {V | FCONTROL, 'P', 57607},
                                                    {V, VK_F6, 57680},
                                                    {V | FSHIFT, VK_F6, 57681},
                                                    {V | FCONTROL, 'V', 32775}}));
}

TEST(Resources, TheMenuHasOnePopupWithTheAboutCommand) {
    HMENU hMenu = ::LoadMenuA(Module(), MAKEINTRESOURCEA(128));
    ASSERT_NE(hMenu, nullptr);
    wchar_t text[64] = {};
    ASSERT_EQ(::GetMenuItemCount(hMenu), 1);
    ::GetMenuStringW(hMenu, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"帮助(&H)");
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    ASSERT_EQ(::GetMenuItemCount(hPopup), 1);
    EXPECT_EQ(::GetMenuItemID(hPopup, 0), 57664u);
    ::GetMenuStringW(hPopup, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"关于 Skylark");
    ::DestroyMenu(hMenu);
}

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// A control of a dialog: class, id and text (if asked for), and whether it is at
// the place given in dialog units, as one line.
std::wstring Describe(HWND hDlg, HWND hCtrl, const RECT& rcDu, bool bText) {
    wchar_t cls[32] = {}, text[64] = {};
    ::GetClassNameW(hCtrl, cls, 32);
    ::GetWindowTextW(hCtrl, text, 64);
    RECT rcPixels = rcDu;
    ::MapDialogRect(hDlg, &rcPixels);
    RECT rc;
    ::GetWindowRect(hCtrl, &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    bool bPlaced = rc.left == rcPixels.left && rc.top == rcPixels.top;
    return std::wstring(cls) + L" " + std::to_wstring(::GetDlgCtrlID(hCtrl) & 0xFFFF) + L" " +
           (bText ? text : L"") + (bPlaced ? L"" : L" misplaced");
}

TEST(Resources, TheAboutBoxIsTheTablesDialog) {
    HWND hDlg =
        ::CreateDialogParamW(Module(), MAKEINTRESOURCEW(IDD_ABOUTBOX), nullptr, &NoDialogProc, 0);
    ASSERT_NE(hDlg, nullptr);
    wchar_t caption[64] = {};
    ::GetWindowTextW(hDlg, caption, 64);
    EXPECT_STREQ(caption, L"关于 Skylark");
    RECT rcSize = {0, 0, 235, 55};
    ::MapDialogRect(hDlg, &rcSize);
    RECT rcClient;
    ::GetClientRect(hDlg, &rcClient);
    EXPECT_EQ(rcClient.right, rcSize.right);
    EXPECT_EQ(rcClient.bottom, rcSize.bottom);
    LOGFONTW lf = {};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(hDlg, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
    EXPECT_STREQ(lf.lfFaceName, L"宋体");

    // the icon's text is its resource reference; the second line's text is free
    const RECT places[] = {{11, 17, 0, 0}, {40, 10, 159, 18}, {40, 25, 159, 33}, {178, 7, 228, 23}};
    std::vector<std::wstring> controls;
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        size_t i = controls.size();
        controls.push_back(i < 4 ? Describe(hDlg, h, places[i], i == 1 || i == 3) : L"more");
    }
    HWND hIcon = ::GetWindow(hDlg, GW_CHILD);
    EXPECT_EQ(::GetWindowLongW(hIcon, GWL_STYLE) & SS_TYPEMASK, SS_ICON);
    EXPECT_NE(::SendMessageW(hIcon, STM_GETICON, 0, 0), 0);
    EXPECT_EQ(controls, (std::vector<std::wstring>{L"Static 65535 ", L"Static 65535 Skylark1.0",
                                                   L"Static 65535 ", L"Button 1 确定"}));
    EXPECT_TRUE(::GetWindowLongW(::GetDlgItem(hDlg, IDOK), GWL_STYLE) & BS_DEFPUSHBUTTON);
    ::DestroyWindow(hDlg);
}

}  // namespace
