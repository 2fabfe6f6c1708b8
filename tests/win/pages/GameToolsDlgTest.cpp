// The tools page on a real window: its check boxes and colour chooser send the
// game the whole chat settings on every change.
#include <gtest/gtest.h>

#include <colordlg.h>

#include "CModalLoop.h"
#include "CRect.h"
#include "CliengDlg.h"
#include "DialogCloser.h"
#include "GameLink.h"
#include "GameToolsDlg.h"
#include "PageTestSupport.h"
#include "ScreenPicture.h"
#include "TestSupport.h"
#include "resource.h"

namespace {

class ToolsPage : public testing::Test {
protected:
    void SetUp() override {
        g_hGameWnd = nullptr;
        g_strGameWndClass = "QOVEXPLATFORM";
        g_hLauncherWnd = m_host.m_hWnd;
        ASSERT_TRUE(m_page.Create(153, &m_host));
        m_page.ShowWindow(SW_SHOW);
    }
    void TearDown() override {
        g_hGameWnd = nullptr;
        g_strGameWndClass = "";
        g_hLauncherWnd = nullptr;
    }

    // words 8..12 of the last record the game received: use colour, blink, drift,
    // colour, barrage
    std::vector<uint32_t> LastSettings() const {
        if (m_game.m_records.empty()) return {};
        const FakeGameWindow::Record& r = m_game.m_records.back();
        EXPECT_EQ(r.data.size(), 84u);
        EXPECT_EQ(r.Word(0), static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(m_host.m_hWnd)));
        EXPECT_EQ(r.Word(8), 9u);
        EXPECT_EQ(r.Word(12), 84u);
        return {r.Word(32), r.Word(36), r.Word(40), r.Word(44), r.Word(48)};
    }

    HWND Item(int id) const { return ::GetDlgItem(m_page.m_hWnd, id); }

    // the colour chooser opened by a click on the swatch, answered with the colour
    void ChooseColour(COLORREF colour) {
        DialogCloser closer([colour](HWND hBox) {
            ::SetDlgItemInt(hBox, COLOR_RED, GetRValue(colour), FALSE);
            ::SetDlgItemInt(hBox, COLOR_GREEN, GetGValue(colour), FALSE);
            ::SetDlgItemInt(hBox, COLOR_BLUE, GetBValue(colour), FALSE);
        });
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHAT_COLOR, STN_CLICKED),
                           reinterpret_cast<LPARAM>(Item(IDC_CHAT_COLOR)));
        EXPECT_TRUE(closer.Seen());
    }

    // where a point in dialog units of the page lies in its client area
    POINT PagePoint(int x, int y) const {
        RECT rc = {x, y, x, y};
        ::MapDialogRect(m_page.m_hWnd, &rc);
        return {rc.left, rc.top};
    }

    GdiplusSession m_gdiplus;
    FakeGameWindow m_game;
    HostWindow m_host{800, 600};
    CGameToolsDlg m_page;
};

TEST_F(ToolsPage, EveryTickSendsTheWholeStateAndNothingIsSentBefore) {
    PumpPending();
    EXPECT_TRUE(m_game.m_records.empty());
    ::SendMessageA(Item(IDC_BLINK), BM_CLICK, 0, 0);
    EXPECT_EQ(LastSettings(), (std::vector<uint32_t>{0, 1, 0, 0x00FFFFFF, 0}));
    ::SendMessageA(Item(IDC_DRIFT), BM_CLICK, 0, 0);
    ::SendMessageA(Item(IDC_FULL_SCREEN_BARRAGE), BM_CLICK, 0, 0);
    ::SendMessageA(Item(IDC_USE_COLOR), BM_CLICK, 0, 0);
    EXPECT_EQ(LastSettings(), (std::vector<uint32_t>{1, 1, 1, 0x00FFFFFF, 1}));
    ::SendMessageA(Item(IDC_BLINK), BM_CLICK, 0, 0);
    EXPECT_EQ(LastSettings(), (std::vector<uint32_t>{1, 0, 1, 0x00FFFFFF, 1}));
    EXPECT_EQ(m_game.m_records.size(), 5u);
}

TEST_F(ToolsPage, AChosenColourIsSentAndShownInTheSwatch) {
    ChooseColour(RGB(10, 200, 30));
    ASSERT_EQ(m_game.m_records.size(), 1u);
    EXPECT_EQ(LastSettings(), (std::vector<uint32_t>{0, 0, 0, RGB(10, 200, 30), 0}));
    EXPECT_EQ(m_page.m_crChatColor, RGB(10, 200, 30));

    // the swatch shows it, also after the page and the swatch are painted again
    HWND hSwatch = Item(IDC_CHAT_COLOR);
    ::UpdateWindow(m_host.m_hWnd);
    PumpPending();
    EXPECT_EQ(ScreenPixel(hSwatch, 5, 5), RGB(10, 200, 30));
    ::RedrawWindow(m_host.m_hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    EXPECT_EQ(ScreenPixel(hSwatch, 5, 5), RGB(10, 200, 30));
    EXPECT_EQ(ScreenPicture::Repainted(hSwatch).Colour(5, 5), RGB(10, 200, 30));
}

TEST_F(ToolsPage, ACancelledChooserChangesNothing) {
    DialogCloser closer([](HWND hBox) { ::PostMessageA(hBox, WM_COMMAND, IDCANCEL, 0); });
    m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHAT_COLOR, STN_CLICKED),
                       reinterpret_cast<LPARAM>(Item(IDC_CHAT_COLOR)));
    EXPECT_TRUE(closer.Seen());
    EXPECT_TRUE(m_game.m_records.empty());
    EXPECT_EQ(m_page.m_crChatColor, RGB(255, 255, 255));
}

TEST_F(ToolsPage, TheSecondGroupIsNeverEnabledAndTheFirstStartsCleared) {
    for (int id : {IDC_APM_MODE, IDC_ONE_VS_THIRTEEN, IDC_AUTO_RECHARGE, IDC_H_MODE}) {
        EXPECT_FALSE(::IsWindowEnabled(Item(id))) << id;
    }
    for (int id : {IDC_USE_COLOR, IDC_BLINK, IDC_DRIFT, IDC_FULL_SCREEN_BARRAGE}) {
        EXPECT_TRUE(::IsWindowEnabled(Item(id))) << id;
        EXPECT_EQ(::SendMessageA(Item(id), BM_GETCHECK, 0, 0), BST_UNCHECKED) << id;
    }
}

// Both pages, the play-game page finding its game running: the keys pressed on them
// as the launcher's message loop gets them.
TEST_F(ToolsPage, EnterAndEscapeLeaveEitherPageShownAndSendNothing) {
    CCliengDlg play;
    ASSERT_TRUE(play.Create(IDD_CLIENG, &m_host));
    play.ShowWindow(SW_SHOW);
    for (HWND hFocus : {play.m_hWnd, Item(IDC_BLINK)}) {
        ::SetFocus(hFocus);
        for (UINT nKey : {VK_RETURN, VK_ESCAPE}) {
            MSG msg = {hFocus, WM_KEYDOWN, nKey, 1, ::GetTickCount(), {0, 0}};
            CModalLoop::DispatchMessage(&msg);
            PumpPending();
        }
    }
    EXPECT_TRUE(play.IsWindowVisible());
    EXPECT_TRUE(m_page.IsWindowVisible());
    EXPECT_TRUE(m_game.m_records.empty());
}

// As when the Tools tab is chosen after the play-game tab: the play page's picture
// is on the screen where the tools page appears.
TEST_F(ToolsPage, ShownAfterThePlayPageItPaintsItsOwnBackgroundInsideItsGroups) {
    const COLORREF kPicture = RGB(20, 40, 160);
    ScratchFolder folder;
    folder.Write("Platform\\PlayGameBackground.jpg",
                 PictureFile(800, 600, [&](int, int) { return kPicture; }));
    CurrentDirectory current(folder.Path());
    CCliengDlg play;
    ASSERT_TRUE(play.Create(IDD_CLIENG, &m_host));
    play.m_picLoading = SkinPicture();  // the picture alone
    m_page.ShowWindow(SW_HIDE);
    play.MoveWindow(CRect(0, 0, 800, 600));
    play.ShowWindow(SW_SHOW);
    ::UpdateWindow(m_host.m_hWnd);
    const POINT outside = PagePoint(420, 200);
    ASSERT_EQ(ScreenPixel(play.m_hWnd, outside.x, outside.y), kPicture);

    play.ShowWindow(SW_HIDE);
    m_page.ShowWindow(SW_SHOW);
    ::UpdateWindow(m_host.m_hWnd);
    PumpPending();
    const COLORREF background = ScreenPixel(m_page.m_hWnd, outside.x, outside.y);
    EXPECT_NE(background, kPicture);
    // inside either group, and beside the text of an enabled and a disabled check box
    // and of the disabled line
    for (POINT pt : {PagePoint(150, 70), PagePoint(340, 70), PagePoint(60, 66), PagePoint(280, 62),
                     PagePoint(351, 118)}) {
        EXPECT_EQ(ScreenPixel(m_page.m_hWnd, pt.x, pt.y), background) << pt.x << "," << pt.y;
    }
}

}  // namespace
