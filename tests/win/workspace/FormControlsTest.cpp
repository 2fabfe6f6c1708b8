// The workspace's hidden form controls and the commands they carry: what is bound
// to what, how the browser buttons look when drawn, the browser commands against
// the selected tab, and the screenshot command: one overlay at a time, the keyboard back.
#include <gtest/gtest.h>

#include <exdisp.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "Afx.h"
#include "AnyTabPage.h"
#include "BrowserSwap.h"
#include "ButtonColour.h"
#include "FakeObject.h"
#include "HostWindow.h"
#include "resource.h"
#include "ScreenPicture.h"
#include "TestSupport.h"
#include "WebBrowserDlg.h"
#include "WebBrowserPage.h"
#include "Workspace.h"

namespace {

class FormControls : public testing::Test {
protected:
    void SetUp() override {
        AfxEnableControlContainer();  // the web pages get their browsers
        CurrentDirectory cd(m_folder.Path());
        m_pView = new CWorkspace;
        m_pView->Create(&m_host, 0xE900);
        m_pView->SetAutoDelete();
        m_pView->OnInitialUpdate();
    }
    void TearDown() override { m_host.DestroyWindow(); }

    HWND Control(int nID) const { return ::GetDlgItem(m_pView->m_hWnd, nID); }

    CWebBrowserDlg* WebPage(int nTab) const {
        m_pView->m_wndTabs.SelectPage(nTab);
        return static_cast<CWebBrowserDlg*>(m_pView->m_wndTabs.GetSelectedPage()->m_pDlg);
    }
    void Command(int nID) { m_pView->SendMessage(WM_COMMAND, nID, 0); }

    // the button drawn pressed (which shows its hover colours) into a bitmap
    static ScreenPicture DrawPressed(CButtonST& button) {
        CRect rc;
        button.GetClientRect(&rc);
        HDC hScreen = ::GetDC(nullptr);
        HDC hDC = ::CreateCompatibleDC(hScreen);
        HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, rc.Width(), rc.Height());
        ::ReleaseDC(nullptr, hScreen);
        HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
        DRAWITEMSTRUCT dis = {ODT_BUTTON, 0,  0, ODA_DRAWENTIRE, ODS_SELECTED, button.m_hWnd,
                              hDC,        rc, 0};
        dis.CtlID = static_cast<UINT>(::GetDlgCtrlID(button.m_hWnd));
        button.DrawItem(&dis);
        ::SelectObject(hDC, hOld);
        ::DeleteDC(hDC);
        ScreenPicture picture = ScreenPicture::FromBitmap(hBitmap);
        ::DeleteObject(hBitmap);
        return picture;
    }
    static bool IsWhite(uint32_t rgb) {
        return ((rgb >> 16) & 0xFF) > 200 && ((rgb >> 8) & 0xFF) > 200 && (rgb & 0xFF) > 200;
    }
    static bool IsGreen(uint32_t rgb) {
        const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
        return g > r + 40 && g > b + 40;
    }
    // pixels below the icon (the caption's band) that are green
    static int GreenCaptionPixels(const ScreenPicture& picture) {
        int n = 0;
        for (int y = 37; y < picture.height; y++)
            for (int x = 0; x < picture.width; x++) n += IsGreen(picture.At(x, y));
        return n;
    }
    static uint32_t LightenedFace() {
        const COLORREF cr = LightenColour(::GetSysColor(COLOR_BTNFACE));
        return (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
    }

    ScratchFolder m_folder;
    FakeGameWindow m_game;  // the game page finds its game running
    HostWindow m_host{1000, 700};
    CWorkspace* m_pView = nullptr;
};

TEST_F(FormControls, TwentySixHiddenControlsTwentyFourBoundInTheirMembers) {
    const std::vector<std::pair<int, CWnd*>> bound = {
        {1004, &m_pView->m_wndCount},      {1005, &m_pView->m_wndHint},
        {1010, &m_pView->m_btnExpand},     {1011, &m_pView->m_btnPreview},
        {1022, &m_pView->m_wndLink},       {1001, &m_pView->m_btnConvert},
        {1006, &m_pView->m_btnRewrite},    {1023, &m_pView->m_wndLink2},
        {1027, &m_pView->m_wndDownloader}, {1019, &m_pView->m_btnBack},
        {1020, &m_pView->m_btnForward},    {1007, &m_pView->m_btnScreenshot},
        {1002, &m_pView->m_btnGo},         {1009, &m_pView->m_btnGallery},
        {1021, &m_pView->m_btnDropLink},   {1054, &m_pView->m_editSearch},
        {1012, &m_pView->m_btnDropGo},     {1055, &m_pView->m_btnSearch},
        {1008, &m_pView->m_btnFavourite},  {1024, &m_pView->m_btnStop},
        {1025, &m_pView->m_btnRefresh},    {1013, &m_pView->m_btnNote},
        {1034, &m_pView->m_btnSave},       {1014, &m_pView->m_btnDropExpand}};
    for (const auto& [nID, pMember] : bound) {
        ASSERT_NE(Control(nID), nullptr) << nID;
        EXPECT_FALSE(::IsWindowVisible(Control(nID))) << nID;
        EXPECT_EQ(CWnd::FromHandlePermanent(Control(nID)), pMember) << nID;
    }
    for (int nID : {1003, 1037}) {
        ASSERT_NE(Control(nID), nullptr) << nID;
        EXPECT_FALSE(::IsWindowVisible(Control(nID))) << nID;
        EXPECT_EQ(CWnd::FromHandlePermanent(Control(nID)), nullptr) << nID;
    }
    EXPECT_EQ(CWnd::FromHandlePermanent(Control(1031)), &m_pView->m_wndTabs);
    EXPECT_TRUE(::IsWindowVisible(Control(1031)));
    EXPECT_EQ(m_pView->m_wndDownloader.GetWindowText(), "\xCF\xC2\xD4\xD8");  // "下载"
}

TEST_F(FormControls, BackAndForwardShowTheirArrowsAboveGreenCaptionsOnALighterFace) {
    const ScreenPicture back = DrawPressed(m_pView->m_btnBack);
    const ScreenPicture forward = DrawPressed(m_pView->m_btnForward);
    ASSERT_GE(back.height, 40);
    // the icon, centred, 3 pixels from the top, shifted by (1, 1) while pressed
    const int left = (back.width - 32) / 2 + 1, top = 3 + 1;
    EXPECT_TRUE(IsWhite(back.At(left + 12, top + 11)));  // the head points left
    EXPECT_TRUE(IsGreen(back.At(left + 19, top + 11)));
    EXPECT_TRUE(IsGreen(forward.At(left + 12, top + 11)));
    EXPECT_TRUE(IsWhite(forward.At(left + 19, top + 11)));  // and right
    EXPECT_GT(GreenCaptionPixels(back), 5);
    EXPECT_GT(GreenCaptionPixels(forward), 5);
    EXPECT_EQ(back.At(2, back.height - 3), LightenedFace());

    // the convert and rewrite buttons: the lighter face, the usual caption colour
    for (CButtonST* pButton : {&m_pView->m_btnConvert, &m_pView->m_btnRewrite}) {
        const ScreenPicture picture = DrawPressed(*pButton);
        EXPECT_EQ(picture.At(2, 2), LightenedFace());
        EXPECT_EQ(GreenCaptionPixels(picture), 0);
    }
}

TEST_F(FormControls, BrowserCommandsReachOnlyTheSelectedWebPage) {
    // the forum page and a second web page, each with a browser that notes its calls
    std::unique_ptr<FakeObject, void (*)(FakeObject*)> fakes[2] = {
        {FakeBrowser_Create(), &FakeObject_Release}, {FakeBrowser_Create(), &FakeObject_Release}};
    (new CWebBrowserPage)->Create(m_pView, &m_pView->m_wndTabs);  // the strip owns it
    BrowserSwap forum(WebPage(0)->m_wndHtml, FakeBrowser_Interface(fakes[0].get()));
    BrowserSwap second(WebPage(3)->m_wndHtml, FakeBrowser_Interface(fakes[1].get()));

    m_pView->m_wndTabs.SelectPage(3);
    for (int nID : {IDC_WS_BACK, IDC_WS_FORWARD, IDC_WS_STOP, IDC_WS_REFRESH}) Command(nID);
    m_pView->m_wndTabs.SelectPage(0);
    for (int nID : {IDC_WS_REFRESH, IDC_WS_BACK}) Command(nID);
    for (int nTab : {1, 2}) {  // the play-game and the tools tab
        m_pView->m_wndTabs.SelectPage(nTab);
        for (int nID : {IDC_WS_BACK, IDC_WS_FORWARD, IDC_WS_STOP, IDC_WS_REFRESH}) Command(nID);
    }
    EXPECT_STREQ(FakeObject_Calls(fakes[0].get()), "RB");
    EXPECT_STREQ(FakeObject_Calls(fakes[1].get()), "BFSR");
}

TEST_F(FormControls, PasteAndTheOtherCommandsAreTakenAndChangeNothing) {
    m_pView->m_wndTabs.SelectPage(2);
    for (int nID :
         {32775, 1001, 1002, 1006, 1008, 1009, 1010, 1012, 1013, 1014, 1021, 1034, 1055}) {
        EXPECT_TRUE(m_pView->OnCmdMsg(nID, 0)) << nID;
    }
    EXPECT_TRUE(m_pView->OnCmdMsg(1003, EN_CHANGE));
    PumpPending();
    EXPECT_EQ(m_pView->m_wndTabs.GetSelectedIndex(), 2);
    EXPECT_TRUE(m_pView->m_wndTabs.GetSelectedPage()->m_pDlg->IsWindowVisible());
    for (int nID : {1001, 1006, 1019, 1020}) EXPECT_FALSE(::IsWindowVisible(Control(nID)));
}

// Closes a capture overlay of this thread with a right click on an empty selection,
// and counts it.
BOOL CALLBACK CloseIfOverlay(HWND hWnd, LPARAM lParam) {
    char name[16] = {};
    ::GetClassNameA(hWnd, name, sizeof(name));
    if (::IsWindowVisible(hWnd) && lstrcmpA(name, "#32770") == 0) {
        ++*reinterpret_cast<int*>(lParam);
        ::PostMessageA(hWnd, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    return TRUE;
}

HWND g_hCommandAgain = nullptr;  // gets the screenshot command from inside the open overlay
int g_nMostOverlays = 0;         // open at once

void CALLBACK CloseOverlay(HWND, UINT, UINT_PTR, DWORD) {
    if (g_hCommandAgain) {
        ::PostMessageA(std::exchange(g_hCommandAgain, nullptr), WM_COMMAND, ID_SCREENSHOT, 0);
        return;
    }
    int nOverlays = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CloseIfOverlay,
                        reinterpret_cast<LPARAM>(&nOverlays));
    g_nMostOverlays = std::max(g_nMostOverlays, nOverlays);
}

TEST_F(FormControls, AfterTheScreenshotTheSelectedPageHasTheKeyboardAndNoCommandOpensASecond) {
    g_hCommandAgain = m_pView->m_hWnd;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 200, &CloseOverlay);
    for (int nTab : {0, 1}) {  // a web page and the game page
        m_pView->m_wndTabs.SelectPage(nTab);
        CWnd* pPage = m_pView->m_wndTabs.GetSelectedPage()->m_pDlg;
        m_host.SetFocus();
        Command(ID_SCREENSHOT);
        const HWND hFocus = ::GetFocus();
        EXPECT_TRUE(hFocus == pPage->m_hWnd || ::IsChild(pPage->m_hWnd, hFocus)) << nTab;
    }
    ::KillTimer(nullptr, nTimer);
    EXPECT_EQ(g_nMostOverlays, 1);
}

}  // namespace
