// The launcher's main frame: its shape, its fixed size and what it does with the
// game's messages.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "Afx.h"
#include "BmpBuilder.h"
#include "CSingleDocTemplate.h"
#include "CWinApp.h"
#include "CliengDlg.h"
#include "GameLink.h"
#include "MainFrame.h"
#include "NullDoc.h"
#include "PlatformApp.h"
#include "TestSupport.h"
#include "Workspace.h"
#include "WriteHeadPicture.h"
#include "resource.h"

namespace {

class LauncherFrame : public testing::Test {
protected:
    void SetUp() override {
        CNullDoc::s_bDocumentCreated = FALSE;
        g_hGameWnd = nullptr;
        g_hLauncherWnd = nullptr;
        g_strGameWndClass.Empty();
        g_pCliengDlg = nullptr;
        g_bGamePageShown = 1;
    }
    void TearDown() override {
        if (CWnd* pMain = m_app.GetMainWnd()) pMain->DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        g_hGameWnd = nullptr;
        g_strGameWndClass.Empty();
    }

    // Builds the frame and workspace in the scratch folder, as start-up does. A
    // game window that exists meanwhile keeps the game page from starting a game;
    // it is gone before the test goes on.
    CMainFrame* Open() {
        CurrentDirectory cd(m_folder.Path());
        auto running = std::make_unique<FakeGameWindow>();
        auto* pTemplate =
            new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CNullDoc),
                                   RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CWorkspace));
        m_app.AddDocTemplate(pTemplate);
        EXPECT_NE(pTemplate->OpenDocumentFile(nullptr, TRUE), nullptr);
        auto* pFrame = static_cast<CMainFrame*>(m_app.GetMainWnd());
        if (pFrame) {
            SIZE size = pFrame->CalcFixedWindowSize(g_pWorkspace->m_nHeadHeight);
            pFrame->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE);
        }
        running.reset();
        g_hGameWnd = nullptr;
        g_strGameWndClass.Empty();
        return pFrame;
    }

    static CRect Client(CWnd* pWnd) {
        CRect rc;
        pWnd->GetClientRect(&rc);
        return rc;
    }

    static LRESULT SendRecord(CWnd* pWnd, const void* data, DWORD size) {
        COPYDATASTRUCT cds = {0, size, const_cast<void*>(data)};
        return pWnd->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
    }

    ScratchFolder m_folder;
    CWinApp m_app;
};

TEST_F(LauncherFrame, IsADialogFrameThatCannotBeSizedOrMaximised) {
    CMainFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    DWORD style = pFrame->GetStyle();
    EXPECT_EQ(style & (WS_DLGFRAME | WS_SYSMENU | WS_MINIMIZEBOX),
              DWORD(WS_DLGFRAME | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0u);
    EXPECT_TRUE(::GetWindowLongA(*pFrame, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), nullptr);
}

TEST_F(LauncherFrame, ClientAreaIs1000x660WithoutAHeadPicture) {
    CMainFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(g_pWorkspace->m_nHeadHeight, 0);
    EXPECT_EQ(Client(pFrame).Width(), 1000);
    EXPECT_EQ(Client(pFrame).Height(), 660);
}

TEST_F(LauncherFrame, TheHeadPictureAddsItsHeightAndSizingKeepsTheClientArea) {
    WriteHeadPicture(m_folder, 37);
    CMainFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(g_pWorkspace->m_nHeadHeight, 37);
    EXPECT_EQ(Client(pFrame).Height(), 697);

    // dragging any edge or corner: the proposed rectangle is put back to the fixed size
    CRect rcWindow;
    pFrame->GetWindowRect(&rcWindow);
    for (WPARAM side : {WMSZ_LEFT, WMSZ_RIGHT, WMSZ_TOP, WMSZ_BOTTOMRIGHT, WMSZ_TOPLEFT}) {
        RECT proposed = {rcWindow.left + 30, rcWindow.top + 20, rcWindow.right + 300,
                         rcWindow.bottom - 100};
        pFrame->SendMessage(WM_SIZING, side, reinterpret_cast<LPARAM>(&proposed));
        EXPECT_EQ(proposed.left, rcWindow.left + 30);
        EXPECT_EQ(proposed.top, rcWindow.top + 20);
        EXPECT_EQ(proposed.right - proposed.left, rcWindow.Width());
        EXPECT_EQ(proposed.bottom - proposed.top, rcWindow.Height());
    }
    // nor does another program's resizing change it
    pFrame->SetWindowPos(nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Client(pFrame).Width(), 1000);
    EXPECT_EQ(Client(pFrame).Height(), 697);
    // and minimising and restoring leaves it as it was
    pFrame->ShowWindow(SW_MINIMIZE);
    pFrame->ShowWindow(SW_RESTORE);
    EXPECT_EQ(Client(pFrame).Width(), 1000);
    EXPECT_EQ(Client(pFrame).Height(), 697);
}

TEST_F(LauncherFrame, MalformedHeadPicturesGiveNoHead) {
    std::vector<std::vector<uint8_t>> files;
    std::vector<uint8_t> good = BmpBuilder().File();
    files.emplace_back(good.begin(), good.begin() + 30);  // truncated
    BmpBuilder lying;
    lying.pixelBytes = 12;
    lying.height = 5000;
    files.push_back(lying.File());
    BmpBuilder huge;
    huge.width = huge.height = 30000;
    huge.bitCount = 1;
    huge.pixelBytes = 64;
    files.push_back(huge.File());
    BmpBuilder colours;
    colours.bitCount = 8;
    colours.clrUsed = 100000;
    files.push_back(colours.File());
    files.push_back({'B', 'M'});

    for (const auto& file : files) {
        m_folder.Write("Platform\\WorkspaceHead.bmp", file);
        CMainFrame* pFrame = Open();
        ASSERT_NE(pFrame, nullptr);
        EXPECT_EQ(g_pWorkspace->m_nHeadHeight, 0);
        EXPECT_EQ(g_pWorkspace->m_bmpHead.GetSafeHandle(), nullptr);
        EXPECT_EQ(Client(pFrame).Height(), 660);
        TearDown();
        SetUp();
    }
}

TEST_F(LauncherFrame, TheSystemMenuIconHitsAsCaption) {
    CMainFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    CRect rcWindow;
    pFrame->GetWindowRect(&rcWindow);
    int frame = ::GetSystemMetrics(SM_CXDLGFRAME) + ::GetSystemMetrics(SM_CXEDGE);
    int caption = ::GetSystemMetrics(SM_CYCAPTION);
    POINT onIcon = {rcWindow.left + frame + caption / 2, rcWindow.top + frame + caption / 2};
    LRESULT plain =
        ::DefWindowProcA(pFrame->m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(onIcon.x, onIcon.y));
    ASSERT_EQ(plain, HTSYSMENU) << "the point is not on the system menu icon";
    EXPECT_EQ(pFrame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(onIcon.x, onIcon.y)), HTCAPTION);
    // other parts of the frame answer as usual
    POINT inside = {rcWindow.left + 500, rcWindow.top + 300};
    EXPECT_EQ(pFrame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT);
}

TEST_F(LauncherFrame, EveryRecordIsAnsweredMinusTwo) {
    CMainFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    g_pWorkspace->m_wndTabs.EnableWindow(FALSE);
    std::vector<uint8_t> data(64 * 1024 + 1);
    srand(7);
    for (uint8_t& b : data) b = static_cast<uint8_t>(rand());
    for (DWORD size : {0u, 1u, 11u, 12u, 16u, 52u, 4095u, 65536u}) {
        EXPECT_EQ(SendRecord(pFrame, data.data(), size), -2) << size;
    }
    EXPECT_EQ(SendRecord(pFrame, nullptr, 0), -2);
    EXPECT_EQ(SendRecord(pFrame, nullptr, 52), -2);
    GameRecord geometry = MakePageGeometryRecord(1, 2, 3);  // a launcher record sent back
    EXPECT_EQ(SendRecord(pFrame, &geometry, geometry.cbSize), -2);
    EXPECT_FALSE(::IsWindowEnabled(g_pWorkspace->m_wndTabs)) << "only code 8 enables the strip";
}

TEST_F(LauncherFrame, ReadyEnablesTheStripMarksThePageAndStartsTheKeepAlive) {
    CMainFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    CCliengDlg page;
    g_pCliengDlg = &page;
    g_pWorkspace->m_wndTabs.EnableWindow(FALSE);
    FakeGameWindow game;
    g_strGameWndClass = "QOVEXPLATFORM";
    g_hLauncherWnd = pFrame->m_hWnd;

    uint8_t ready[12] = {0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0};
    EXPECT_EQ(SendRecord(pFrame, ready, sizeof(ready)), -2);
    EXPECT_TRUE(page.m_bGameReady);
    EXPECT_TRUE(::IsWindowEnabled(g_pWorkspace->m_wndTabs));

    // the keep-alive comes about 5 s later, to the game's window, waiting for -2
    auto keepAlive = [&] {
        for (const auto& record : game.m_records) {
            if (record.data.size() >= 12 && record.Word(8) == 3) return &record;
        }
        return static_cast<const FakeGameWindow::Record*>(nullptr);
    };
    ASSERT_TRUE(PumpUntil([&] { return keepAlive() != nullptr; }, 20000));
    EXPECT_EQ(keepAlive()->data.size(), 32u);
    EXPECT_EQ(keepAlive()->Word(0), reinterpret_cast<UINT_PTR>(pFrame->m_hWnd));
    EXPECT_EQ(keepAlive()->Word(12), 32u);

    // A second ready, a while after that keep-alive, marks and enables again and
    // restarts the timer: the next keep-alive is 5 s after it, not after the first.
    PumpUntil([] { return false; }, 2000);
    page.m_bGameReady = FALSE;
    g_pWorkspace->m_wndTabs.EnableWindow(FALSE);
    game.m_records.clear();
    EXPECT_EQ(SendRecord(pFrame, ready, sizeof(ready)), -2);
    const DWORD secondReady = ::GetTickCount();
    EXPECT_TRUE(page.m_bGameReady);
    EXPECT_TRUE(::IsWindowEnabled(g_pWorkspace->m_wndTabs));
    ASSERT_TRUE(PumpUntil([&] { return keepAlive() != nullptr; }, 20000));
    EXPECT_GE(::GetTickCount() - secondReady, 4500u);
    g_pCliengDlg = nullptr;
}

TEST_F(LauncherFrame, ReadyWithoutAGamePageStillEnablesTheStrip) {
    CMainFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    g_pWorkspace->m_wndTabs.EnableWindow(FALSE);
    uint8_t ready[16] = {0, 0, 0, 0, 0, 0, 0, 0, 8};
    EXPECT_EQ(SendRecord(pFrame, ready, sizeof(ready)), -2);
    EXPECT_TRUE(::IsWindowEnabled(g_pWorkspace->m_wndTabs));
}

TEST_F(LauncherFrame, ClosingTellsTheGameWithTheFramesHandle) {
    CMainFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    FakeGameWindow game;
    g_strGameWndClass = "QOVEXPLATFORM";
    g_hLauncherWnd = pFrame->m_hWnd;
    HWND hFrame = pFrame->m_hWnd;
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hFrame));
    ASSERT_EQ(game.m_records.size(), 1u);
    const auto& closing = game.m_records.front();
    EXPECT_EQ(closing.wParam, 0u);
    EXPECT_EQ(closing.dwData, 0u);
    std::vector<uint32_t> words;
    for (size_t i = 0; i < closing.data.size(); i += 4) words.push_back(closing.Word(i));
    uint32_t h = static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(hFrame));
    EXPECT_EQ(words, (std::vector<uint32_t>{h, 0, 2, 52, 0, 0, 0, 0, h, 2, 0, 0, 0}));
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "main window gone";
}

// Every WM_COPYDATA sent to a window of this thread.
int g_nCopyDataSent = 0;
LRESULT CALLBACK CountCopyData(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && reinterpret_cast<CWPSTRUCT*>(lParam)->message == WM_COPYDATA) {
        g_nCopyDataSent++;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(LauncherFrame, ClosingBeforeTheGameExistsSendsNothing) {
    CMainFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    g_strGameWndClass = "QOVEXPLATFORM";  // no window of the class exists
    g_hLauncherWnd = pFrame->m_hWnd;
    g_nCopyDataSent = 0;
    HHOOK hHook =
        ::SetWindowsHookExA(WH_CALLWNDPROC, &CountCopyData, nullptr, ::GetCurrentThreadId());
    pFrame->SendMessage(WM_CLOSE);
    ::UnhookWindowsHookEx(hHook);
    EXPECT_EQ(m_app.GetMainWnd(), nullptr);
    EXPECT_EQ(g_nCopyDataSent, 0);
}

TEST_F(LauncherFrame, ActivationIsForwardedWhileTheGamePageIsShown) {
    CMainFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    FakeGameWindow game;
    g_hGameWnd = game.Handle();

    pFrame->SendMessage(WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0);
    pFrame->SendMessage(WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
    pFrame->SendMessage(WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), 0);  // minimised
    EXPECT_EQ(game.m_activations, (std::vector<WPARAM>{1, 0, 0}));

    g_bGamePageShown = 0;
    pFrame->SendMessage(WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0);
    EXPECT_EQ(game.m_activations.size(), 3u);

    g_bGamePageShown = 1;
    g_hGameWnd = nullptr;  // not found yet
    pFrame->SendMessage(WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0);
    EXPECT_EQ(game.m_activations.size(), 3u);
}

// Swallows its first show, as the system does when the launcher's starter asked for a
// hidden start.
class FirstShowIgnored : public CWnd {
public:
    bool m_bIgnored = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        auto* pPos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (message == WM_WINDOWPOSCHANGING && (pPos->flags & SWP_SHOWWINDOW) && !m_bIgnored) {
            pPos->flags &= ~SWP_SHOWWINDOW;
            m_bIgnored = true;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(StartUp, TheLauncherShowsWhenItsFirstShowIsIgnored) {
    FirstShowIgnored wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "hidden start", WS_OVERLAPPEDWINDOW,
                             CRect(0, 0, 200, 100), nullptr, 0));
    ShowLauncherWindow(&wnd);
    EXPECT_TRUE(wnd.m_bIgnored);
    EXPECT_TRUE(wnd.IsWindowVisible());
}

}  // namespace
