// Bitmap and image buttons under a real pointer: what they draw and what clicks
// their parent gets.
#include <memory>

#include "ButtonST.h"
#include "CRect.h"
#include "ImageButton.h"
#include "ScreenPicture.h"
#include "SkinFiles.h"
#include "TestSupport.h"
#include "ControlHostTest.h"
#include "UserInput.h"

namespace {

const UINT kButtonID = 100;

// The parent counts the clicks that reach it.
class ClickCounter : public CWnd {
public:
    void OnClicked() { ++m_nClicks; }
    int m_nClicks = 0;

protected:
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ClickCounter, CWnd)
ON_BN_CLICKED(kButtonID, &ClickCounter::OnClicked)
END_MESSAGE_MAP()

class Buttons : public ControlHostTest {
protected:
    void SetUp() override {
        ControlHostTest::SetUp();
        HWND hParent = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0, 0,
                                         400, 300, m_parent, nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_counter.SubclassWindow(hParent));
        MouseMoveTo(50, 50);  // away from everything
        PumpPending();
    }
    void TearDown() override {
        m_counter.DestroyWindow();
        ControlHostTest::TearDown();
    }
    // What the button shows at (x, y) of its client area, once it has painted.
    static COLORREF Shown(CWnd& button, int x, int y) {
        return ScreenPicture::Repainted(button).Colour(x, y);
    }
    void Create(CButton& button, DWORD dwType, const RECT& rc) {
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | dwType, rc, &m_counter, kButtonID));
    }

    ClickCounter m_counter;
    ScratchFolder m_folder;
};

TEST_F(Buttons, AnImageButtonShowsTheCellOfItsStateAndNeverTheSecond) {
    m_folder.Write("strip.bmp", PictureFile(202, 24, StripColour));
    CImageButton button;
    LoadSkinPicture(CString((m_folder / "strip.bmp").c_str()), button.m_picture);
    button.m_nCellWidth = static_cast<int>(button.m_picture.nWidth / 4);
    button.m_nCellHeight = static_cast<int>(button.m_picture.nHeight);
    EXPECT_EQ(button.m_nCellWidth, 50);
    Create(button, BS_PUSHBUTTON, CRect(20, 20, 70, 44));
    auto shows = [&](int nCell) {
        return PumpUntil([&] {
            COLORREF cr = Shown(button, 25, 12);
            EXPECT_NE(cr, kCellColours[1]);
            return cr == kCellColours[nCell];
        });
    };
    EXPECT_TRUE(shows(0));
    POINT pt = CentreOf(button);
    MouseMoveTo(pt.x, pt.y);
    EXPECT_TRUE(shows(2));
    MouseMoveTo(50, 50);
    EXPECT_TRUE(shows(0));
    MouseMoveTo(pt.x, pt.y);
    MouseLeftDown();
    EXPECT_TRUE(shows(3));
    MouseLeftUp();
    EXPECT_TRUE(PumpUntil([&] { return m_counter.m_nClicks == 1; }));
    // a double click is two clicks
    MouseDoubleClick();
    EXPECT_TRUE(PumpUntil([&] { return m_counter.m_nClicks == 3; }));

    // a button of another size than the cell shows the cell scaled, nothing of its neighbours
    button.SetWindowPos(nullptr, 0, 0, 100, 48, SWP_NOMOVE | SWP_NOZORDER);
    MouseMoveTo(pt.x + 5, pt.y);
    EXPECT_TRUE(shows(2));
    for (int x : {2, 25, 50, 75, 97}) EXPECT_EQ(Shown(button, x, 24), kCellColours[2]) << x;
}

TEST_F(Buttons, TheBitmapButtonLightensUnderThePointer) {
    for (COLORREF cr : {RGB(240, 240, 240), RGB(212, 208, 200)}) {
        CButtonST button;
        Create(button, BS_PUSHBUTTON, CRect(20, 20, 120, 60));
        button.SetColour(CButtonST::ColourBackIn, cr);
        button.SetColour(CButtonST::ColourBackOut, RGB(0, 0, 0));
        button.LightenHoverColour();
        EXPECT_EQ(Shown(button, 10, 10), RGB(0, 0, 0));
        POINT pt = CentreOf(button);
        MouseMoveTo(pt.x, pt.y);
        COLORREF crLight = cr == RGB(240, 240, 240) ? RGB(255, 255, 255) : RGB(242, 238, 230);
        EXPECT_TRUE(PumpUntil([&] { return Shown(button, 10, 10) == crLight; }));
        MouseMoveTo(50, 50);
        EXPECT_TRUE(PumpUntil([&] { return Shown(button, 10, 10) == RGB(0, 0, 0); }));
    }
}

TEST_F(Buttons, ACheckBoxButtonTogglesOnEveryClickDoubleClicksIncluded) {
    CButtonST button;
    Create(button, BS_AUTOCHECKBOX, CRect(20, 20, 120, 60));
    POINT pt = CentreOf(button);
    MouseMoveTo(pt.x, pt.y);
    MouseLeftDown();
    MouseLeftUp();
    EXPECT_TRUE(PumpUntil([&] { return m_counter.m_nClicks == 1; }));
    EXPECT_EQ(::SendMessageA(button, BM_GETCHECK, 0, 0), 1);
    MouseDoubleClick();
    EXPECT_TRUE(PumpUntil([&] { return m_counter.m_nClicks == 3; }));
    EXPECT_EQ(::SendMessageA(button, BM_GETCHECK, 0, 0), 1);
    MouseLeftDown();
    MouseLeftUp();
    EXPECT_TRUE(PumpUntil([&] { return m_counter.m_nClicks == 4; }));
    EXPECT_EQ(::SendMessageA(button, BM_GETCHECK, 0, 0), 0);
}

TEST_F(Buttons, DisablingABitmapButtonMovesOnlyItsOwnFocus) {
    CButtonST first;
    CButton second;
    Create(first, BS_PUSHBUTTON | WS_TABSTOP, CRect(20, 20, 120, 60));
    ASSERT_TRUE(second.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                              CRect(20, 80, 120, 120), &m_counter, kButtonID + 1));
    CButton third;
    ASSERT_TRUE(third.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                             CRect(20, 140, 120, 180), &m_counter, kButtonID + 2));
    third.SetFocus();
    first.EnableWindow(FALSE);
    EXPECT_EQ(::GetFocus(), third.m_hWnd);  // focus elsewhere stays where it is
    first.EnableWindow(TRUE);
    first.SetFocus();
    first.EnableWindow(FALSE);
    EXPECT_EQ(::GetFocus(), second.m_hWnd);
}

}  // namespace

namespace {

// A 16 x 16 icon, all red where its mask lets it show.
HICON RedIcon() {
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HBITMAP hColour = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    for (int i = 0; i < 256; i++) static_cast<DWORD*>(pBits)[i] = 0x00FF0000;
    BYTE maskBits[32] = {};  // all shown
    HBITMAP hMask = ::CreateBitmap(16, 16, 1, 1, maskBits);
    ICONINFO info = {TRUE, 8, 8, hMask, hColour};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hColour);
    ::DeleteObject(hMask);
    return hIcon;
}

TEST_F(Buttons, AnIconShowsGreyAwayFromThePointerAndInColourUnderIt) {
    CButtonST button;
    Create(button, BS_PUSHBUTTON, CRect(20, 20, 120, 60));
    EXPECT_EQ(button.SetIcons(RedIcon(), CButtonST::kGreyIcon), 0u);
    // no caption: the icon is centred, at (42, 12) to (58, 28)
    EXPECT_EQ(Shown(button, 50, 20), RGB(76, 76, 76));
    POINT pt = CentreOf(button);
    MouseMoveTo(pt.x, pt.y);
    EXPECT_TRUE(PumpUntil([&] { return Shown(button, 50, 20) == RGB(255, 0, 0); }));
    // a refused icon and its partner stay the caller's, whichever was refused
    HICON hIcon = RedIcon(), hNot = reinterpret_cast<HICON>(1);
    EXPECT_EQ(button.SetIcons(hNot, hIcon), 1u);
    EXPECT_EQ(button.SetIcons(hIcon, hNot), 1u);
    EXPECT_TRUE(::DestroyIcon(hIcon)) << "the button destroyed it already";
}

}  // namespace
