// The workspace view on real windows, its game already running (a stand-in
// window), so that its game page starts nothing.
#include <gtest/gtest.h>

#include "AnyTabPage.h"
#include "BmpBuilder.h"
#include "CliengDlg.h"
#include "GameLink.h"
#include "TestSupport.h"
#include "Workspace.h"

namespace {

class WorkspaceView : public testing::Test {
protected:
    void SetUp() override {
        BmpBuilder head;  // a strip as high as its tabs
        head.width = 1000;
        head.height = 40;
        m_folder.Write("Platform\\WorkspaceHead.bmp", head.File());
        m_host.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1000, 700,
                        nullptr, nullptr);
    }
    void TearDown() override {
        m_host.DestroyWindow();
        g_hGameWnd = nullptr;
        g_strGameWndClass.Empty();
    }

    // A workspace view in the host window, built as start-up builds it.
    CWorkspace* Open() {
        CurrentDirectory cd(m_folder.Path());
        auto* pView = new CWorkspace;
        pView->Create(&m_host, 0xE900);
        pView->SetAutoDelete();
        pView->OnInitialUpdate();
        return pView;
    }

    static bool RepaintPending(HWND hWnd) {
        RECT rc;
        return ::GetUpdateRect(hWnd, &rc, FALSE) != FALSE;
    }

    ScratchFolder m_folder;
    FakeGameWindow m_game;
    CWnd m_host;
};

TEST_F(WorkspaceView, ATitleChangeRepaintsTheStripOnlyForOneOfItsPages) {
    CWorkspace* pView = Open();
    ASSERT_EQ(pView->m_wndTabs.GetPageCount(), 3);
    pView->m_wndTabs.SelectPage(0);
    CWnd* pForum = pView->m_wndTabs.GetSelectedPage()->m_pDlg;
    ASSERT_NE(pForum, nullptr);

    ::ValidateRect(pView->m_wndTabs, nullptr);
    EXPECT_FALSE(pView->OnPageTitleChanged(&m_host, "x"));
    EXPECT_FALSE(pView->OnPageTitleChanged(nullptr, "x"));
    EXPECT_FALSE(RepaintPending(pView->m_wndTabs));
    EXPECT_TRUE(pView->OnPageTitleChanged(pForum, "x"));
    EXPECT_TRUE(RepaintPending(pView->m_wndTabs));
}

TEST_F(WorkspaceView, GoingAwayItDeletesEveryPageAndLeavesNoWindowOrGdiObject) {
    Open()->DestroyWindow();  // the first use of each window class and library
    const int nFreeGdi = FreeGdiCapacity();
    const int nWindows = CountThreadWindows();
    for (int i = 0; i < 3; i++) {
        CWorkspace* pView = Open();
        EXPECT_EQ(g_pWorkspace, pView);
        EXPECT_NE(g_pCliengDlg, nullptr);
        pView->DestroyWindow();
        EXPECT_EQ(g_pWorkspace, nullptr);
        EXPECT_EQ(g_pCliengDlg, nullptr);
    }
    PumpPending();
    EXPECT_EQ(FreeGdiCapacity(), nFreeGdi);
    EXPECT_EQ(CountThreadWindows(), nWindows);
}

}  // namespace
