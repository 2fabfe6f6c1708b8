#include "CaptureFixture.h"

#include <cstdio>

#include "ClipboardText.h"
#include "GdiplusSession.h"
#include "ProcessWindow.h"
#include "UserInput.h"

namespace {

const char kMarker[] = "before the capture";
const UINT kScreenshotCommand = 1007;

}  // namespace

std::string Ansi(const char* utf8) {
    wchar_t wide[256] = {};
    ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 256);
    char ansi[512] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof(ansi), nullptr, nullptr);
    return ansi;
}

RECT ScreenRect() {
    const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN), y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {x, y, x + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
            y + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

bool ClipboardHoldsMarker() {
    return ClipboardText() == kMarker && !::IsClipboardFormatAvailable(CF_BITMAP);
}

PicturesFolder::PicturesFolder(const std::wstring& path) {
    ::RegCreateKeyW(HKEY_CURRENT_USER,
                    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                    &m_hKey);
    ::RegSetValueExW(m_hKey, L"My Pictures", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                     static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
}

PicturesFolder::~PicturesFolder() {
    ::RegDeleteValueA(m_hKey, "My Pictures");
    ::RegCloseKey(m_hKey);
}

ScreenPicture SavedPicture(const std::wstring& folder) {
    WIN32_FIND_DATAW found;  // the name's date and time: a unit test's
    HANDLE hFound = ::FindFirstFileW((folder + L"\\Orbavel *.png").c_str(), &found);
    if (hFound == INVALID_HANDLE_VALUE) return {};
    ::FindClose(hFound);
    GdiplusSession gdiplus;
    HBITMAP hBitmap = nullptr;
    Gdiplus::Bitmap((folder + L"\\" + found.cFileName).c_str()).GetHBITMAP({}, &hBitmap);
    ScreenPicture picture = ScreenPicture::FromBitmap(hBitmap);
    ::DeleteObject(hBitmap);
    return picture;
}

void CaptureFixture::SetUp() {
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
    ASSERT_TRUE(PutTextOnClipboard(kMarker));
}

bool CaptureFixture::WaitForScreenPixel(int x, int y, uint32_t colour) {
    return PumpUntil(
        [&] {
            return ScreenPicture::FromScreen({x, y, x + 1, y + 1}).At(0, 0) == colour;
        },
        10000);
}

HWND CaptureFixture::WaitForOverlay() {
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

HWND CaptureFixture::OpenByCommand() {
    ::PostMessageA(m_hFrame, WM_COMMAND, kScreenshotCommand, 0);
    return WaitForOverlay();
}

HWND CaptureFixture::WaitForOwnedBox(HWND hOverlay) {
    HWND hBox = nullptr;
    PumpUntil([&] {
        hBox = FindProcessWindow(m_launcher->Id(), "#32770");
        return hBox && ::GetWindow(hBox, GW_OWNER) == hOverlay;
    });
    return hBox && ::GetWindow(hBox, GW_OWNER) == hOverlay ? hBox : nullptr;
}

std::string CaptureFixture::HelpText(HWND hOverlay) {
    char text[1024] = {};
    DWORD_PTR n = 0;
    ::SendMessageTimeoutA(::GetDlgItem(hOverlay, kInfoBoxId), WM_GETTEXT, sizeof(text),
                          reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &n);
    return text;
}

bool CaptureFixture::WaitForHelp(HWND hOverlay, const char* utf8) {
    const std::string part = Ansi(utf8);
    return PumpUntil([&] { return HelpText(hOverlay).find(part) != std::string::npos; });
}

bool CaptureFixture::Select(HWND hOverlay, POINT from, POINT to) {
    MouseLeftDown(from.x, from.y);
    MouseMoveTo((from.x + to.x) / 2, (from.y + to.y) / 2);
    MouseMoveTo(to.x, to.y);
    if (!WaitForHelp(hOverlay, kDrawing)) return false;
    MouseLeftUp(to.x, to.y);
    return WaitForHelp(hOverlay, kAdjustable);
}

bool CaptureFixture::PointAt(HWND hOverlay, int x, int y, uint32_t colour) {
    MouseMoveTo(x, y);
    char value[40];
    std::snprintf(value, sizeof(value), "(%u,%u,%u)\r\n", colour >> 16, (colour >> 8) & 0xFF,
                  colour & 0xFF);
    const std::string line = "\r\n\r\n\r\n" + Ansi(" ·当前像素RGB ") + value;
    return PumpUntil([&] { return HelpText(hOverlay).rfind(line, 0) == 0; });
}

void CaptureFixture::DoubleClickAt(HWND hOverlay, int x, int y, uint32_t colour) {
    EXPECT_TRUE(
        PointAt(hOverlay, x, y, colour == kNoColour ? PatternWindow::Colour(x, y, 1) : colour))
        << x << "," << y << HelpText(hOverlay);
    MouseDoubleClick(x, y);
}

HWND CaptureFixture::ToolbarButton(HWND hOverlay, const char* utf8) {
    const std::string text = Ansi(utf8);
    HWND hButton = nullptr;
    // a button of the toolbar, which is a child of the overlay
    const bool bShown = PumpUntil([&] {
        hButton = nullptr;
        for (HWND hChild = ::GetWindow(hOverlay, GW_CHILD); hChild && !hButton;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
            hButton = ::FindWindowExA(hChild, nullptr, "Button", text.c_str());
        }
        return hButton && ::IsWindowVisible(hButton);
    });
    return bShown ? hButton : nullptr;
}

bool CaptureFixture::ClickToolbarButton(HWND hOverlay, const char* utf8) {
    HWND hButton = ToolbarButton(hOverlay, utf8);
    if (!hButton) return false;
    RECT rc;
    ::GetWindowRect(hButton, &rc);
    const int x = (rc.left + rc.right) / 2, y = (rc.top + rc.bottom) / 2;
    MouseMoveTo(x, y);
    MouseLeftDown(x, y);
    MouseLeftUp(x, y);
    return true;
}

ScreenPicture CaptureFixture::CopiedPicture(HWND hOverlay) {
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hOverlay); })) << "the overlay stays";
    ScreenPicture picture;
    if (!::OpenClipboard(nullptr)) return picture;
    picture = ScreenPicture::FromBitmap(static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP)));
    ::CloseClipboard();
    return picture;
}
