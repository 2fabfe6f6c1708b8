// The web page dialog on its own, as a child of any window.
#include <exdisp.h>

#include <memory>
#include <string>

#include "Afx.h"
#include "BrowserSwap.h"
#include "FakeObject.h"
#include "GdiCapacity.h"
#include "LocationOf.h"
#include "ScreenPicture.h"
#include "SkinFiles.h"
#include "TestSupport.h"
#include "ControlHostTest.h"
#include "WebBrowserDlg.h"
#include "WorkingPath.h"

namespace {

const int kButtonIDs[] = {IDC_WEB_HOME, IDC_WEB_BACK, IDC_WEB_FORWARD, IDC_WEB_STOP,
                          IDC_WEB_REFRESH};

COLORREF ToolbarColour(int) {
    return RGB(10, 120, 200);
}

class WebPage : public ControlHostTest {
protected:
    void SetUp() override {
        ControlHostTest::SetUp();
        ASSERT_TRUE(::CreateDirectoryA((m_folder / "Platform").c_str(), nullptr));
        m_folder.Write("Platform\\WebBtnHome.bmp", PictureFile(202, 24, StripColour));
        for (const char* name : {"Prev", "Next", "Stop", "Refresh"}) {
            m_folder.Write(std::string("Platform\\WebBtn") + name + ".bmp",
                           PictureFile(96, 24, StripColour));
        }
        m_folder.Write("Platform\\WebBrowserToolbar.bmp",
                       PictureFile(300, 32, [](int x, int) { return ToolbarColour(x); }));
        m_cwd = std::make_unique<CurrentDirectory>(m_folder.Path());
        ::lstrcpynA(g_szWorkingDirectory, m_folder.Path().c_str(), kMaxPathBytes);
    }

    static void Click(CWebBrowserDlg& dlg, int nID) {
        ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dlg, nID)));
    }

    ScratchFolder m_folder;
    std::unique_ptr<CurrentDirectory> m_cwd;
};

TEST_F(WebPage, ButtonsToolbarAndBrowserTakeTheirPlacesAndTheBrowserGoesOnce) {
    AfxEnableControlContainer();
    CWebBrowserDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_WEBBROWSER, &m_parent));
    EXPECT_FALSE(dlg.IsWindowVisible());
    const std::pair<int, CImageButton*> buttons[] = {{IDC_WEB_HOME, &dlg.m_btnHome},
                                                     {IDC_WEB_BACK, &dlg.m_btnBack},
                                                     {IDC_WEB_FORWARD, &dlg.m_btnForward},
                                                     {IDC_WEB_STOP, &dlg.m_btnStop},
                                                     {IDC_WEB_REFRESH, &dlg.m_btnRefresh}};
    for (const auto& [nID, pButton] : buttons) {
        EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dlg, nID)), pButton) << nID;
        EXPECT_EQ(pButton->m_nCellWidth, nID == IDC_WEB_HOME ? 50 : 24) << nID;
        EXPECT_EQ(pButton->m_nCellHeight, 24) << nID;
        // inside the toolbar band, with the font that stands in for the template's
        RECT rc;
        pButton->GetWindowRect(&rc);
        ::MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_LE(rc.bottom, 32) << nID;
    }
    EXPECT_EQ(dlg.m_nToolbarWidth, 300);
    EXPECT_EQ(dlg.m_nToolbarHeight, 32);

    // made when asked for, and silent from the start
    EXPECT_EQ(dlg.m_wndHtml.m_hWnd, nullptr);
    EXPECT_TRUE(dlg.CreateBrowser());
    IWebBrowser2* pBrowser = dlg.m_wndHtml.GetBrowser();
    ASSERT_NE(pBrowser, nullptr);
    VARIANT_BOOL silent = VARIANT_FALSE;
    pBrowser->get_Silent(&silent);
    EXPECT_EQ(silent, VARIANT_TRUE);

    dlg.SetWindowPos(nullptr, 0, 0, 380, 260, SWP_NOZORDER | SWP_SHOWWINDOW);
    EXPECT_EQ(::GetDlgCtrlID(dlg.m_wndHtml), IDC_WEB_BROWSER);
    RECT rc;
    dlg.m_wndHtml.GetWindowRect(&rc);
    ::MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 32);
    EXPECT_EQ(rc.right, 380);
    EXPECT_EQ(rc.bottom, 260);

    // the focus goes on to the browser (the engine here, without a document, leaves it
    // on the window the browser runs in)
    dlg.SetFocus();
    HWND hFocus = ::GetFocus();
    HWND hHost = dlg.m_wndHtml.GetBrowserHostWnd();
    EXPECT_TRUE(hFocus == hHost || ::IsChild(hHost, hFocus));

    pBrowser->AddRef();
    dlg.DestroyWindow();
    EXPECT_EQ(pBrowser->Release(), 0u);
}

TEST_F(WebPage, TheToolbarPictureIsPaintedBehindTheButtons) {
    CWebBrowserDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_WEBBROWSER, &m_parent));
    dlg.SetWindowPos(nullptr, 0, 0, 380, 260, SWP_NOZORDER | SWP_SHOWWINDOW);
    EXPECT_EQ(ScreenPicture::Repainted(dlg).Colour(250, 10), ToolbarColour(0));
}

TEST_F(WebPage, HomeGoesBackToTheSiteAndTheOtherButtonsReachTheBrowser) {
    AfxEnableControlContainer();
    CWebBrowserDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_WEBBROWSER, &m_parent));
    dlg.CreateBrowser();
    dlg.m_wndHtml.m_strHomeUrl = "about:blank#site";
    dlg.m_wndHtml.Navigate2("about:blank#site");
    ASSERT_TRUE(PumpUntil([&] { return LocationOf(dlg.m_wndHtml) == "about:blank#site"; }));
    dlg.m_wndHtml.Navigate2("about:blank#elsewhere");
    ASSERT_TRUE(PumpUntil([&] { return LocationOf(dlg.m_wndHtml) == "about:blank#elsewhere"; }));

    Click(dlg, IDC_WEB_HOME);
    EXPECT_TRUE(PumpUntil([&] { return LocationOf(dlg.m_wndHtml) == "about:blank#site"; }));

    // the engine here keeps no history: a browser that notes the calls it gets
    std::unique_ptr<FakeObject, void (*)(FakeObject*)> fake(FakeBrowser_Create(),
                                                            &FakeObject_Release);
    {
        BrowserSwap swap(dlg.m_wndHtml, FakeBrowser_Interface(fake.get()));
        for (int nID : {IDC_WEB_BACK, IDC_WEB_FORWARD, IDC_WEB_STOP, IDC_WEB_REFRESH}) {
            Click(dlg, nID);
        }
    }
    EXPECT_STREQ(FakeObject_Calls(fake.get()), "BFSR");
}

TEST_F(WebPage, WithoutABrowserThePageKeepsItsToolbarAndNothingBreaks) {
    // control hosting off: the browser cannot be made
    CWebBrowserDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_WEBBROWSER, &m_parent));
    dlg.CreateBrowser();
    EXPECT_EQ(dlg.m_wndHtml.GetBrowser(), nullptr);
    dlg.SetWindowPos(nullptr, 0, 0, 380, 260, SWP_NOZORDER | SWP_SHOWWINDOW);
    dlg.m_wndHtml.m_strHomeUrl = "about:blank#site";
    for (int nID : kButtonIDs) Click(dlg, nID);
    BOOL bCancel = FALSE;
    dlg.m_wndHtml.OnNewWindow2(nullptr, &bCancel);
    EXPECT_TRUE(bCancel);
    dlg.SetFocus();
    PumpPending();
    EXPECT_TRUE(::IsWindow(dlg));
    EXPECT_EQ(dlg.m_nToolbarWidth, 300);
}

TEST_F(WebPage, TwoHundredPagesComeAndGoLeavingNoGdiObjectsOrWindowsBehind) {
    AfxEnableControlContainer();
    auto cycle = [&] {
        auto pDlg = std::make_unique<CWebBrowserDlg>();
        ASSERT_TRUE(pDlg->Create(IDD_WEBBROWSER, &m_parent));
        pDlg->SetWindowPos(nullptr, 0, 0, 380, 260, SWP_NOZORDER | SWP_SHOWWINDOW);
        pDlg->CreateBrowser();
        ::UpdateWindow(*pDlg);
        for (int nID : kButtonIDs) {  // the buttons make their tooltips on first use
            MSG msg = {::GetDlgItem(*pDlg, nID), WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
            CWnd::WalkPreTranslateTree(&msg);
        }
        PumpPending();
        pDlg->ShowWindow(SW_HIDE);
        pDlg->DestroyWindow();
    };
    cycle();  // what stays for the process (window classes, the engine) is made once
    PumpPending();
    const int nGdi = FreeGdiCapacity();
    const int nWindows = CountThreadWindows();
    for (int i = 0; i < 200; i++) cycle();
    PumpPending();
    EXPECT_EQ(FreeGdiCapacity(), nGdi);
    EXPECT_EQ(CountThreadWindows(), nWindows);
}

}  // namespace
