// The workspace's tab strip on real windows: where its tabs are, what a click
// selects, what it paints, and what it gives back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "Afx.h"
#include "GdiplusSession.h"
#include "HostWindow.h"
#include "PageTab.h"
#include "PictureFile.h"
#include "ScreenPicture.h"
#include "TestPage.h"
#include "TestSupport.h"
#include "WorkingPath.h"

namespace {

const COLORREF kBackground = RGB(10, 20, 30);
const COLORREF kNormalFace = RGB(40, 50, 60);
const COLORREF kActiveFace = RGB(70, 80, 90);
const COLORREF kPictureSelected = RGB(200, 0, 0);
const COLORREF kPictureNormal = RGB(0, 0, 200);
const RECT kStripRect = {0, 0, 1000, 40};
const RECT kPageRect = {0, 40, 1000, 300};

// A picture file, its left half one colour and its right half another.
std::vector<uint8_t> TwoColourBmp(int width, int height, COLORREF left, COLORREF right) {
    return PictureFile(width, height, [=](int x, int) { return x < width / 2 ? left : right; });
}

class TabStrip : public testing::Test {
protected:
    void SetUp() override {
        m_folder.Write("Platform\\NormalHead.bmp", TwoColourBmp(120, 40, kNormalFace, kNormalFace));
        m_folder.Write("Platform\\ActiveHead.bmp", TwoColourBmp(120, 40, kActiveFace, kActiveFace));
        m_folder.Write("Platform\\WorkspaceHead.bmp",
                       TwoColourBmp(1000, 40, kBackground, kBackground));
        m_folder.Write("Platform\\Tab.bmp",
                       TwoColourBmp(240, 40, kPictureSelected, kPictureNormal));
        lstrcpynA(g_szWorkingDirectory, m_folder.Path().c_str(), sizeof(g_szWorkingDirectory));
        m_pStrip = std::make_unique<CPageTab>();

        HWND hStatic =
            ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 1000, 40, m_host,
                              reinterpret_cast<HMENU>(1031), ::GetModuleHandleA(nullptr), nullptr);
        m_pStrip->SubclassWindow(hStatic);
    }

    void TearDown() override {
        m_pStrip->RemoveAllPages();
        m_pStrip.reset();
        m_host.DestroyWindow();
        g_szWorkingDirectory[0] = 0;
    }

    CTestPage* AddPage(const char* pszCaption = "") {
        auto* pPage = new CTestPage;
        pPage->Create(&m_host, m_pStrip.get());
        pPage->m_strCaption = pszCaption;
        m_pStrip->MoveStripAndPages(kStripRect, kPageRect);
        return pPage;
    }

    CRect Face(int index) {
        CRect rc;
        m_pStrip->GetTabRect(&rc, index);
        return rc;
    }

    void Click(int x, int y) {
        m_pStrip->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        m_pStrip->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

    // what the strip shows in rc once it has painted, as 0x00RRGGBB values row by row
    std::vector<uint32_t> Capture(const RECT& rc) {
        return ScreenPicture::Repainted(*m_pStrip).Crop(rc).pixels;
    }
    COLORREF PixelAt(int x, int y) { return ScreenPicture::Repainted(*m_pStrip).Colour(x, y); }

    static bool Visible(const CTestPage* pPage) { return ::IsWindowVisible(*pPage->m_pDlg); }

    bool RepaintPending() {
        RECT rc;
        return ::GetUpdateRect(*m_pStrip, &rc, FALSE);
    }

    ScratchFolder m_folder;
    GdiplusSession m_gdiplus;  // draws the tab pictures
    HostWindow m_host{1000, 300};
    std::unique_ptr<CPageTab> m_pStrip;
};

TEST_F(TabStrip, FourTabsIn1000PixelsSitCentredAndAClickShowsOnlyThatPage) {
    std::vector<CTestPage*> pages;
    for (int i = 0; i < 4; i++) pages.push_back(AddPage());
    const RECT expected[] = {
        {261, 0, 380, 40}, {381, 0, 500, 40}, {501, 0, 620, 40}, {621, 0, 740, 40}};
    for (int i = 0; i < 4; i++) {
        const CRect face = Face(i);
        EXPECT_TRUE(::EqualRect(&face, &expected[i])) << i;
    }

    Click(300, 20);
    EXPECT_EQ(m_pStrip->GetSelectedIndex(), 0);
    EXPECT_TRUE(Visible(pages[0]));
    for (int i = 1; i < 4; i++) EXPECT_FALSE(Visible(pages[i])) << i;
    EXPECT_EQ(pages[0]->m_shows.back(), SW_SHOW);
    EXPECT_EQ(pages[3]->m_shows.back(), SW_HIDE);

    // the selected tab, the gap between two tabs and the space beside the row
    std::vector<size_t> before;
    for (CTestPage* pPage : pages) before.push_back(pPage->m_shows.size());
    Click(379, 39);
    Click(380, 20);
    Click(100, 20);
    EXPECT_EQ(m_pStrip->GetSelectedIndex(), 0);
    for (int i = 0; i < 4; i++) EXPECT_EQ(pages[i]->m_shows.size(), before[i]) << i;
    EXPECT_TRUE(Visible(pages[0]));

    Click(739, 0);
    EXPECT_EQ(m_pStrip->GetSelectedIndex(), 3);
    EXPECT_FALSE(Visible(pages[0]));
    EXPECT_TRUE(Visible(pages[3]));
}

TEST_F(TabStrip, EachNewPageSelectsItselfAndBadIndexesChangeNothing) {
    CTestPage* pages[] = {AddPage(), AddPage(), AddPage()};
    EXPECT_EQ(m_pStrip->GetSelectedPage(), pages[2]);
    EXPECT_FALSE(Visible(pages[0]));
    EXPECT_FALSE(Visible(pages[1]));
    EXPECT_TRUE(Visible(pages[2]));
    EXPECT_EQ(::GetFocus(), *pages[2]->m_pDlg);

    EXPECT_FALSE(m_pStrip->SelectPage(3));
    EXPECT_FALSE(m_pStrip->SelectPage(-1));
    EXPECT_FALSE(m_pStrip->SelectPage(-2));
    EXPECT_EQ(m_pStrip->GetSelectedIndex(), 2);
    EXPECT_TRUE(Visible(pages[2]));
    EXPECT_EQ(m_pStrip->AddPage(pages[1]), -1);
    EXPECT_EQ(m_pStrip->GetPageCount(), 3);
    EXPECT_EQ(m_pStrip->FindPageByWindow(pages[1]->m_pDlg), 1);
    EXPECT_EQ(m_pStrip->FindPageByWindow(&m_host), -1);

    // a command to the strip selects the tab its id names
    m_pStrip->SendMessage(WM_COMMAND, 1, 0);
    EXPECT_EQ(m_pStrip->GetSelectedIndex(), 1);
    EXPECT_TRUE(Visible(pages[1]));
    EXPECT_FALSE(Visible(pages[2]));
}

TEST_F(TabStrip, RemovingAllPagesDeletesEveryPageAndDialogEvenWithoutADialog) {
    const int nLiveBefore = CTestPage::s_nLive;
    const int nDestroyedBefore = CTestPageDlg::s_nDestroyed;
    CTestPage* pFirst = AddPage();
    AddPage();
    auto* pBare = new CTestPage;  // no dialog: never created
    EXPECT_EQ(m_pStrip->AddPage(pBare), 2);
    const HWND hFirstDlg = *pFirst->m_pDlg;
    ASSERT_TRUE(::IsWindow(hFirstDlg));
    EXPECT_EQ(CTestPage::s_nLive, nLiveBefore + 3);

    m_pStrip->RemoveAllPages();
    EXPECT_EQ(CTestPage::s_nLive, nLiveBefore);
    EXPECT_FALSE(::IsWindow(hFirstDlg));
    // each dialog's window ended while the dialog object still handled it
    EXPECT_EQ(CTestPageDlg::s_nDestroyed, nDestroyedBefore + 2);
    EXPECT_EQ(m_pStrip->GetPageCount(), 0);
    EXPECT_EQ(m_pStrip->GetSelectedPage(), nullptr);
    EXPECT_EQ(m_pStrip->HitTestTab(CPoint(500, 20)), -1);
}

TEST_F(TabStrip, PaintsTheBackgroundTheSkinFacesAndTheTwoFramePictures) {
    AddPage();
    CTestPage* pPictured = AddPage();
    LoadSkinPicture(m_folder / "Platform\\Tab.bmp", pPictured->m_picture);
    AddPage();
    m_pStrip->SelectPage(0);
    EXPECT_EQ(PixelAt(10, 10), kBackground);
    EXPECT_EQ(PixelAt(Face(0).left + 5, 5), kActiveFace);
    EXPECT_EQ(PixelAt(Face(2).left + 5, 5), kNormalFace);
    EXPECT_EQ(PixelAt(Face(1).left + 60, 20), kPictureNormal);
    m_pStrip->SelectPage(1);
    EXPECT_EQ(PixelAt(Face(0).left + 5, 5), kNormalFace);
    EXPECT_EQ(PixelAt(Face(1).left + 60, 20), kPictureSelected);
}

TEST_F(TabStrip, CaptionsAreShortenedToTheirBudgetWithoutCuttingACharacter) {
    CTestPage* pPage = AddPage();
    // a 120-pixel tab leaves 65 pixels: six bytes
    ASSERT_EQ(Face(0).Width(), 119);
    const CRect rcText(Face(0).left + 20, 0, Face(0).right, 40);
    auto drawn = [&](const char* pszUtf8) {
        pPage->m_strCaption = AfxAnsiFromUtf8(pszUtf8);
        return Capture(rcText);
    };
    const std::vector<uint32_t> blank = drawn("");
    const std::vector<uint32_t> shortened = drawn("进行...");
    EXPECT_NE(shortened, blank);
    EXPECT_EQ(drawn("进行游戏"), shortened);
    // six bytes fit whole: no dots, and the third character is drawn
    const std::vector<uint32_t> whole = drawn("进行游");
    EXPECT_NE(whole, shortened);
    EXPECT_NE(whole, drawn("进行戏"));
    // distinct characters draw distinctly: the font has the glyphs
    EXPECT_NE(drawn("行进..."), shortened);
    // a caption whose trail bytes are below 0x80 is not cut inside a character
    EXPECT_EQ(drawn("丂丂丂丂"), drawn("丂丂..."));
    // captions are drawn in light grey
    const std::vector<uint32_t> ascii = drawn("Tools");
    EXPECT_NE(std::find(ascii.begin(), ascii.end(), 0xCCCCCCu), ascii.end());
}

TEST_F(TabStrip, TheMouseRepaintsOnlyWhenTheTabUnderItChanges) {
    AddPage();
    AddPage();
    auto move = [&](int x, int y) {
        ::ValidateRect(*m_pStrip, nullptr);
        m_pStrip->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        return RepaintPending();
    };
    const int x0 = Face(0).left + 10, x1 = Face(1).left + 10;
    EXPECT_TRUE(move(x0, 10));
    EXPECT_FALSE(move(x0 + 20, 30));
    EXPECT_TRUE(move(x1, 10));
    EXPECT_TRUE(move(5, 10));  // off every tab
    EXPECT_FALSE(move(6, 10));
    EXPECT_TRUE(move(x1, 10));
    ::ValidateRect(*m_pStrip, nullptr);
    m_pStrip->SendMessage(WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(RepaintPending());
    ::ValidateRect(*m_pStrip, nullptr);
    m_pStrip->SendMessage(WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(RepaintPending());
}

TEST_F(TabStrip, AThousandSwitchesLeaveGdiObjectsAndWindowsWhereTheyWere) {
    for (int i = 0; i < 4; i++) AddPage("Tools");
    LoadSkinPicture(m_folder / "Platform\\Tab.bmp", m_pStrip->GetSelectedPage()->m_picture);
    auto switchTabs = [&](int count) {
        for (int i = 0; i < count; i++) {
            m_pStrip->SelectPage(i % 4);
            ::UpdateWindow(*m_pStrip);
        }
        PumpPending();
    };
    switchTabs(8);  // whatever is made once and kept is made now
    const int nFreeGdi = FreeGdiCapacity();
    const int nWindows = CountThreadWindows();
    switchTabs(1000);
    EXPECT_EQ(FreeGdiCapacity(), nFreeGdi);
    EXPECT_EQ(CountThreadWindows(), nWindows);
}

}  // namespace
