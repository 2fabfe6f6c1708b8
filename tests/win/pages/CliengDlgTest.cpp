// The play-game page on a real window: starting the game, the loading animation
// and what the game hears when the page is shown or hidden.
#include <gtest/gtest.h>

#include "CRgn.h"
#include "CliengDlg.h"
#include "DialogCloser.h"
#include "GameLink.h"
#include "PageTestSupport.h"
#include "ScreenPicture.h"
#include "SkinPreload.h"
#include "TestSupport.h"

namespace {

const int kPageWidth = 300;
const int kPageHeight = 200;

COLORREF BackgroundColour(int x, int y) {
    return RGB(x & 0xFF, y & 0xFF, 77);
}
// every pixel of loading frame k
COLORREF FrameColour(int k) {
    return RGB(200, 10 * k + 5, 0);
}

// Counts the animation timer's ticks and the paints this thread takes from its queue.
class PageMessages {
public:
    PageMessages() {
        s_ticks = s_paints = 0;
        m_hHook = ::SetWindowsHookExA(WH_GETMESSAGE, &Watch, nullptr, ::GetCurrentThreadId());
    }
    ~PageMessages() { ::UnhookWindowsHookEx(m_hHook); }
    int Ticks() const { return s_ticks; }
    int Paints() const { return s_paints; }

private:
    static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (code == HC_ACTION && wParam == PM_REMOVE) {
            s_ticks += msg->message == WM_TIMER && msg->wParam == CCliengDlg::kAnimationTimer;
            s_paints += msg->message == WM_PAINT;
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static int s_ticks;
    static int s_paints;
    HHOOK m_hHook;
};
int PageMessages::s_ticks = 0;
int PageMessages::s_paints = 0;

class CliengPage : public testing::Test {
protected:
    void SetUp() override {
        g_hGameWnd = nullptr;
        g_bGamePageShown = 1;
        // a background larger than the page: centred 20 and 10 pixels outside it
        m_folder.Write("Platform\\PlayGameBackground.jpg",
                       PictureFile(kPageWidth + 40, kPageHeight + 20, BackgroundColour));
        m_folder.Write("Platform\\LoadingAni.png",
                       PictureFile(64 * 12, 64, [](int x, int) { return FrameColour(x / 64); }));
    }
    void TearDown() override { g_hGameWnd = nullptr; }

    // the page as the play-game tab creates it, sized as the tests want it
    void CreatePage(CCliengDlg& page) {
        ASSERT_TRUE(page.Create(150, &m_host));
        page.MoveWindow(CRect(0, 0, kPageWidth, kPageHeight));
    }

    // the loading frame drawn in the middle of the page, -1 if none
    static int FrameShown(CCliengDlg& page) {
        ErasedPixels pixels(page.m_hWnd, RGB(1, 2, 3));
        COLORREF c = pixels.At(kPageWidth / 2, kPageHeight / 2);
        for (int k = 0; k < 12; k++) {
            if (c == FrameColour(k)) return k;
        }
        return -1;
    }

    GdiplusSession m_gdiplus;
    ScratchFolder m_folder;
    CurrentDirectory m_current{m_folder.Path()};
    HostWindow m_host{400, 300};
};

TEST_F(CliengPage, AGameAlreadyRunningIsNotStartedAgainAndThePageStillAnimates) {
    FakeGameWindow game;  // and no Orbavel.exe: a start would fail with a message box
    DialogCloser closer;
    CCliengDlg page;
    EXPECT_EQ(g_pCliengDlg, &page);
    CreatePage(page);
    EXPECT_FALSE(page.IsWindowVisible());
    EXPECT_TRUE(page.LaunchDueGame());

    // the background is centred and clipped on both sides, the frame centred over it
    {
        ErasedPixels pixels(page.m_hWnd, RGB(1, 2, 3));
        EXPECT_EQ(pixels.At(0, 0), BackgroundColour(20, 10));
        EXPECT_EQ(pixels.At(kPageWidth - 1, kPageHeight - 1),
                  BackgroundColour(kPageWidth + 19, kPageHeight + 9));
        EXPECT_EQ(pixels.At((kPageWidth - 64) / 2, (kPageHeight - 64) / 2), FrameColour(0));
        EXPECT_EQ(pixels.At((kPageWidth - 64) / 2 - 1, kPageHeight / 2),
                  BackgroundColour((kPageWidth - 64) / 2 + 19, kPageHeight / 2 + 10));
    }
    // every 100 ms the next frame, and frame 0 after frame 11
    int last = FrameShown(page);
    bool wrapped = false;
    EXPECT_TRUE(PumpUntil(
        [&] {
            int now = FrameShown(page);
            if (now != last) {
                EXPECT_EQ(now, (last + 1) % 12);
                wrapped = wrapped || (last == 11 && now == 0);
                last = now;
            }
            return wrapped;
        },
        10000));
    EXPECT_FALSE(closer.Seen()) << closer.Texts();
}

TEST_F(CliengPage, ATickRepaintsOnlyTheFrameAndLeavesThePageAsAFullRepaintDrawsIt) {
    FakeGameWindow game;
    CCliengDlg page;
    CreatePage(page);
    page.KillTimer(CCliengDlg::kAnimationTimer);  // ticks sent here, one at a time
    // frame k: an opaque band that moves with k, transparent elsewhere
    auto* pStrip = new Gdiplus::Bitmap(64 * 12, 64, PixelFormat32bppARGB);
    for (int x = 0; x < 64 * 12; x++) {
        const bool bBand = x % 64 / 5 == x / 64;
        for (int y = 0; y < 64; y++) {
            pStrip->SetPixel(x, y, Gdiplus::Color(bBand ? 255 : 0, 9, 250, 9));
        }
    }
    page.m_picLoading.pImage.reset(pStrip);
    page.ShowWindow(SW_SHOW);
    ::UpdateWindow(page.m_hWnd);

    const CRect rcClient(0, 0, kPageWidth, kPageHeight);
    const CRect rcFrame((kPageWidth - 64) / 2, (kPageHeight - 64) / 2, (kPageWidth + 64) / 2,
                        (kPageHeight + 64) / 2);
    for (int tick = 0; tick < 5; tick++) {
        page.SendMessage(WM_TIMER, CCliengDlg::kAnimationTimer);
        CRgn update;
        update.CreateRectRgn(0, 0, 0, 0);
        ASSERT_EQ(::GetUpdateRgn(page.m_hWnd, update, FALSE), SIMPLEREGION);
        CRect rcUpdate;
        ::GetRgnBox(update, &rcUpdate);
        EXPECT_TRUE(::EqualRect(&rcUpdate, &rcFrame)) << rcUpdate.left << "," << rcUpdate.top;
        ::UpdateWindow(page.m_hWnd);
    }
    EXPECT_EQ(page.m_nFrame, 5);
    const ScreenPicture ticked = ScreenPicture::FromWindow(page.m_hWnd, rcClient);
    EXPECT_EQ(ticked.FirstDifference(ScreenPicture::Repainted(page.m_hWnd)), "");
}

TEST_F(CliengPage, ThePageDrawsTheBackgroundDecodedAheadOrDecodesItWhenThatFailed) {
    const std::vector<uint8_t> grey =
        PictureFile(kPageWidth, kPageHeight, [](int, int) { return RGB(5, 6, 7); });
    // the background the page shows when the file changed after the preload
    auto preloadThenWrite = [&](const std::vector<uint8_t>& bytes) {
        SkinPreload preload({kPlayGameBackgroundFile}, {});
        CBitmap none;
        SkinPreload::TakeBitmap("none", none);  // the worker has ended
        m_folder.Write("Platform\\PlayGameBackground.jpg", bytes);
        CCliengDlg page;
        CreatePage(page);
        return ErasedPixels(page.m_hWnd, RGB(1, 2, 3)).At(0, 0);
    };
    // the page keeps what the worker decoded, though the file changed since
    EXPECT_EQ(preloadThenWrite(grey), BackgroundColour(20, 10));
    // what the worker could not decode, the page decodes itself
    m_folder.Write("Platform\\PlayGameBackground.jpg", std::string("not a picture"));
    EXPECT_EQ(preloadThenWrite(grey), RGB(5, 6, 7));
}

TEST_F(CliengPage, AfterReadyThePageDrawsNothingAndItsFrameStays) {
    FakeGameWindow game;
    CCliengDlg page;
    CreatePage(page);
    ASSERT_TRUE(PumpUntil([&] { return page.m_nFrame == 2; }, 5000));
    page.m_bGameReady = TRUE;
    int frame = page.m_nFrame;

    ErasedPixels pixels(page.m_hWnd, RGB(1, 2, 3));
    EXPECT_EQ(pixels.At(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(pixels.At(kPageWidth / 2, kPageHeight / 2), RGB(1, 2, 3));
    // three ticks of the animation timer later: the same frame, nothing to repaint
    page.ShowWindow(SW_SHOW);
    ::UpdateWindow(page.m_hWnd);
    PumpPending();
    PageMessages messages;
    EXPECT_TRUE(PumpUntil([&] { return messages.Ticks() >= 3; }, 5000));
    EXPECT_EQ(page.m_nFrame, frame);
    EXPECT_EQ(messages.Paints(), 0);
}

TEST_F(CliengPage, ShowingAndHidingTellTheGameOnceItsWindowIsKnown) {
    FakeGameWindow game;
    {
        CCliengDlg page;
        CreatePage(page);
        page.ShowWindow(SW_SHOW);
        EXPECT_EQ(g_bGamePageShown, 1);
        page.ShowWindow(SW_HIDE);
        EXPECT_EQ(g_bGamePageShown, 0);
        EXPECT_TRUE(game.m_activations.empty());

        g_hGameWnd = game.Handle();
        page.ShowWindow(SW_SHOW);
        page.ShowWindow(SW_HIDE);
        EXPECT_EQ(game.m_activations, (std::vector<WPARAM>{1, 0}));
        EXPECT_EQ(g_bGamePageShown, 0);
    }
    EXPECT_EQ(g_pCliengDlg, nullptr);
}

TEST_F(CliengPage, AMissingGameShowsTheStartFailureAndThePageCarriesOn) {
    DialogCloser closer;
    CCliengDlg page;
    CreatePage(page);
    EXPECT_FALSE(closer.Seen()) << "started only when the launcher's window has painted";
    EXPECT_TRUE(page.LaunchDueGame());
    EXPECT_FALSE(page.LaunchDueGame()) << "once";
    EXPECT_TRUE(closer.Seen());
    // "游戏启动失败:文件名错误.(找不到Orbavel.exe文件)" in code page 936
    EXPECT_NE(closer.Texts().find("\xD3\xCE\xCF\xB7\xC6\xF4\xB6\xAF\xCA\xA7\xB0\xDC:"
                                  "\xCE\xC4\xBC\xFE\xC3\xFB\xB4\xED\xCE\xF3.("),
              std::string::npos)
        << closer.Texts();
    EXPECT_NE(closer.Texts().find("Orbavel.exe"), std::string::npos);
    EXPECT_TRUE(PumpUntil([&] { return page.m_nFrame != 0; }, 5000));
}

}  // namespace
