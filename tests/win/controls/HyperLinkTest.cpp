// The hyperlink on real windows: its colours by pixels, the underline while the
// mouse is over it, fitting to its text, clicks, and opening an address through
// the shell or the registered HTML browser (a recorder stands in for browsers).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <shlwapi.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <string>

#include "Afx.h"
#include "CHyperLink.h"
#include "DialogCloser.h"
#include "HyperLinkOpen.h"
#include "MessageBoxText.h"
#include "ScreenPicture.h"
#include "TestSupport.h"

namespace {

const COLORREF kNormal = RGB(0, 0, 238);
const COLORREF kVisited = RGB(85, 26, 139);
const COLORREF kHover = RGB(255, 0, 0);

class TestLink : public CHyperLink {
public:
    using CHyperLink::OpenUrl;
    bool Hovering() const { return m_bHovering != FALSE; }
    bool Underlined() {
        LOGFONTA lf = {};
        ::GetObjectA(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), sizeof(lf), &lf);
        return lf.lfUnderline != 0;
    }
};

// A key below HKEY_CLASSES_ROOT for the length of a test: its earlier default
// value comes back, keys the test made go.
class ClassesRootKey {
public:
    explicit ClassesRootKey(std::string name) : m_name(std::move(name)) {
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, m_name.c_str(), 0, KEY_READ, &hKey) == 0) {
            char value[512] = {};
            LONG cb = sizeof(value);
            m_bExisted = ::RegQueryValueA(hKey, nullptr, value, &cb) == 0;
            m_strOld = value;
            ::RegCloseKey(hKey);
        }
    }
    ~ClassesRootKey() {
        if (m_bExisted) {
            SetText("", m_strOld);
        } else {
            ::SHDeleteKeyA(HKEY_CLASSES_ROOT, m_name.c_str());
        }
    }
    // the default value of the key or of a key below it
    void SetText(const std::string& subKey, const std::string& text) const {
        Set(subKey, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    void Set(const std::string& subKey, DWORD type, const void* data, DWORD cb) const {
        HKEY hKey = nullptr, hSubKey = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, m_name.c_str(), 0, nullptr, 0, KEY_WRITE,
                                    nullptr, &hKey, nullptr),
                  0);
        ASSERT_EQ(::RegCreateKeyExA(hKey, subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                    &hSubKey, nullptr),
                  0);
        ::RegSetValueExA(hSubKey, nullptr, 0, type, static_cast<const BYTE*>(data), cb);
        ::RegCloseKey(hSubKey);
        ::RegCloseKey(hKey);
    }

private:
    std::string m_name;
    bool m_bExisted = false;
    std::string m_strOld;
};

class HyperLink : public testing::Test {
protected:
    void SetUp() override {
        LPCSTR cls = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW),
                                         static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ASSERT_TRUE(m_parent.CreateEx(0, cls, "links", WS_POPUP | WS_VISIBLE, 40, 40, 500, 200,
                                      nullptr, nullptr));
        ASSERT_TRUE(m_recorder.Copy(WinePath(RECORDER_EXE), "Recorder.exe"));
    }

    HWND MakeStatic(const char* text, DWORD style, int x, int y, int cx, int cy) {
        return ::CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy,
                                 m_parent.m_hWnd, reinterpret_cast<HMENU>(1022), nullptr, nullptr);
    }

    // exact pixels of a colour in the link, after it has painted
    static int CountColour(HWND hWnd, COLORREF cr) {
        const ScreenPicture shown = ScreenPicture::Repainted(hWnd);
        int n = 0;
        for (int y = 0; y < shown.height; ++y) {
            for (int x = 0; x < shown.width; ++x) n += shown.Colour(x, y) == cr;
        }
        return n;
    }

    std::string Recorded() const {
        std::ifstream in(m_recorder / "commandline.txt");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool WaitForRecord() const {
        return PumpUntil([&] { return !Recorded().empty(); }, 10000);
    }
    std::string RecorderPath() const { return m_recorder / "Recorder.exe"; }

    CWnd m_parent;
    ScratchFolder m_recorder{"skylark-browser"};
};

struct TipSearch {
    HWND hLink;
    std::string text;
    int found;
};

// tooltips of this thread that have tool 1 of the link, and its text
BOOL CALLBACK FindTipOf(HWND hWnd, LPARAM lParam) {
    char cls[32] = {};
    ::GetClassNameA(hWnd, cls, sizeof(cls));
    if (std::string(cls) != TOOLTIPS_CLASSA) return TRUE;
    auto* pSearch = reinterpret_cast<TipSearch*>(lParam);
    char text[256] = {};
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = pSearch->hLink;
    ti.uId = 1;
    ti.lpszText = text;
    if (::SendMessageA(hWnd, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti))) {
        ::SendMessageA(hWnd, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&ti));
        pSearch->text = text;
        ++pSearch->found;
    }
    return TRUE;
}

// the text of the link's tool, if exactly one tooltip has it
std::string TipText(HWND hLink) {
    TipSearch search = {hLink, "", 0};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindTipOf, reinterpret_cast<LPARAM>(&search));
    return search.found == 1 ? search.text : "";
}

void Click(HWND hWnd) {
    ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

}  // namespace

TEST_F(HyperLink, TakesItsTextAsAddressAndFitsToItKeepingItsLeftEdgeCentreOrRightEdge) {
    const char* url = "http://example.test/";
    TestLink left, centre, right;
    HWND hLeft = MakeStatic(url, 0, 10, 10, 300, 40);
    HWND hCentre = MakeStatic(url, SS_CENTER, 10, 60, 300, 40);
    HWND hRight = MakeStatic(url, SS_RIGHT, 10, 110, 300, 40);
    ASSERT_TRUE(left.SubclassWindow(hLeft) && centre.SubclassWindow(hCentre) &&
                right.SubclassWindow(hRight));

    auto placed = [&](HWND h) {
        RECT rc;
        ::GetWindowRect(h, &rc);
        ::MapWindowPoints(nullptr, m_parent.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    };
    RECT rcLeft = placed(hLeft), rcCentre = placed(hCentre), rcRight = placed(hRight);
    const int width = rcLeft.right - rcLeft.left;
    EXPECT_GT(width, 40);
    EXPECT_LT(width, 300);
    EXPECT_LT(rcLeft.bottom - rcLeft.top, 40);
    EXPECT_EQ(rcLeft.left, 10);
    EXPECT_EQ(rcLeft.top, 10);
    EXPECT_EQ(rcCentre.right - rcCentre.left, width);
    EXPECT_NEAR((rcCentre.left + rcCentre.right) / 2, 160, 1);
    EXPECT_EQ(rcRight.right, 310);
    EXPECT_EQ(rcRight.right - rcRight.left, width);

    EXPECT_TRUE(::GetWindowLongA(hLeft, GWL_STYLE) & SS_NOTIFY);
    EXPECT_EQ(left.GetWindowText(), url);
    EXPECT_EQ(TipText(hLeft), url);
    // a hand over the link
    EXPECT_TRUE(::SendMessageA(hLeft, WM_SETCURSOR, reinterpret_cast<WPARAM>(hLeft),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_NE(::GetCursor(), ::LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_NE(::GetCursor(), nullptr);
}

TEST_F(HyperLink, IsRedAndUnderlinedWhileTheMouseIsOverItAndBlueAgainSoonAfterItLeaves) {
    TestLink link;
    HWND hLink = MakeStatic("http://example.test/", 0, 20, 20, 300, 30);
    ASSERT_TRUE(link.SubclassWindow(hLink));
    PumpPending();
    EXPECT_GT(CountColour(hLink, kNormal), 0);
    EXPECT_EQ(CountColour(hLink, kHover), 0);
    EXPECT_FALSE(link.Underlined());

    RECT rc;
    ::GetWindowRect(hLink, &rc);
    ::SetCursorPos(rc.left + 3, rc.top + 3);
    ::PostMessageA(hLink, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    ASSERT_TRUE(PumpUntil([&] { return link.Hovering(); }));
    EXPECT_TRUE(link.Underlined());
    EXPECT_GT(CountColour(hLink, kHover), 0);
    EXPECT_EQ(CountColour(hLink, kNormal), 0);

    ::SetCursorPos(rc.right + 200, rc.bottom + 100);
    const DWORD start = ::GetTickCount();
    ASSERT_TRUE(PumpUntil([&] { return !link.Hovering(); }, 2000));
    EXPECT_LT(::GetTickCount() - start, 1000u) << "the underline goes with the next tick";
    EXPECT_FALSE(link.Underlined());
    EXPECT_GT(CountColour(hLink, kNormal), 0);
    EXPECT_EQ(CountColour(hLink, kHover), 0);
}

TEST_F(HyperLink, AClickThatOpensTheAddressTurnsItPurpleAndOneThatCannotSaysWhy) {
    // a protocol of our own, opened by the recorder through the shell
    ClassesRootKey protocol("skylarktest");
    protocol.SetText("", "URL:skylarktest");
    protocol.Set("", REG_SZ, "", 1);
    {
        HKEY hKey = nullptr;
        ::RegOpenKeyExA(HKEY_CLASSES_ROOT, "skylarktest", 0, KEY_WRITE, &hKey);
        ::RegSetValueExA(hKey, "URL Protocol", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
        ::RegCloseKey(hKey);
    }
    protocol.SetText("shell\\open\\command", "\"" + RecorderPath() + "\" \"%1\"");

    TestLink link;
    HWND hLink = MakeStatic("skylarktest:page", 0, 20, 20, 300, 30);
    ASSERT_TRUE(link.SubclassWindow(hLink));
    Click(hLink);
    ASSERT_TRUE(WaitForRecord());
    EXPECT_NE(Recorded().find("skylarktest:page"), std::string::npos) << Recorded();
    EXPECT_TRUE(PumpUntil([&] { return CountColour(hLink, kVisited) > 0; }));
    EXPECT_EQ(CountColour(hLink, kNormal), 0);

    // neither the shell nor a browser: the box names the shell's reason
    ClassesRootKey htm(".htm");
    htm.SetText("", "SkylarkTest.NoSuchClass");
    TestLink broken;
    HWND hBroken = MakeStatic("skylarknone:page", 0, 20, 80, 300, 30);
    ASSERT_TRUE(broken.SubclassWindow(hBroken));
    const int code = broken.OpenUrl("skylarknone:page");
    ASSERT_LE(code, 32);
    std::string shown;
    DialogCloser closer(
        [&](HWND hBox) { shown = AfxAnsiFromWide(MessageBoxText(hBox).c_str()).GetString(); });
    Click(hBroken);
    PumpUntil([&] { return closer.Seen(); }, 10000);
    EXPECT_EQ(shown, OpenErrorText(code));
    EXPECT_EQ(CountColour(hBroken, kVisited), 0);
}

TEST_F(HyperLink, OpensThroughTheRegisteredBrowserWhenTheShellCannot) {
    const std::string url = "skylarknone:page";
    const std::string recorder = "\"" + RecorderPath() + "\"";
    ClassesRootKey htm(".htm");
    // with the command key's path longer than 260 characters
    const std::string longClass = "SkylarkTest." + std::string(240, 'c');
    ClassesRootKey browser(longClass);
    htm.SetText("", longClass);
    TestLink link;
    ASSERT_TRUE(link.SubclassWindow(MakeStatic(url.c_str(), 0, 20, 20, 300, 30)));

    auto opened = [&] {
        ::DeleteFileA((m_recorder / "commandline.txt").c_str());
        int code = link.OpenUrl(url.c_str());
        return code > 32 && WaitForRecord() ? Recorded() : "failed with " + std::to_string(code);
    };

    // the placeholder and what follows it go; the address follows a blank
    browser.SetText("shell\\open\\command", recorder + " \"%1\" -nohome -new");
    EXPECT_EQ(opened(), recorder + "  " + url);
    browser.SetText("shell\\open\\command", recorder + " -new");
    EXPECT_EQ(opened(), recorder + " -new " + url);
    // a command far longer than any fixed buffer, stored without its terminating zero
    const std::string longCommand = recorder + " -" + std::string(400, 'x') + " %1";
    browser.Set("shell\\open\\command", REG_SZ, longCommand.data(),
                static_cast<DWORD>(longCommand.size()));
    EXPECT_EQ(opened(), recorder + " -" + std::string(400, 'x') + "  " + url);
    // a value that is no text is not run, even when its bytes would be a command
    const std::string bytes = recorder + " %1";
    browser.Set("shell\\open\\command", REG_BINARY, bytes.c_str(),
                static_cast<DWORD>(bytes.size() + 1));
    EXPECT_EQ(opened(), "failed with 31");
}
