// The workspace view on real windows, its game already running (a stand-in
// window), so that its game page starts nothing.
#include <gtest/gtest.h>

#include <exdisp.h>

#include <vector>

#include "Afx.h"
#include "AnyTabPage.h"
#include "BrowserWindows.h"
#include "CliengDlg.h"
#include "GameLink.h"
#include "HostWindow.h"
#include "LocationOf.h"
#include "PlatformApp.h"
#include "TestSupport.h"
#include "WebBrowserDlg.h"
#include "Workspace.h"
#include "WriteHeadPicture.h"

namespace {

// The launcher's own idle work, checked on every turn: at most one browser more
// each time; the loop ends once nothing is left.
class IdleApp : public CPlatformApp {
public:
    explicit IdleApp(HWND hWnd) : m_hWnd(hWnd) {}
    BOOL OnIdle(LONG lCount) override {
        const size_t nBefore = BrowserWindows(m_hWnd).size();
        const BOOL bMore = CPlatformApp::OnIdle(lCount);
        EXPECT_LE(BrowserWindows(m_hWnd).size(), nBefore + 1);
        if (!bMore) ::PostQuitMessage(0);
        return bMore;
    }

private:
    HWND m_hWnd;
};

// the browsers there were as the first paint of a window of the thread was taken
int g_nBrowsersAtFirstPaint = -1;
HWND g_hPainted = nullptr;
LRESULT CALLBACK NoteFirstPaint(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && pMsg->message == WM_PAINT &&
        g_nBrowsersAtFirstPaint < 0) {
        g_nBrowsersAtFirstPaint = static_cast<int>(BrowserWindows(g_hPainted).size());
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class WorkspaceView : public testing::Test {
protected:
    void SetUp() override {
        WriteHeadPicture(m_folder, 40);  // a strip as high as its tabs
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
    HostWindow m_host{1000, 700};
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

TEST_F(WorkspaceView, HiddenWebPagesGetTheirBrowsersAfterTheFirstPaintOneATurnOrWhenShown) {
    AfxEnableControlContainer();
    m_folder.Write("Platform\\Config.ini",
                   "[A]\r\nName=a\r\nUrl=about:blank#a\r\n[B]\r\nName=b\r\nUrl=about:blank#b\r\n");
    m_host.ShowWindow(SW_HIDE);  // as the frame is while its view is built
    CWorkspace* pView = Open();
    ASSERT_EQ(pView->m_wndTabs.GetPageCount(), 5);
    std::vector<CWebBrowserDlg*> pages;  // the forum, a and b
    for (int i : {0, 3, 4}) {
        pages.push_back(static_cast<CWebBrowserDlg*>(pView->m_wndTabs.GetPage(i)->m_pDlg));
        EXPECT_EQ(pages.back()->m_wndHtml.m_hWnd, nullptr) << i;
    }
    EXPECT_FALSE(pView->DoDeferredWork());  // nothing while the view is not on screen
    // Home before there is a browser: the browser starts there
    pages[1]->m_wndHtml.m_strHomeUrl = "about:blank#home";
    pages[1]->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WEB_HOME, BN_CLICKED));

    m_host.ShowWindow(SW_SHOW);
    pView->m_wndTabs.SelectPage(4);  // shown before its turn: at once
    EXPECT_EQ(BrowserWindows(m_host).size(), 1u);
    EXPECT_NE(pages[2]->m_wndHtml.GetBrowser(), nullptr);
    g_hPainted = m_host;
    HHOOK hHook =
        ::SetWindowsHookExA(WH_GETMESSAGE, &NoteFirstPaint, nullptr, ::GetCurrentThreadId());
    IdleApp(m_host).Run();
    ::UnhookWindowsHookEx(hHook);
    EXPECT_EQ(g_nBrowsersAtFirstPaint, 1);

    for (CWebBrowserDlg* pPage : pages) {
        IWebBrowser2* pBrowser = pPage->m_wndHtml.GetBrowser();
        ASSERT_NE(pBrowser, nullptr);
        VARIANT_BOOL silent = VARIANT_FALSE;
        pBrowser->get_Silent(&silent);
        EXPECT_EQ(silent, VARIANT_TRUE);
    }
    EXPECT_TRUE(PumpUntil([&] {
        return LocationOf(pages[1]->m_wndHtml) == "about:blank#home" &&
               LocationOf(pages[2]->m_wndHtml) == "about:blank#b";
    })) << LocationOf(pages[1]->m_wndHtml).GetString()
        << " " << LocationOf(pages[2]->m_wndHtml).GetString();
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
