#include "VirtualScreen.h"

#include "CClientDC.h"
#include "CDC.h"

namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT pRect, LPARAM lParam) {
    reinterpret_cast<ScreenLayout*>(lParam)->monitors.push_back(
        {pRect->left, pRect->top, pRect->right, pRect->bottom});
    return TRUE;
}

}  // namespace

ScreenLayout ReadScreenLayout() {
    ScreenLayout screen;
    const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN), y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    screen.virtualScreen = {x, y, x + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                            y + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&screen));
    return screen;
}

HBITMAP CopyFromDC(CDC* pSource, const PixelRect& r) {
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(*pSource, r.Width(), r.Height())) return nullptr;
    {
        CDC dcMem;  // lets go of the bitmap when it goes
        if (!dcMem.CreateCompatibleDC(pSource) || !dcMem.SelectObject(&bitmap)) return nullptr;
        dcMem.BitBlt(0, 0, r.Width(), r.Height(), pSource, r.left, r.top, SRCCOPY);
    }
    return static_cast<HBITMAP>(bitmap.Detach());
}

HBITMAP CopyVirtualScreen(const ScreenLayout& screen) {
    const PixelRect& all = screen.virtualScreen;
    CBitmap picture;
    {
        CClientDC dcScreen(nullptr);
        if (!dcScreen.m_hDC || !picture.Attach(CopyFromDC(&dcScreen, all))) return nullptr;
    }
    if (screen.monitors.size() < 2) return static_cast<HBITMAP>(picture.Detach());
    // what the screen's DC holds where no monitor shows is nobody's picture
    CRgn unseen, monitor;
    CDC dcPicture;  // lets go of the picture before it is handed over
    if (!unseen.CreateRectRgn(0, 0, all.Width(), all.Height()) ||
        !monitor.CreateRectRgn(0, 0, 0, 0) || !dcPicture.CreateCompatibleDC(nullptr) ||
        !dcPicture.SelectObject(&picture)) {
        return nullptr;
    }
    for (const PixelRect& m : screen.monitors) {
        monitor.SetRectRgn(m.left - all.left, m.top - all.top, m.right - all.left,
                           m.bottom - all.top);
        unseen.CombineRgn(unseen, monitor, RGN_DIFF);
    }
    ::FillRgn(dcPicture, unseen, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    return static_cast<HBITMAP>(picture.Detach());
}
