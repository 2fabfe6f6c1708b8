// How long the screen capture takes, against plain copies of the screen timed in the
// same run:
//  - from the screenshot command to the overlay shown (its first painting done), as a
//    ratio to one full-screen BitBlt into a new bitmap;
//  - from the double-click to the picture on the clipboard, as a ratio to a BitBlt of
//    the selection's size into a new bitmap;
//  - a mouse move while the pen draws, from the move to its painting done, as a ratio
//    to a mouse move while the selection is moved.
// The command's work is done as the workspace does it: construct the overlay, DoModal.
// Run under Wine on a display: bench/capture.sh.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "CCatchScreenDlg.h"
#include "resource.h"

namespace {

const int kRounds = 12;
const int kDragRounds = 3;
const int kMoves = 60;                          // of each drag
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

// The overlay with a selection moved, then a pen stroke drawn, each by kMoves mouse
// moves: each move posted once the one before has been painted.
class DragOverlay : public CCatchScreenDlg {
public:
    std::vector<double> m_moving, m_drawing;

    void OnPaint() {
        CCatchScreenDlg::OnPaint();
        ::GdiFlush();
        if (m_nStep == 0) {  // shown: the selection
            m_nStep = 1;
            Post(WM_LBUTTONDOWN, {kSelection.left - 4, kSelection.top - 4});
            Post(WM_MOUSEMOVE, {kSelection.right, kSelection.bottom});
            Post(WM_LBUTTONUP, {kSelection.right, kSelection.bottom});
        } else if (m_nStep == 1 && !m_bDragging && m_bHaveSelection) {
            BeginDrag({500, 400});  // moved by its middle: the tracker's loop
        } else if (m_nStep == 3 && m_rectTracker.m_rect.left > kSelection.left) {
            m_toolbar.SetTool(MarkPen);  // then the pen, in the selection where it stands now
            BeginDrag({400, 300});
        } else if ((m_nStep == 2 || m_nStep == 4) && m_bMoveSeen) {
            (m_nStep == 2 ? m_moving : m_drawing).push_back(NowMs() - m_msPosted);
            if (m_nMove < kMoves) return NextMove();
            Post(WM_LBUTTONUP, m_ptLast);
            // the stroke off, the selection off, closed
            for (int i = 0; m_nStep == 4 && i < 3; i++)
                ::PostMessageA(m_hWnd, WM_COMMAND, IDCANCEL, 0);
            m_nStep++;
        }
    }
    void OnMouseMove(UINT nFlags, CPoint point) {
        CCatchScreenDlg::OnMouseMove(nFlags, point);
        m_bMoveSeen = true;
    }

protected:
    DECLARE_MESSAGE_MAP()

private:
    void Post(UINT message, POINT pt) {
        ::PostMessageA(m_hWnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                       MAKELPARAM(pt.x, pt.y));
    }
    void BeginDrag(POINT from) {
        m_nStep++;
        m_nMove = 0;
        m_ptFrom = from;
        Post(WM_LBUTTONDOWN, from);
        NextMove();
    }
    // a short step, as a mouse moved by hand gives
    void NextMove() {
        m_nMove++;
        m_bMoveSeen = false;
        m_msPosted = NowMs();
        m_ptLast = {m_ptFrom.x + 3 * m_nMove, m_ptFrom.y + (m_nMove % 10) * 2};
        Post(WM_MOUSEMOVE, m_ptLast);
    }

    int m_nStep = 0;
    int m_nMove = 0;
    bool m_bMoveSeen = false;
    double m_msPosted = 0;
    POINT m_ptFrom = {}, m_ptLast = {};
};

BEGIN_MESSAGE_MAP(DragOverlay, CCatchScreenDlg)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
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
    std::vector<double> moving, drawing;
    for (int round = 0; round < kDragRounds; round++) {
        DragOverlay overlay;
        if (overlay.DoModal() != IDCANCEL || overlay.m_drawing.size() != kMoves) {
            std::printf("drag round %d: the pen did not draw its stroke\n", round);
            return 1;
        }
        moving.insert(moving.end(), overlay.m_moving.begin(), overlay.m_moving.end());
        drawing.insert(drawing.end(), overlay.m_drawing.begin(), overlay.m_drawing.end());
    }
    std::printf("screen %d x %d, selection %d x %d, %d rounds\n", w, h, selW, selH, kRounds);
    Report("command to overlay shown", shown, "full-screen BitBlt", fullCopy, 2.0);
    Report("double-click to clipboard", copied, "selection-size BitBlt", selectionCopy, 1.2);
    std::printf("%d rounds of %d mouse moves each\n", kDragRounds, kMoves);
    Report("mouse move, pen drawing", drawing, "mouse move, selection moved", moving, 1.0);
    return 0;
}
