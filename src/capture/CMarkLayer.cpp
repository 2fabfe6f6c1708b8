#include "CMarkLayer.h"

#include "CClientDC.h"
#include "CWnd.h"
#include "CaptureLayout.h"

namespace {

static_assert(sizeof(TrackPoint) == sizeof(POINT), "a mark's points are the system's");

BITMAPINFO Rgb32(int nWidth, int nHeight) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), nWidth, -nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    return bmi;
}

// The painters draw with the mark's colour and width selected: a pen and a brush.

// the rectangle's outline, inside the dragged rectangle
void PaintRectangle(HDC hDC, const Mark& mark) {
    const PixelRect r = mark.Dragged();
    const int w = mark.style.width;
    const PixelRect bands[] = {{r.left, r.top, r.right, r.top + w},
                               {r.left, r.bottom - w, r.right, r.bottom},
                               {r.left, r.top, r.left + w, r.bottom},
                               {r.right - w, r.top, r.right, r.bottom}};
    for (const PixelRect& band : bands) {
        const RECT rc = ToRECT(Intersect(band, r));
        ::FillRect(hDC, &rc, static_cast<HBRUSH>(::GetCurrentObject(hDC, OBJ_BRUSH)));
    }
}

void PaintArrow(HDC hDC, const Mark& mark) {
    const ArrowShape arrow =
        ArrowShapeFor(mark.points.front(), mark.points.back(), mark.style.width);
    ::MoveToEx(hDC, mark.points.front().x, mark.points.front().y, nullptr);
    ::LineTo(hDC, arrow.shaftEnd.x, arrow.shaftEnd.y);
    ::SelectObject(hDC, ::GetStockObject(NULL_PEN));
    ::Polygon(hDC, reinterpret_cast<const POINT*>(arrow.head), 3);
}

void PaintPen(HDC hDC, const Mark& mark) {
    ::Polyline(hDC, reinterpret_cast<const POINT*>(mark.points.data()),
               static_cast<int>(mark.points.size()));
}

void PaintMosaic(HDC hDC, const Mark& mark) {
    const PixelRect area = mark.Area();
    if (mark.pixels.size() != static_cast<size_t>(area.Width()) * area.Height()) return;
    const BITMAPINFO bmi = Rgb32(area.Width(), area.Height());
    ::SetDIBitsToDevice(hDC, area.left, area.top, area.Width(), area.Height(), 0, 0, 0,
                        area.Height(), mark.pixels.data(), &bmi, DIB_RGB_COLORS);
}

// one painter for each kind, in the order of MarkKind
void (*const kPainters[])(HDC, const Mark&) = {PaintRectangle, PaintArrow, PaintPen, PaintMosaic};

}  // namespace

void CMarkLayer::Press(MarkKind kind, MarkStyle style, CPoint point, const PixelRect& clip) {
    if (kind == MarkMosaic && m_pixels.empty()) {
        BITMAP bm = {};
        ::GetObjectA(m_hPicture, sizeof(bm), &bm);
        BITMAPINFO bmi = Rgb32(bm.bmWidth, bm.bmHeight);
        m_pixels = std::vector<uint32_t>(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
        CClientDC dcScreen(nullptr);
        // without the picture's colours there is no mosaic to draw
        if (m_pixels.empty() || ::GetDIBits(dcScreen, m_hPicture, 0, bm.bmHeight, m_pixels.data(),
                                            &bmi, DIB_RGB_COLORS) != bm.bmHeight) {
            m_pixels.clear();
            return;
        }
        m_list.SetPicture({m_pixels.data(), bm.bmWidth, bm.bmHeight});
    }
    m_list.Begin(kind, style, {point.x, point.y}, clip);
    ::SetCapture(m_overlay.m_hWnd);
}

void CMarkLayer::Drag(CPoint point) {
    Repaint(m_list.DragTo({point.x, point.y}));
}

void CMarkLayer::Release(CPoint point) {
    if (!m_list.Drawing()) return;
    Repaint(m_list.End({point.x, point.y}));
    ::ReleaseCapture();
}

bool CMarkLayer::Undo() {
    if (m_list.Drawing()) ::ReleaseCapture();
    return Repaint(m_list.Undo());
}

bool CMarkLayer::Clear() {
    if (m_list.Drawing()) ::ReleaseCapture();
    return Repaint(m_list.Clear());
}

bool CMarkLayer::Repaint(const MarkList::Change& change) {
    if (IsEmptyArea(change.area)) return false;
    const RECT rc = ToRECT(change.area);
    m_overlay.InvalidateRect(&rc, change.bErase);
    return true;
}

bool CMarkLayer::Paint(HDC hDC, const PixelRect& area) const {
    for (const Mark& mark : m_list.Marks()) {
        if (IsEmptyArea(Intersect(mark.Bounds(), area))) continue;
        CPen pen(PS_SOLID, mark.style.width, mark.style.colour);
        CBrush brush;
        if (!pen.m_hObject || !brush.Attach(::CreateSolidBrush(mark.style.colour))) return false;
        // the clipping and the objects selected come back before the objects go
        const int nSaved = ::SaveDC(hDC);
        ::IntersectClipRect(hDC, mark.clip.left, mark.clip.top, mark.clip.right, mark.clip.bottom);
        ::SelectObject(hDC, pen);
        ::SelectObject(hDC, brush);
        kPainters[mark.kind](hDC, mark);
        ::RestoreDC(hDC, nSaved);
    }
    return true;
}

bool CMarkLayer::PaintInto(HBITMAP hCopy, const PixelRect& r) const {
    if (m_list.Empty()) return true;
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr) || !dc.SelectObject(hCopy)) return false;
    ::SetWindowOrgEx(dc, r.left, r.top, nullptr);
    return Paint(dc, r);
}
