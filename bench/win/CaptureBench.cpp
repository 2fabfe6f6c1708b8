// How long the screen capture takes, against plain copies of the screen timed in the
// same run:
//  - from the screenshot command to the overlay shown (its first painting done), as a
//    ratio to one full-screen BitBlt into a new bitmap;
//  - from the double-click to the picture on the clipboard, as a ratio to a BitBlt of
//    the selection's size into a new bitmap.
// The command's work is done as the workspace does it: construct the overlay, DoModal.
// Run under Wine on a display: bench/capture.sh.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "CCatchScreenDlg.h"

namespace {

const int kRounds = 12;
const RECT kSelection = {104, 104, 1004, 704};  // 900 x 600

double NowMs() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Min(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

// minimum and median of the capture's figure and of its baseline, and their ratios
void Report(const char* what, const std::vector<double>& v, const char* baseline,
            const std::vector<double>& b, double target) {
    std::printf("%-28s min %8.2f ms  median %8.2f ms\n", what, Min(v), Median(v));
    std::printf("%-28s min %8.2f ms  median %8.2f ms\n", baseline, Min(b), Median(b));
    std::printf("  ratio of minimums %.2f, of medians %.2f (target <= %.1f)\n", Min(v) / Min(b),
                Median(v) / Median(b), target);
}

// a BitBlt of the screen's rectangle into a new bitmap, as the overlay's own copies do
double TimeScreenCopy(int x, int y, int width, int height) {
    HDC hScreen = ::GetDC(nullptr);
    const double start = NowMs();
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, width, height);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, width, height, hScreen, x, y, SRCCOPY);
    ::GdiFlush();
    const double ms = NowMs() - start;
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    return ms;
}

double g_commandStart = 0;

// The overlay with clocks: shown at the end of its first painting, which then gives it
// the selection and the double-click a user would.
class TimedOverlay : public CCatchScreenDlg {
public:
    double m_msShown = 0;
    double m_msCopied = 0;

    void OnPaint() {
        CCatchScreenDlg::OnPaint();
        if (m_msShown > 0) return;
        m_msShown = NowMs() - g_commandStart;
        const POINT points[] = {{kSelection.left - 4, kSelection.top - 4},
                                {kSelection.right, kSelection.bottom}};
        ::PostMessageA(m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(points[0].x, points[0].y));
        ::PostMessageA(m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(points[1].x, points[1].y));
        ::PostMessageA(m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(points[1].x, points[1].y));
        ::PostMessageA(m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(500, 400));
    }
    void OnLButtonDblClk(UINT nFlags, CPoint point) {
        const double start = NowMs();
        CCatchScreenDlg::OnLButtonDblClk(nFlags, point);
        m_msCopied = NowMs() - start;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TimedOverlay, CCatchScreenDlg)
ON_WM_PAINT()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

bool ClipboardHoldsSelection() {
    if (!::OpenClipboard(nullptr)) return false;
    BITMAP bm = {};
    ::GetObjectA(::GetClipboardData(CF_BITMAP), sizeof(bm), &bm);
    ::CloseClipboard();
    return bm.bmWidth == kSelection.right - kSelection.left &&
           bm.bmHeight == kSelection.bottom - kSelection.top;
}

}  // namespace

int main() {
    const int w = ::GetSystemMetrics(SM_CXSCREEN), h = ::GetSystemMetrics(SM_CYSCREEN);
    const int selW = kSelection.right - kSelection.left, selH = kSelection.bottom - kSelection.top;
    std::vector<double> shown, copied, fullCopy, selectionCopy;
    for (int round = 0; round < kRounds; round++) {
        fullCopy.push_back(TimeScreenCopy(0, 0, w, h));
        selectionCopy.push_back(TimeScreenCopy(kSelection.left, kSelection.top, selW, selH));
        g_commandStart = NowMs();
        TimedOverlay overlay;
        if (overlay.DoModal() != IDOK || !ClipboardHoldsSelection()) {
            std::printf("round %d: the capture did not finish with the selection copied\n", round);
            return 1;
        }
        shown.push_back(overlay.m_msShown);
        copied.push_back(overlay.m_msCopied);
    }
    std::printf("screen %d x %d, selection %d x %d, %d rounds\n", w, h, selW, selH, kRounds);
    Report("command to overlay shown", shown, "full-screen BitBlt", fullCopy, 2.0);
    Report("double-click to clipboard", copied, "selection-size BitBlt", selectionCopy, 1.2);
    return 0;
}
