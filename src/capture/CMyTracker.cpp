#include "CMyTracker.h"

#include "CClientDC.h"
#include "CDC.h"
#include "CModalLoop.h"
#include "CWnd.h"
#include "TrackerShared.h"
#include "resource.h"

namespace {

// the inverse of the pattern: where the hatch brush has a line, the screen shows through
const DWORD kPatternInverse = 0x000F0001;

void FillHatchedBorder(CDC* pDC, const PixelRect& inner, const PixelRect& outer) {
    pDC->PatBlt(outer.left, outer.top, outer.Width(), inner.top - outer.top, kPatternInverse);
    pDC->PatBlt(outer.left, inner.bottom, outer.Width(), outer.bottom - inner.bottom,
                kPatternInverse);
    pDC->PatBlt(outer.left, inner.top, inner.left - outer.left, inner.Height(), kPatternInverse);
    pDC->PatBlt(inner.right, inner.top, outer.right - inner.right, inner.Height(), kPatternInverse);
}

}  // namespace

CMyTracker::CMyTracker() : TrackerGeometry(TrackerShared::Get().m_nHandleSize) {}

void CMyTracker::ShowDragFeedback(const PixelRect&, CWnd*, CDC*, CWnd*) {}

void CMyTracker::OnChangedRect(const PixelRect&) {}

void CMyTracker::SetRectColour(COLORREF crColour) {
    m_crColour = crColour;
    TrackerShared::Get().SetPenColour(crColour);
}

void CMyTracker::LoadResizeCursors() {
    static const WORD kIds[9] = {IDC_TRACK_NWSE, IDC_TRACK_NESW, IDC_TRACK_NWSE,
                                 IDC_TRACK_NESW, IDC_TRACK_NS,   IDC_TRACK_WE,
                                 IDC_TRACK_NS,   IDC_TRACK_WE,   IDC_TRACK_MOVE};
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    for (int i = 0; i < 9; i++) {
        TrackerShared::Get().m_hCursors[i] = ::LoadCursorA(hInst, MAKEINTRESOURCEA(kIds[i]));
    }
}

void CMyTracker::Draw(CDC* pDC) const {
    TrackerShared& shared = TrackerShared::Get();
    const int nSaved = pDC->SaveDC();
    ::SetMapMode(*pDC, MM_TEXT);
    ::SetViewportOrgEx(*pDC, 0, 0, nullptr);
    ::SetWindowOrgEx(*pDC, 0, 0, nullptr);
    const PixelRect r = m_rect.Normalized();
    HGDIOBJ hOldPen = ::GetCurrentObject(*pDC, OBJ_PEN);
    HGDIOBJ hOldBrush = ::GetCurrentObject(*pDC, OBJ_BRUSH);

    if (m_nStyle & (StyleSolidLine | StyleDottedLine)) {
        const CPen& pen = (m_nStyle & StyleDottedLine) ? shared.m_penDotted : shared.m_penSolid;
        pDC->SelectObject(pen.m_hObject);
        pDC->SelectStockObject(NULL_BRUSH);
        int nOldRop = pDC->SetROP2(R2_COPYPEN);
        RECT frame = ToRECT(r.Inflated(1));
        pDC->Rectangle(&frame);
        pDC->SetROP2(nOldRop);
    }
    if (m_nStyle & (StyleHatchInside | StyleHatchedBorder)) {
        ::UnrealizeObject(shared.m_brushHatch.m_hObject);
    }
    if (m_nStyle & StyleHatchInside) {
        pDC->SelectStockObject(NULL_PEN);
        pDC->SelectObject(shared.m_brushHatch.m_hObject);
        pDC->SetBkMode(TRANSPARENT);
        int nOldRop = pDC->SetROP2(R2_MASKNOTPEN);
        pDC->Rectangle(r.left + 1, r.top + 1, r.right, r.bottom);
        pDC->SetROP2(nOldRop);
    }
    if (m_nStyle & StyleHatchedBorder) {
        pDC->SelectObject(shared.m_brushHatch.m_hObject);
        pDC->SetBkMode(OPAQUE);
        FillHatchedBorder(pDC, r, GetTrueRect());
    }
    if (m_nStyle & (StyleResizeInside | StyleResizeOutside)) {
        const unsigned mask = GetHandleMask();
        for (int i = HitTopLeft; i <= HitLeft; i++) {
            RECT handle = ToRECT(GetHandleRect(i));
            if (mask & (1u << i)) pDC->FillSolidRect(&handle, m_crColour);
        }
    }
    pDC->SelectObject(hOldPen);
    pDC->SelectObject(hOldBrush);
    pDC->RestoreDC(nSaved);
}

BOOL CMyTracker::SetCursorFor(CWnd* pWnd, UINT nHitTest) const {
    if (nHitTest != HTCLIENT || !pWnd) return FALSE;
    POINT pt;
    ::GetCursorPos(&pt);
    ::ScreenToClient(pWnd->m_hWnd, &pt);
    int nHandle = HitTestHandles({pt.x, pt.y});
    if (nHandle == HitNothing) return FALSE;
    nHandle = MirrorHandle(nHandle);
    if (nHandle == HitMiddle && !m_rect.Contains(pt.x, pt.y) && (m_nStyle & StyleHatchedBorder)) {
        nHandle = 9;
    }
    ::SetCursor(TrackerShared::Get().m_hCursors[nHandle]);
    return TRUE;
}

// One mouse message of the drag: the rectangle follows the pointer, the owner is asked
// to show the change. True on the button-up, which ends the drag.
bool CMyTracker::TrackMouse(const Drag& drag, const MSG& msg, bool& bMoved, CWnd* pWnd, CDC* pDC) {
    const PixelRect rectOld = m_rect;
    DragTo(drag, {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))});
    const bool bUp = msg.message == WM_LBUTTONUP;
    m_bFinalErase = bUp;
    if (m_rect != rectOld || bUp) {
        if (bMoved) {
            m_bErase = true;
            ShowDragFeedback(rectOld, pWnd, pDC, pWnd);
        }
        OnChangedRect(rectOld);
        if (!bUp) bMoved = true;
    }
    if (bUp) return true;
    if (m_rect != rectOld) {
        m_bErase = false;
        ShowDragFeedback(m_rect, pWnd, pDC, pWnd);
    }
    return false;
}

BOOL CMyTracker::TrackHandle(int nHandle, CWnd* pWnd, CPoint point) {
    if (::GetCapture() || !pWnd) return FALSE;
    const HWND hWnd = pWnd->m_hWnd;
    const PixelRect rectSaved = m_rect;
    const Drag drag = BeginDrag(nHandle, {point.x, point.y});
    ::SetCapture(hWnd);
    ::UpdateWindow(hWnd);
    bool bMoved = false;
    {
        CClientDC dc(pWnd);
        MSG msg = {};
        int nExitCode = 0;
        // WM_QUIT: the quit is posted again for the loops outside; the drag is undone
        while (CModalLoop::GetNextMessage(&msg, &nExitCode)) {
            // The owner sees every message as usual, each exactly once; keys are not
            // pre-translated, so that Esc ends the drag rather than the dialog.
            const bool bCaptureLost = ::GetCapture() != hWnd;
            ::DispatchMessageA(&msg);
            if (bCaptureLost) break;
            if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
                if (TrackMouse(drag, msg, bMoved, pWnd, &dc)) break;
            } else if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) ||
                       msg.message == WM_RBUTTONDOWN) {
                if (bMoved) m_bErase = m_bFinalErase = true;
                bMoved = false;
                break;
            }
        }
        if (msg.message == WM_QUIT) bMoved = false;
    }
    ::ReleaseCapture();
    if (!bMoved) m_rect = rectSaved;
    m_bErase = m_bFinalErase = false;
    return m_rect != rectSaved;
}
