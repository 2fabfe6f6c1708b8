// The selection tracker's mouse loop and the capture overlay's modal loop with real
// windows and posted messages, and what a hundred captures leave behind.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <functional>
#include <utility>
#include <vector>

#include "Afx.h"
#include "CCapScreenEdit.h"
#include "CCatchScreenDlg.h"
#include "CMyTracker.h"
#include "ClipboardText.h"
#include "DpiAwarenessScope.h"
#include "GdiCapacity.h"
#include "TestSupport.h"
#include "resource.h"

namespace {

struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

Posted Mouse(UINT message, int x, int y) {
    return {message, 0, MAKELPARAM(x, y)};
}

// A window that notes the messages the tracking loop hands it.
class TrackedWindow : public CWnd {
public:
    TrackedWindow() {
        CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        m_seen.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int TimesSeen(const Posted& p) const {
        int n = 0;
        for (const Posted& s : m_seen) {
            n += s.message == p.message && s.wParam == p.wParam && s.lParam == p.lParam;
        }
        return n;
    }
    void Post(const Posted& p) { ::PostMessageA(m_hWnd, p.message, p.wParam, p.lParam); }

    std::vector<Posted> m_seen;
};

class Tracking : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(m_wnd.m_hWnd, nullptr);
        PumpPending();
        ::SetCursorPos(150, 130);  // where the drags begin
        m_tracker.m_nStyle = StyleSolidLine | StyleResizeOutside | StyleCentredHandles;
        m_tracker.m_rect = kStart;
        m_tracker.m_bAllowInvert = true;
    }

    const PixelRect kStart = {100, 100, 200, 160};
    TrackedWindow m_wnd;
    CMyTracker m_tracker;
};

TEST_F(Tracking, TheOwnerSeesEveryMessageOnceAndTheButtonUpEndsTheDrag) {
    const Posted script[] = {Mouse(WM_MOUSEMOVE, 160, 135), Mouse(WM_KEYDOWN, 0, 0),
                             Mouse(WM_MOUSEMOVE, 170, 140), Mouse(WM_LBUTTONUP, 175, 142)};
    for (const Posted& p : script) m_wnd.Post(p);
    EXPECT_TRUE(m_tracker.TrackHandle(HitMiddle, &m_wnd, CPoint(150, 130)));
    EXPECT_EQ(m_tracker.m_rect, (PixelRect{125, 112, 225, 172}));
    for (const Posted& p : script) EXPECT_EQ(m_wnd.TimesSeen(p), 1) << p.message;
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_FALSE(m_tracker.m_bErase || m_tracker.m_bFinalErase);

    // a press and release without a move between changes nothing, wherever the release lands
    m_tracker.m_rect = kStart;
    m_wnd.Post(Mouse(WM_LBUTTONUP, 231, 191));
    EXPECT_FALSE(m_tracker.TrackHandle(HitBottomRight, &m_wnd, CPoint(201, 161)));
    EXPECT_EQ(m_tracker.m_rect, kStart);
}

TEST_F(Tracking, EscTheRightButtonAndAQuitPutTheRectangleBack) {
    const Posted enders[] = {
        {WM_KEYDOWN, VK_ESCAPE, 0}, Mouse(WM_RBUTTONDOWN, 50, 50), {WM_QUIT, 7, 0}};
    for (const Posted& ender : enders) {
        SCOPED_TRACE(ender.message);
        m_tracker.m_rect = kStart;
        m_wnd.Post(Mouse(WM_MOUSEMOVE, 260, 230));
        if (ender.message == WM_QUIT) {
            ::PostQuitMessage(7);
        } else {
            m_wnd.Post(ender);
        }
        EXPECT_FALSE(m_tracker.TrackHandle(HitBottomRight, &m_wnd, CPoint(201, 161)));
        EXPECT_EQ(m_tracker.m_rect, kStart);
        EXPECT_EQ(::GetCapture(), nullptr);
        // the quit is handed on to the loops outside, with its exit code
        MSG msg;
        BOOL bQuit = ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        EXPECT_EQ(bQuit, ender.message == WM_QUIT);
        if (bQuit) {
            EXPECT_EQ(msg.wParam, 7u);
        }
    }
    // nothing starts while another window holds the mouse
    TrackedWindow other;
    ::SetCapture(other.m_hWnd);
    m_wnd.Post(Mouse(WM_LBUTTONUP, 300, 300));
    EXPECT_FALSE(m_tracker.TrackHandle(HitMiddle, &m_wnd, CPoint(150, 130)));
    EXPECT_EQ(::GetCapture(), other.m_hWnd);
    ::ReleaseCapture();
    PumpPending();
}

TEST_F(Tracking, ThePointerShowsTheArrowOfTheHandleWhereItIsDrawn) {
    CMyTracker::LoadResizeCursors();
    auto cursor = [](int id) {
        return ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    };
    struct Case {
        PixelRect rect;
        POINT at;
        int cursor;  // 0: none set
    } cases[] = {
        {kStart, {99, 99}, IDC_TRACK_NWSE},
        {kStart, {201, 99}, IDC_TRACK_NESW},
        {kStart, {150, 99}, IDC_TRACK_NS},
        {kStart, {99, 130}, IDC_TRACK_WE},
        {kStart, {150, 130}, IDC_TRACK_MOVE},
        {kStart, {300, 250}, 0},
        // inverted: the handle drawn top-left is the stored bottom-right one
        {{200, 160, 100, 100}, {99, 99}, IDC_TRACK_NWSE},
        {{200, 100, 100, 160}, {201, 99}, IDC_TRACK_NESW},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x << "," << c.at.y);
        m_tracker.m_rect = c.rect;
        ::SetCursor(nullptr);
        ::SetCursorPos(c.at.x, c.at.y);
        EXPECT_EQ(m_tracker.SetCursorFor(&m_wnd, HTCLIENT), c.cursor != 0);
        if (c.cursor) {
            ASSERT_NE(cursor(c.cursor), nullptr);
            EXPECT_EQ(::GetCursor(), cursor(c.cursor));
        }
    }
    EXPECT_FALSE(m_tracker.SetCursorFor(&m_wnd, HTCAPTION));
    ASSERT_NE(cursor(IDC_CAPTURE_ARROW), nullptr);
}

// The colour read last, in this capture or the one before, is not what a rewritten
// help text shows: the next reading replaces that text's colour even when it is the same.
TEST(InfoBox, AfterTheHelpTextIsRewrittenTheColourIsReadAnew) {
    TrackedWindow overlay;
    CCapScreenEdit box;
    box.CreateEx(0, "EDIT", "", WS_POPUP | ES_MULTILINE, 500, 0, 300, 200, nullptr, nullptr);
    ::SetCursorPos(150, 130);
    PumpPending();
    CString text;
    text.Format(AfxAnsiFromUtf8(CCapScreenEdit::kColourFormat), 1, 2, 3);
    box.SetHelpText(text);
    box.UpdatePixelColour(&overlay);
    const CString read = box.GetWindowText();
    ASSERT_NE(read, text);
    box.SetHelpText(text);
    box.UpdatePixelColour(&overlay);
    EXPECT_EQ(box.GetWindowText(), read);
}

// An overlay that is sent the user's input as soon as it opens.
class ScriptedOverlay : public CCatchScreenDlg {
public:
    explicit ScriptedOverlay(std::vector<Posted> script) : m_script(std::move(script)) {}
    BOOL OnInitDialog() override {
        BOOL bResult = CCatchScreenDlg::OnInitDialog();
        if (m_onOpen) m_onOpen(m_hWnd);
        for (const Posted& p : m_script) {
            // a mark tool's button is the toolbar's
            const bool bTool = p.message == WM_COMMAND && p.wParam >= IDC_MARK_RECTANGLE &&
                               p.wParam <= IDC_MARK_MOSAIC;
            ::PostMessageA(bTool ? m_toolbar.m_hWnd : m_hWnd, p.message, p.wParam, p.lParam);
        }
        if (m_nQuitCode) ::PostQuitMessage(m_nQuitCode);
        return bResult;
    }
    std::vector<Posted> m_script;
    int m_nQuitCode = 0;
    std::function<void(HWND)> m_onOpen;
};

TEST(Overlay, AQuitEndsItAndIsHandedOnWithItsCode) {
    ScriptedOverlay overlay({Mouse(WM_LBUTTONDOWN, 100, 100), Mouse(WM_MOUSEMOVE, 150, 150)});
    overlay.m_nQuitCode = 5;
    overlay.DoModal();
    EXPECT_EQ(overlay.m_hWnd, nullptr);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
}

// a selection drawn, moved by 10 with the tracker, and copied by a double-click
const std::vector<Posted> kCopy = {
    Mouse(WM_LBUTTONDOWN, 100, 100),  Mouse(WM_MOUSEMOVE, 300, 250), Mouse(WM_LBUTTONUP, 300, 250),
    Mouse(WM_LBUTTONDOWN, 200, 200),  Mouse(WM_MOUSEMOVE, 210, 210), Mouse(WM_LBUTTONUP, 210, 210),
    Mouse(WM_LBUTTONDBLCLK, 220, 220)};
// a selection drawn, a pen stroke and a mosaic drawn in it, and copied with "完成"
const std::vector<Posted> kMarked = {Mouse(WM_LBUTTONDOWN, 100, 100),
                                     Mouse(WM_MOUSEMOVE, 300, 250),
                                     Mouse(WM_LBUTTONUP, 300, 250),
                                     {WM_COMMAND, IDC_MARK_PEN, 0},
                                     Mouse(WM_LBUTTONDOWN, 150, 150),
                                     Mouse(WM_MOUSEMOVE, 200, 180),
                                     Mouse(WM_LBUTTONUP, 220, 200),
                                     {WM_COMMAND, IDC_MARK_MOSAIC, 0},
                                     Mouse(WM_LBUTTONDOWN, 120, 120),
                                     Mouse(WM_LBUTTONUP, 180, 160),
                                     {WM_COMMAND, IDOK, 0}};
// a selection drawn, cleared by a right click, and a second right click that closes
const std::vector<Posted> kCancel = {Mouse(WM_LBUTTONDOWN, 100, 100), Mouse(WM_LBUTTONUP, 300, 250),
                                     Mouse(WM_RBUTTONUP, 5, 5), Mouse(WM_RBUTTONUP, 5, 5)};

TEST(Overlay, ASelectionMovedWhollyOffTheScreenLeavesTheClipboardAlone) {
    ASSERT_TRUE(PutTextOnClipboard("kept"));
    const int x = ::GetSystemMetrics(SM_CXSCREEN) + 500;
    ScriptedOverlay overlay({Mouse(WM_LBUTTONDOWN, 100, 100), Mouse(WM_MOUSEMOVE, 300, 250),
                             Mouse(WM_LBUTTONUP, 300, 250), Mouse(WM_LBUTTONDOWN, 200, 200),
                             Mouse(WM_MOUSEMOVE, x, 200), Mouse(WM_LBUTTONUP, x, 200),
                             Mouse(WM_LBUTTONDBLCLK, x + 10, 210)});
    EXPECT_EQ(overlay.DoModal(), IDOK);
    EXPECT_FALSE(::IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_EQ(ClipboardText(), "kept");
}

// the process's committed private memory (PrivateUsage reads 0 under Wine)
SIZE_T CommittedBytes() {
    PROCESS_MEMORY_COUNTERS pmc = {};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof(pmc));
    return pmc.PagefileUsage;
}

TEST(Overlay, AHundredCapturesLeaveGdiObjectsWindowsAndMemoryAsTheyWere) {
    // the tracker's shared objects and the clipboard's one bitmap exist from the first capture on
    ASSERT_EQ(ScriptedOverlay(kMarked).DoModal(), IDOK);
    ASSERT_EQ(ScriptedOverlay(kCancel).DoModal(), IDCANCEL);
    const int nGdiFree = FreeGdiCapacity();
    const int nWindows = CountThreadWindows();
    const SIZE_T cbBefore = CommittedBytes();

    for (int i = 0; i < 100; i++) {
        const std::vector<Posted>& script = i % 4 == 0 ? kCancel : i % 4 == 1 ? kMarked : kCopy;
        ASSERT_EQ(ScriptedOverlay(script).DoModal(), i % 4 ? IDOK : IDCANCEL) << i;
    }

    EXPECT_EQ(FreeGdiCapacity(), nGdiFree);
    EXPECT_EQ(CountThreadWindows(), nWindows);
    const SIZE_T cbScreen =
        4u * ::GetSystemMetrics(SM_CXSCREEN) * static_cast<SIZE_T>(::GetSystemMetrics(SM_CYSCREEN));
    ASSERT_GT(cbBefore, 0u);
    EXPECT_LT(CommittedBytes(), cbBefore + 2 * cbScreen) << "not a screen's worth per capture";

    // the last copy: the selection, moved by the tracker
    ASSERT_TRUE(::OpenClipboard(nullptr));
    BITMAP bm = {};
    ::GetObjectA(::GetClipboardData(CF_BITMAP), sizeof(bm), &bm);
    ::CloseClipboard();
    EXPECT_EQ(bm.bmWidth, 196);
    EXPECT_EQ(bm.bmHeight, 146);
}

TEST(Overlay, WithGdiObjectsRunningOutItOpensOnlyWithItsPictureAndSkipsWhatFails) {
    ASSERT_EQ(ScriptedOverlay(kCopy).DoModal(), IDOK);  // the shared objects exist
    const int nGdiFree = FreeGdiCapacity();
    // Drawn and moved, but not copied: a copy that fails is told in the system's message
    // box, which under a shortage keeps an object of its own here now and then.
    std::vector<Posted> script(kCopy.begin(), kCopy.end() - 1);
    script.push_back({WM_COMMAND, IDCANCEL, 0});
    script.push_back({WM_COMMAND, IDCANCEL, 0});
    int nOpened = 0;
    // every step that makes a GDI object fails in one round or another
    for (int nLeft = 0; nLeft <= 40; nLeft++) {
        GdiShortage shortage(nLeft);
        try {
            ScriptedOverlay overlay(script);
            const INT_PTR nResult = overlay.DoModal();
            if (!overlay.m_pScreenBitmap->GetSafeHandle()) {
                EXPECT_EQ(nResult, -1) << nLeft;
            }
            nOpened += nResult == IDCANCEL;
        } catch (const CResourceException&) {
            // no pens for the tracker: the command that opens it ends there
        }
    }
    EXPECT_GT(nOpened, 0);
    EXPECT_EQ(FreeGdiCapacity(), nGdiFree);
}

using GetContextFunc = HANDLE(WINAPI*)();
using AwarenessFunc = int(WINAPI*)(HANDLE);
using WindowContextFunc = HANDLE(WINAPI*)(HWND);

template <class F>
F User32Function(const char* name) {
    FARPROC pfn = ::GetProcAddress(::GetModuleHandleA("user32.dll"), name);
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(pfn));
}

// The launcher is not DPI aware; the overlay is per-monitor aware (2) while it lives.
TEST(Overlay, RunsPerMonitorDpiAwareAndGivesTheThreadItsContextBack) {
    const auto set = DpiAwarenessScope::SystemSetContext();
    const auto get = User32Function<GetContextFunc>("GetThreadDpiAwarenessContext");
    const auto awareness = User32Function<AwarenessFunc>("GetAwarenessFromDpiAwarenessContext");
    const auto windowContext = User32Function<WindowContextFunc>("GetWindowDpiAwarenessContext");
    if (!set || !get || !awareness || !windowContext) {
        GTEST_SKIP() << "this system has no DPI awareness contexts";
    }
    // unaware, as Windows makes the launcher's thread
    const HANDLE hBefore = set(reinterpret_cast<HANDLE>(-1));
    ASSERT_NE(hBefore, nullptr);
    int nThread = -1, nWindow = -1;
    {
        ScriptedOverlay overlay(kCancel);
        overlay.m_onOpen = [&](HWND hWnd) {
            nThread = awareness(get());
            nWindow = awareness(windowContext(hWnd));
        };
        EXPECT_EQ(overlay.DoModal(), IDCANCEL);
    }
    EXPECT_EQ(nThread, 2);
    EXPECT_EQ(nWindow, 2);
    EXPECT_EQ(awareness(get()), 0) << "back to unaware";
    {
        DpiAwarenessScope absent(nullptr);  // as on Windows 7
        EXPECT_EQ(awareness(get()), 0);
    }
    set(hBefore);
}

}  // namespace
