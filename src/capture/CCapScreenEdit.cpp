#include "CCapScreenEdit.h"

#include "Afx.h"
#include "CClientDC.h"
#include "CDC.h"
#include "CaptureLayout.h"

BEGIN_MESSAGE_MAP(CCapScreenEdit, CEdit)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_MOUSEMOVE()
ON_WM_SETFOCUS()
ON_WM_ERASEBKGND()
ON_WM_CREATE()
END_MESSAGE_MAP()

const char CCapScreenEdit::kColourFormat[] = "\r\n\r\n\r\n ·当前像素RGB (%d,%d,%d)\r\n";

namespace {

const int kColourLineIndex = 3;  // after three empty lines
const int kColourLineStart = 6;  // ... of two positions each
const COLORREF kBoxGrey = RGB(128, 128, 128);
const COLORREF kPositionFrame = RGB(147, 147, 147);

// the value last written into the colour line, kept from one overlay to the next
CString g_strLastColour;

CString ColourValue(COLORREF cr) {
    CString value;
    value.Format("(%d,%d,%d)", GetRValue(cr), GetGValue(cr), GetBValue(cr));
    return value;
}

}  // namespace

void CCapScreenEdit::SetHelpText(const CString& text) {
    g_strLastColour.Empty();
    SetWindowText(text);
}

void CCapScreenEdit::UpdatePixelColour(CWnd* pOverlay) {
    POINT pt;
    ::GetCursorPos(&pt);
    ::ScreenToClient(pOverlay->m_hWnd, &pt);
    CString value = ColourValue(CClientDC(pOverlay).GetPixel(pt));
    if (value != g_strLastColour) ReplaceColourValue(value);
    g_strLastColour = value;
}

// The value is the plain ASCII end of the colour line, from its last '(' on. Counted
// back from the line's end it has the same length whether the control counts its
// positions in bytes or in characters (the label before it differs).
void CCapScreenEdit::ReplaceColourValue(const CString& value) {
    const int nLineLength = static_cast<int>(SendMessage(EM_LINELENGTH, kColourLineStart));
    char line[256] = {};
    *reinterpret_cast<WORD*>(line) = sizeof(line) - 1;
    const int nBytes =
        static_cast<int>(SendMessage(EM_GETLINE, kColourLineIndex, reinterpret_cast<LPARAM>(line)));
    const CString text(line, nBytes);
    int nOpen = -1;
    for (int i = text.Find('('); i >= 0; i = text.Find('(', i + 1)) nOpen = i;
    if (nOpen < 0) return;
    const int nEnd = kColourLineStart + nLineLength;
    SetSel(nEnd - (nBytes - nOpen), nEnd);  // scrolls the caret into view
    ReplaceSel(value, FALSE);
}

void CCapScreenEdit::PlaceOnMonitor(const PixelRect& monitor, TrackPoint origin) {
    m_rcMonitor = monitor;
    m_ptOrigin = origin;
    const TrackPoint corner = InfoBoxCorner(monitor, m_bOnRight);
    CRect rc;
    GetWindowRect(&rc);
    if (rc.left == corner.x && rc.top == corner.y) return;
    const int x = corner.x - origin.x, y = corner.y - origin.y;
    MoveWindow(CRect(x, y, x + rc.Width(), y + rc.Height()));
}

void CCapScreenEdit::DrawInfoBox(CDC* pPaintDC, const RECT& rectOuter, const ScreenLayout& screen) {
    CPen pen(PS_SOLID, 1, kPositionFrame);
    CFont font;
    font.CreatePointFont(90, AfxAnsiFromUtf8("宋体"), nullptr);
    if (!pen.GetSafeHandle() || !font.GetSafeHandle()) return;  // a shortage of GDI objects
    CDC dc(pPaintDC->m_hDC);  // gives the paint DC its own pen, brush and font back before these go
    dc.SelectObject(&font);
    POINT p;
    ::GetCursorPos(&p);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    TEXTMETRICA tm = {};
    dc.GetTextMetrics(&tm);
    const int L = tm.tmHeight + tm.tmExternalLeading;
    const int W = dc.GetTextExtent(AfxAnsiFromUtf8("顶点位置  ")).cx;
    // drawn in the overlay's client coordinates, which start at the virtual screen's corner
    const int dx = screen.virtualScreen.left, dy = screen.virtualScreen.top;
    const PixelRect box =
        PositionBoxRect({p.x, p.y}, W, L, screen.MonitorAt({p.x, p.y})).Offset(-dx, -dy);

    dc.SelectStockObject(NULL_BRUSH);
    dc.SelectObject(&pen);
    dc.Rectangle(box.left, box.top, box.right, box.bottom);
    CString lines[6] = {AfxAnsiFromUtf8("顶点位置"), "", AfxAnsiFromUtf8("矩形大小"), "",
                        AfxAnsiFromUtf8("光标坐标"), ""};
    lines[1].Format("(%d,%d)", static_cast<int>(rectOuter.left + dx),
                    static_cast<int>(rectOuter.top + dy));
    lines[3].Format("(%d,%d)", static_cast<int>(rectOuter.right - rectOuter.left),
                    static_cast<int>(rectOuter.bottom - rectOuter.top));
    lines[5].Format("(%d,%d)", static_cast<int>(p.x), static_cast<int>(p.y));
    for (int k = 0; k < 6; k++) {
        RECT band = {box.left, box.top + 2 + k * L, box.left + W, box.top + 2 + (k + 1) * L};
        dc.DrawText(lines[k], &band, DT_CENTER);
    }
    dc.SetBkMode(nOldMode);
}

HBRUSH CCapScreenEdit::CtlColor(CDC* pDC, UINT) {
    pDC->SetBkMode(TRANSPARENT);
    return nullptr;  // the overlay still sets the text colour
}

void CCapScreenEdit::OnMouseMove(UINT, CPoint) {
    m_bOnRight = !m_bOnRight;
    PlaceOnMonitor(m_rcMonitor, m_ptOrigin);
    Default();
}

void CCapScreenEdit::OnSetFocus(CWnd*) {
    Default();
    ::HideCaret(m_hWnd);  // no caret blinks in the box
}

BOOL CCapScreenEdit::OnEraseBkgnd(CDC* pDC) {
    // back to the top of the text, with no highlight
    SetSel(0, 0);
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, kBoxGrey);
    return TRUE;
}

int CCapScreenEdit::OnCreate(LPCREATESTRUCT) {
    return Default() == -1 ? -1 : 0;
}
