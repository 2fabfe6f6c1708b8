// The screen capture as a player uses it: the launcher beside the demo game, a
// known picture on the screen, the overlay opened by the screenshot command or the
// hotkey and driven with real mouse and keyboard input; the clipboard and the
// screen checked from outside.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "GdiplusSession.h"
#include "LauncherProcess.h"
#include "MessageBoxText.h"
#include "PatternWindow.h"
#include "ProcessWindow.h"
#include "ScreenPicture.h"
#include "TestSupport.h"
#include "UserInput.h"

namespace {

const UINT kScreenshotCommand = 1007;
const int kInfoBoxId = 1000;
const uint32_t kFrameColour = 0x0A6482;  // RGB(10, 100, 130)
const uint32_t kNoColour = 0xFFFFFFFF;
const char kMarker[] = "before the capture";

// help texts of the three states (parts of them, in UTF-8)
const char kNothingSelected[] = "按下鼠标左键不放选择截取";
const char kDrawing[] = "松开鼠标左键确定截取范围";
const char kAdjustable[] = "点击鼠标右键重新选择";

std::string Ansi(const char* utf8) {
    wchar_t wide[256] = {};
    ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 256);
    char ansi[512] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof(ansi), nullptr, nullptr);
    return ansi;
}

RECT ScreenRect() {
    return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

void PutMarkerOnClipboard() {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(kMarker));
    std::memcpy(::GlobalLock(hText), kMarker, sizeof(kMarker));
    ::GlobalUnlock(hText);
    ::SetClipboardData(CF_TEXT, hText);
    ::CloseClipboard();
}

bool ClipboardHoldsMarker() {
    if (!::OpenClipboard(nullptr)) return false;
    bool same = false;
    if (HANDLE hText = ::GetClipboardData(CF_TEXT)) {
        same = std::string(static_cast<const char*>(::GlobalLock(hText))) == kMarker;
        ::GlobalUnlock(hText);
    }
    bool bitmap = ::IsClipboardFormatAvailable(CF_BITMAP);
    ::CloseClipboard();
    return same && !bitmap;
}

ScreenPicture ClipboardPicture() {
    ScreenPicture picture;
    if (!::OpenClipboard(nullptr)) return picture;
    picture = ScreenPicture::FromBitmap(static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP)));
    ::CloseClipboard();
    return picture;
}

// Points the player's pictures folder elsewhere while it lives; then the system
// takes its default again.
struct PicturesFolder {
    explicit PicturesFolder(const std::string& path) {
        ::RegCreateKeyA(
            HKEY_CURRENT_USER,
            "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", &m_hKey);
        ::RegSetValueExA(m_hKey, "My Pictures", 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(path.c_str()), path.size() + 1);
    }
    ~PicturesFolder() {
        ::RegDeleteValueA(m_hKey, "My Pictures");
        ::RegCloseKey(m_hKey);
    }
    HKEY m_hKey = nullptr;
};

ScreenPicture PngPicture(const std::string& path) {
    GdiplusSession gdiplus;
    HBITMAP hBitmap = nullptr;
    Gdiplus::Bitmap(std::wstring(path.begin(), path.end()).c_str()).GetHBITMAP({}, &hBitmap);
    ScreenPicture picture = ScreenPicture::FromBitmap(hBitmap);
    ::DeleteObject(hBitmap);
    return picture;
}

class Capture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.Copy(WinePath(SKYLARK_EXE), "Skylark.exe"));
        ASSERT_TRUE(m_folder.Copy(WinePath(ORBAVEL_EXE), "Orbavel.exe"));
        m_launcher.reset(new LauncherProcess(m_folder.Path()));
        m_hFrame = m_launcher->WaitForWindow();
        ASSERT_NE(m_hFrame, nullptr);
        // the frame on the screen (not the black of the bare display) before the picture
        // goes over it: a frame that appeared later could come out on top
        RECT rc;
        ::GetWindowRect(m_hFrame, &rc);
        const int cx = (rc.left + rc.right) / 2, cy = (rc.top + rc.bottom) / 2;
        ASSERT_TRUE(PumpUntil([&] {
            return ScreenPicture::FromScreen({cx, cy, cx + 1, cy + 1}).At(0, 0) != 0;
        }));
        // Out of the way, but for a corner under the overlay's info box: brought to the
        // front, Wine may show it over the topmost picture.
        ::SetWindowPos(m_hFrame, nullptr, 60 - rc.right + rc.left, 60 - rc.bottom + rc.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_pattern.reset(new PatternWindow(ScreenRect(), 1));
        ::SetForegroundWindow(m_pattern->Handle());
        ASSERT_TRUE(WaitForScreenPixel(200, 300, PatternWindow::Colour(200, 300, 1)));
        PutMarkerOnClipboard();
    }

    bool WaitForScreenPixel(int x, int y, uint32_t colour) {
        return PumpUntil(
            [&] {
                return ScreenPicture::FromScreen({x, y, x + 1, y + 1}).At(0, 0) == colour;
            },
            10000);
    }

    // the overlay once it covers the screen and shows its first help text
    HWND WaitForOverlay() {
        HWND hOverlay = nullptr;
        RECT screen = ScreenRect();
        PumpUntil([&] {
            hOverlay = FindProcessWindow(m_launcher->Id(), "#32770");
            RECT rc = {};
            if (hOverlay) ::GetWindowRect(hOverlay, &rc);
            return hOverlay && ::IsWindowVisible(hOverlay) && ::EqualRect(&rc, &screen);
        });
        if (hOverlay && !WaitForHelp(hOverlay, kNothingSelected)) return nullptr;
        return hOverlay;
    }

    HWND OpenByCommand() {
        ::PostMessageA(m_hFrame, WM_COMMAND, kScreenshotCommand, 0);
        return WaitForOverlay();
    }

    // Brings the launcher to the front and presses Ctrl+Alt+A until the overlay
    // opens: the launcher takes the keys once it has heard that it is in front. Wine
    // now and then tells the switch to another thread only, so each try is a new one.
    HWND OpenByKeys() {
        for (int i = 0; i < 30; i++) {
            if (i > 0) BringToFront(m_pattern->Handle());
            BringToFront(m_hFrame);
            PressKeys({VK_CONTROL, VK_MENU, 'A'});
            if (PumpUntil([&] { return FindProcessWindow(m_launcher->Id(), "#32770"); }, 500)) {
                return WaitForOverlay();
            }
        }
        return nullptr;
    }

    // Asks again while the window is not in front: Wine gives the front to the desktop
    // when a window's focus-out of a switch just before arrives after the next switch.
    static bool BringToFront(HWND hWnd) {
        return PumpUntil(
            [&] { return ::SetForegroundWindow(hWnd) && ::GetForegroundWindow() == hWnd; });
    }

    static std::string HelpText(HWND hOverlay) {
        char text[1024] = {};
        DWORD_PTR n = 0;
        ::SendMessageTimeoutA(::GetDlgItem(hOverlay, kInfoBoxId), WM_GETTEXT, sizeof(text),
                              reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &n);
        return text;
    }

    static bool WaitForHelp(HWND hOverlay, const char* utf8) {
        const std::string part = Ansi(utf8);
        return PumpUntil([&] { return HelpText(hOverlay).find(part) != std::string::npos; });
    }

    // draws a selection from a press to a release and waits until it can be adjusted
    static bool Select(HWND hOverlay, POINT from, POINT to) {
        MouseLeftDown(from.x, from.y);
        MouseMoveTo((from.x + to.x) / 2, (from.y + to.y) / 2);
        MouseMoveTo(to.x, to.y);
        if (!WaitForHelp(hOverlay, kDrawing)) return false;
        MouseLeftUp(to.x, to.y);
        return WaitForHelp(hOverlay, kAdjustable);
    }

    // Points there and waits for the overlay's colour readout of the colour expected
    // there: the overlay has then handled all input before.
    static bool PointAt(HWND hOverlay, int x, int y, uint32_t colour) {
        MouseMoveTo(x, y);
        char value[40];
        std::snprintf(value, sizeof(value), "(%u,%u,%u)\r\n", colour >> 16, (colour >> 8) & 0xFF,
                      colour & 0xFF);
        const std::string line = "\r\n\r\n\r\n" + Ansi(" ·当前像素RGB ") + value;
        return PumpUntil([&] { return HelpText(hOverlay).rfind(line, 0) == 0; });
    }

    // a double-click on the frozen picture (or, with a colour, on what is drawn over it)
    static void DoubleClickAt(HWND hOverlay, int x, int y, uint32_t colour = kNoColour) {
        EXPECT_TRUE(
            PointAt(hOverlay, x, y, colour == kNoColour ? PatternWindow::Colour(x, y, 1) : colour))
            << x << "," << y << HelpText(hOverlay);
        MouseDoubleClick(x, y);
    }

    // the clipboard's picture once the overlay has closed
    ScreenPicture CopiedPicture(HWND hOverlay) {
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hOverlay); })) << "the overlay stays";
        return ClipboardPicture();
    }

    ScratchFolder m_folder;
    std::unique_ptr<LauncherProcess> m_launcher;
    std::unique_ptr<PatternWindow> m_pattern;
    HWND m_hFrame = nullptr;
};

TEST_F(Capture, TheCommandCopiesTheFrozenSelectionNotWhatTheScreenShowsLater) {
    const ScreenPicture frozen = ScreenPicture::FromScreen(ScreenRect());
    HWND hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    EXPECT_TRUE(ClipboardHoldsMarker()) << "opening leaves the clipboard alone";

    ASSERT_TRUE(Select(hOverlay, {300, 250}, {600, 450}));
    // the frame lies one pixel outside the selection, whose corner is 4 pixels off the press
    EXPECT_TRUE(WaitForScreenPixel(303, 350, kFrameColour));
    EXPECT_TRUE(WaitForScreenPixel(450, 450, kFrameColour));

    // something else appears over the selection after the overlay opened
    PatternWindow later({320, 270, 500, 400}, 2);
    later.RaiseWithoutActivating();
    ASSERT_TRUE(WaitForScreenPixel(330, 280, PatternWindow::Colour(330, 280, 2)));

    DoubleClickAt(hOverlay, 550, 420);
    ScreenPicture copy = CopiedPicture(hOverlay);
    EXPECT_EQ(copy.FirstDifference(frozen.Crop({304, 254, 600, 450})), "");
    EXPECT_TRUE(m_launcher->Running());
}

bool TakeKeys() {
    return ::RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'A') != FALSE;
}

// The pattern window stands for another program: this test's.
TEST_F(Capture, TheHotkeyIsHeldOnlyWhileTheLauncherIsInFrontAndOpensTheCaptureThere) {
    const ScreenPicture frozen = ScreenPicture::FromScreen(ScreenRect());
    HWND hOverlay = OpenByKeys();
    ASSERT_NE(hOverlay, nullptr) << "in front: held";
    EXPECT_FALSE(TakeKeys());
    // closed as Esc closes it, without depending on which thread Wine gives the keys to
    ::PostMessageA(hOverlay, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hOverlay); }));

    ASSERT_TRUE(BringToFront(m_pattern->Handle()));
    ASSERT_TRUE(PumpUntil(TakeKeys)) << "another program in front: free for it";
    // the launcher in front again finds the keys taken: it goes on without them, silently
    ASSERT_TRUE(BringToFront(m_hFrame));
    PressKeys({VK_CONTROL, VK_MENU, 'A'});
    MSG msg;
    EXPECT_TRUE(PumpUntil([&] {
        return ::PeekMessageA(&msg, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE);
    })) << "the keys stay with the program that holds them";
    EXPECT_EQ(FindProcessWindow(m_launcher->Id(), "#32770"), nullptr);

    ASSERT_TRUE(BringToFront(m_pattern->Handle()));
    ::UnregisterHotKey(nullptr, 1);
    hOverlay = OpenByKeys();
    ASSERT_NE(hOverlay, nullptr) << "back in front: held again";

    // a selection drawn up and left is copied normalised: the fixed corner is 4 pixels
    // right of and below the press point
    ASSERT_TRUE(Select(hOverlay, {600, 450}, {300, 250}));
    DoubleClickAt(hOverlay, 450, 350);
    ScreenPicture copy = CopiedPicture(hOverlay);
    EXPECT_EQ(copy.FirstDifference(frozen.Crop({300, 250, 604, 454})), "");
    EXPECT_TRUE(m_launcher->Running());
}

TEST_F(Capture, ASelectionMovedPartlyOffTheScreenIsCopiedClamped) {
    const RECT screen = ScreenRect();
    const ScreenPicture frozen = ScreenPicture::FromScreen(screen);
    HWND hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    const int right = screen.right - 70, bottom = screen.bottom - 100;
    ASSERT_TRUE(Select(hOverlay, {right - 250, bottom - 150}, {right, bottom}));

    // move it by its middle to the right edge of the screen
    const int pressX = right - 240, moveBy = screen.right - 1 - pressX;
    MouseDrag({pressX, bottom - 60},
              {{pressX + moveBy / 2, bottom - 60}, {pressX + moveBy, bottom - 60}});
    const int newLeft = right - 246 + moveBy;
    ASSERT_TRUE(WaitForScreenPixel(newLeft - 1, bottom - 30, kFrameColour));

    DoubleClickAt(hOverlay, screen.right - 2, bottom - 60);
    ScreenPicture copy = CopiedPicture(hOverlay);
    EXPECT_EQ(copy.FirstDifference(frozen.Crop({newLeft, bottom - 146, screen.right, bottom})), "");
}

TEST_F(Capture, RightClickAndEscClearASelectionAndCloseWithoutOneLeavingTheClipboardAlone) {
    HWND hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    ASSERT_TRUE(Select(hOverlay, {300, 300}, {500, 450}));
    // a double-click on a handle does not finish the capture
    DoubleClickAt(hOverlay, 501, 451, kFrameColour);
    MouseRightClick(600, 600);
    ASSERT_TRUE(WaitForHelp(hOverlay, kNothingSelected)) << "the right click starts over";
    EXPECT_TRUE(::IsWindow(hOverlay));

    ASSERT_TRUE(Select(hOverlay, {300, 300}, {500, 450}));
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitForHelp(hOverlay, kNothingSelected)) << "Esc starts over";
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hOverlay); })) << "Esc closes";
    EXPECT_TRUE(ClipboardHoldsMarker());

    hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    MouseRightClick(600, 600);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hOverlay); })) << "the right click closes";
    EXPECT_TRUE(ClipboardHoldsMarker());
    EXPECT_TRUE(m_launcher->Running());
}

TEST_F(Capture, ARightClickWhileDrawingLeavesNoHiddenSelectionBehind) {
    HWND hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    MouseLeftDown(300, 300);
    MouseMoveTo(400, 400);
    ASSERT_TRUE(WaitForHelp(hOverlay, kDrawing));
    MouseRightClick(400, 400);
    MouseMoveTo(500, 450);
    MouseLeftUp(500, 450);
    ASSERT_TRUE(WaitForHelp(hOverlay, kNothingSelected));
    // Where the rectangle would have gone: the press starts a new, tiny selection, and
    // the double-click lands on its handle; nothing hidden is copied.
    DoubleClickAt(hOverlay, 420, 420);
    ASSERT_TRUE(WaitForHelp(hOverlay, kAdjustable));
    EXPECT_TRUE(::IsWindow(hOverlay));
    EXPECT_TRUE(ClipboardHoldsMarker());
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitForHelp(hOverlay, kNothingSelected));
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hOverlay); }));
    EXPECT_TRUE(ClipboardHoldsMarker());
}

TEST_F(Capture, TheInfoBoxReadsThePixelUnderThePointerAndJumpsAwayFromIt) {
    HWND hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    HWND hBox = ::GetDlgItem(hOverlay, kInfoBoxId);
    auto boxLeft = [&] {
        RECT rc = {};
        ::GetWindowRect(hBox, &rc);
        return rc.left;
    };
    // the colour line follows the pointer, the label and the help text stay
    for (POINT p : {POINT{600, 500}, POINT{633, 530}, POINT{700, 301}}) {
        EXPECT_TRUE(PointAt(hOverlay, p.x, p.y, PatternWindow::Colour(p.x, p.y, 1)))
            << HelpText(hOverlay);
        EXPECT_NE(HelpText(hOverlay).find(Ansi(kNothingSelected)), std::string::npos);
    }
    const int right = ScreenRect().right - 180;
    ASSERT_EQ(boxLeft(), 10);
    MouseMoveTo(40, 40);
    EXPECT_TRUE(PumpUntil([&] { return boxLeft() == right; }));
    MouseMoveTo(right + 30, 40);
    EXPECT_TRUE(PumpUntil([&] { return boxLeft() == 10; }));
    // also while the tracker moves a selection and holds the mouse: the overlay tells the box
    ASSERT_TRUE(Select(hOverlay, {300, 300}, {500, 450}));
    MouseLeftDown(400, 400);
    MouseMoveTo(40, 40);
    EXPECT_TRUE(PumpUntil([&] { return boxLeft() == right; }));
    MouseLeftUp(40, 40);
}

TEST_F(Capture, CtrlSSavesTheSelectionAsAPngInTheGamesPicturesFolderAndTellsWhenItCannot) {
    const ScreenPicture frozen = ScreenPicture::FromScreen(ScreenRect());
    ScratchFolder pictures("skylark-pictures");
    PicturesFolder redirect(pictures.Path());
    const std::string folder = pictures / "Orbavel";
    pictures.Write("Orbavel", "a file where the folder would go");
    HWND hOverlay = OpenByCommand();
    ASSERT_NE(hOverlay, nullptr);
    PressKeys({VK_CONTROL, 'S'});  // without a selection: nothing
    ASSERT_TRUE(Select(hOverlay, {300, 250}, {600, 450}));
    PressKeys({VK_CONTROL, 'S'});
    HWND hBox = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        hBox = FindProcessWindow(m_launcher->Id(), "#32770");
        return hBox && ::GetWindow(hBox, GW_OWNER) == hOverlay;
    }));
    // the box's text once it is set
    std::string text;
    EXPECT_TRUE(PumpUntil([&] {
        text = MessageBoxText(hBox);
        return text.find(folder) != std::string::npos;
    })) << text;
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hBox); }));
    EXPECT_TRUE(::IsWindow(hOverlay)) << "the overlay stays";

    ::DeleteFileA(folder.c_str());
    PressKeys({VK_CONTROL, 'S'});
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(hOverlay); }));
    EXPECT_TRUE(ClipboardHoldsMarker());
    WIN32_FIND_DATAA found;  // the name's date and time: a unit test's
    HANDLE hFound = ::FindFirstFileA((folder + "\\Orbavel *.png").c_str(), &found);
    ASSERT_NE(hFound, INVALID_HANDLE_VALUE);
    ::FindClose(hFound);
    // the pixels the double-click puts on the clipboard (the first test)
    const ScreenPicture saved = PngPicture(folder + "\\" + found.cFileName);
    EXPECT_EQ(saved.FirstDifference(frozen.Crop({304, 254, 600, 450})), "");
}

}  // namespace
