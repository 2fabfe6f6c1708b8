#include "CCatchScreenDlg.h"

#include "Afx.h"
#include "CClientDC.h"
#include "CDC.h"
#include "CDataExchange.h"
#include "CPaintDC.h"
#include "CaptureLayout.h"
#include "Log.h"
#include "ScreenshotFile.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CCatchScreenDlg, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_ERASEBKGND()
ON_WM_SETCURSOR()
ON_WM_RBUTTONUP()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

namespace {

const unsigned kTrackerStyle = StyleSolidLine | StyleResizeOutside | StyleCentredHandles;
const COLORREF kSelectionColour = RGB(10, 100, 130);
const PixelRect kNoSelection = {-1, -1, -1, -1};
const int kAnchorOffset = 4;  // the first selection's fixed corner, off the press point

// A new bitmap like the source's with the rectangle r of it; null when a DC or the
// bitmap cannot be made (a shortage of GDI objects).
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

}  // namespace

CCatchScreenDlg::CCatchScreenDlg(CWnd* pParent)
    : CDialog(IDD_CATCHSCREEN, pParent), m_rectTracker(*this) {
    m_rectTracker.m_nStyle = kTrackerStyle;
    m_rectTracker.m_rect = {-1, -2, -3, -4};
    m_rectTracker.SetRectColour(kSelectionColour);
    CMyTracker::LoadResizeCursors();
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    m_hCursor = ::LoadCursorA(hInst, MAKEINTRESOURCEA(IDC_CAPTURE_ARROW));
    m_nScreenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    m_nScreenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    m_pScreenBitmap.reset(new CBitmap);
    m_pScreenBitmap->Attach(CopyScreenRect({0, 0, m_nScreenWidth, m_nScreenHeight}, FALSE));
    m_rgnUpdate.CreateRectRgn(0, 0, 50, 50);
    m_hIcon = ::LoadIconA(hInst, MAKEINTRESOURCEA(IDR_MAINFRAME));
}

CCatchScreenDlg::~CCatchScreenDlg() = default;

void CCatchScreenDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CAPTURE_INFO, m_editInfo);
}

HBITMAP CCatchScreenDlg::CopyScreenRect(const PixelRect& rect, BOOL bToClipboard) {
    // nothing to copy: also for a selection that lies wholly off the screen
    const PixelRect r = ClampToScreen(rect, m_nScreenWidth, m_nScreenHeight);
    if (IsEmptyArea(rect.Normalized()) || IsEmptyArea(r)) return nullptr;
    if (!bToClipboard) {
        CClientDC dcDisplay(nullptr);  // the screen's
        return dcDisplay.m_hDC ? CopyFromDC(&dcDisplay, r) : nullptr;
    }
    CBitmap bitmap;
    if (!bitmap.Attach(CopyFrozenRect(r))) {
        LogEvent("capture", "not copied: no bitmap of %dx%d", r.Width(), r.Height());
        return nullptr;
    }
    HBITMAP hBitmap = bitmap;
    if (::OpenClipboard(m_hWnd)) {
        ::EmptyClipboard();
        // the clipboard owns what it took; a bitmap it refused is freed here
        if (::SetClipboardData(CF_BITMAP, hBitmap)) bitmap.Detach();
        ::CloseClipboard();
    }
    if (bitmap.GetSafeHandle()) {
        LogEvent("capture", "not copied: %s", SystemErrorText(::GetLastError()).c_str());
        return nullptr;
    }
    LogEvent("capture", "copied %dx%d to the clipboard", r.Width(), r.Height());
    return hBitmap;
}

HBITMAP CCatchScreenDlg::CopyFrozenRect(const PixelRect& r) const {
    CDC dcFrozen;
    if (!dcFrozen.CreateCompatibleDC(nullptr) || !dcFrozen.SelectObject(m_pScreenBitmap.get())) {
        return nullptr;
    }
    return CopyFromDC(&dcFrozen, r);
}

bool CCatchScreenDlg::s_bOpen = false;

INT_PTR CCatchScreenDlg::DoModal() {
    // without the frozen picture there is nothing to show or copy
    if (!m_pScreenBitmap->GetSafeHandle()) {
        LogEvent("capture", "not opened: the screen could not be copied");
        return -1;
    }
    LogEvent("capture", "opened over %dx%d", m_nScreenWidth, m_nScreenHeight);
    s_bOpen = true;
    const INT_PTR nResult = CDialog::DoModal();
    s_bOpen = false;
    LogEvent("capture", "closed");
    return nResult;
}

BOOL CCatchScreenDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowPos(HWND_TOPMOST, 0, 0, m_nScreenWidth, m_nScreenHeight, SWP_SHOWWINDOW);
    CRect rcBox;
    m_editInfo.GetWindowRect(&rcBox);
    m_editInfo.MoveWindow(CRect(10, 10, 10 + rcBox.Width(), 10 + rcBox.Height()));
    UpdateHelpText();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    return TRUE;
}

void CCatchScreenDlg::UpdateHelpText() {
    POINT pt;
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_hWnd, &pt);
    const COLORREF cr = CClientDC(this).GetPixel(pt);
    CString text;
    text.Format(AfxAnsiFromUtf8(CCapScreenEdit::kColourFormat), GetRValue(cr), GetGValue(cr),
                GetBValue(cr));
    text += AfxAnsiFromUtf8(CaptureHelpText(m_bDragging, m_bHaveSelection));
    m_editInfo.SetHelpText(text);
}

void CCatchScreenDlg::InvalidateOverlay() {
    CRect rcOverlay, rcBox;
    GetWindowRect(&rcOverlay);
    m_editInfo.GetWindowRect(&rcBox);
    CRgn rgnBox;
    if (!rgnBox.CreateRectRgnIndirect(&rcBox)) return;
    m_rgnUpdate.SetRectRgn(rcOverlay.left, rcOverlay.top, rcOverlay.right, rcOverlay.bottom);
    m_rgnUpdate.CombineRgn(m_rgnUpdate, rgnBox, RGN_DIFF);
    InvalidateRgn(m_rgnUpdate, TRUE);
}

BOOL CCatchScreenDlg::OnEraseBkgnd(CDC* pDC) {
    CDC dcFrozen;
    // without a memory DC the picture cannot be drawn: this erase is skipped
    if (dcFrozen.CreateCompatibleDC(pDC) && dcFrozen.SelectObject(m_pScreenBitmap.get())) {
        CRect rc;
        GetClientRect(&rc);
        pDC->BitBlt(0, 0, rc.Width(), rc.Height(), &dcFrozen, 0, 0, SRCCOPY);
    }
    return TRUE;
}

void CCatchScreenDlg::OnPaint() {
    CPaintDC dc(this);
    if (::IsIconic(m_hWnd)) {
        CRect rc;
        GetClientRect(&rc);
        dc.DrawIcon((rc.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2,
                    (rc.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2, m_hIcon);
        return;
    }
    if (m_bShowInfo && m_bHaveSelection) {
        CCapScreenEdit::DrawInfoBox(&dc, ToRECT(m_rectTracker.GetTrueRect()));
    }
    if (m_bHaveSelection) m_rectTracker.Draw(&dc);
}

HCURSOR CCatchScreenDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

BOOL CCatchScreenDlg::OnSetCursor(HWND hWnd, UINT nHitTest, UINT) {
    if (hWnd == m_hWnd && !m_bDragging && m_bHaveSelection &&
        m_rectTracker.SetCursorFor(this, nHitTest)) {
        return TRUE;
    }
    ::SetCursor(m_hCursor);
    return TRUE;
}

int CCatchScreenDlg::HitCode(CPoint point) const {
    return m_bHaveSelection ? m_rectTracker.HitTest({point.x, point.y}) : HitNothing;
}

void CCatchScreenDlg::OnLButtonDown(UINT, CPoint point) {
    const int nHit = HitCode(point);
    if (nHit == HitNothing) {
        if (!m_bHaveSelection) {
            m_bDragging = m_bHaveSelection = TRUE;
            m_ptStart = point;
            m_rectTracker.m_rect = {point.x, point.y, point.x + kAnchorOffset,
                                    point.y + kAnchorOffset};
            m_bShowInfo = TRUE;
            UpdateHelpText();
            InvalidateOverlay();
        }
    } else {
        m_bShowInfo = TRUE;
        InvalidateOverlay();
        const int nHandle = m_rectTracker.HitTestHandles({point.x, point.y});
        if (nHandle >= 0) {
            m_rectTracker.m_bAllowInvert = true;
            m_rectTracker.TrackHandle(nHandle, this, point);
            InvalidateOverlay();
        }
    }
    Default();
}

void CCatchScreenDlg::OnMouseMove(UINT, CPoint point) {
    // a right click while drawing cleared the selection: nothing is drawn any more
    if (m_bDragging && m_bHaveSelection) {
        m_rectTracker.m_rect = {m_ptStart.x + kAnchorOffset, m_ptStart.y + kAnchorOffset, point.x,
                                point.y};
        InvalidateOverlay();
    }
    CRect rcBox;
    m_editInfo.GetWindowRect(&rcBox);
    if (::PtInRect(&rcBox, point)) m_editInfo.SendMessage(WM_MOUSEMOVE, 0, 0);
    m_editInfo.UpdatePixelColour(this);
    Default();
}

void CCatchScreenDlg::OnLButtonUp(UINT, CPoint) {
    m_bShowInfo = m_bDragging = FALSE;
    UpdateHelpText();
    InvalidateOverlay();
    Default();
}

void CCatchScreenDlg::OnLButtonDblClk(UINT, CPoint point) {
    if (HitCode(point) == HitMiddle) {
        CopyScreenRect(m_rectTracker.m_rect, TRUE);
        Finish();
    }
    Default();
}

BOOL CCatchScreenDlg::PreTranslateMessage(MSG* pMsg) {
    // Ctrl+S, not AltGr+S (Ctrl+Alt on some layouts)
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == 'S' && ::GetKeyState(VK_CONTROL) < 0 &&
        ::GetKeyState(VK_MENU) >= 0) {
        SaveSelection();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CCatchScreenDlg::SaveSelection() {
    const PixelRect r = ClampToScreen(m_rectTracker.m_rect, m_nScreenWidth, m_nScreenHeight);
    if (!m_bHaveSelection || IsEmptyArea(r)) return;
    CBitmap picture;
    picture.Attach(CopyFrozenRect(r));
    if (SaveScreenshotOrTell(picture, this)) Finish();
}

void CCatchScreenDlg::Finish() {
    m_bHaveSelection = FALSE;
    m_rectTracker.m_rect = kNoSelection;
    EndDialog(IDOK);
}

void CCatchScreenDlg::ClearSelection() {
    m_bHaveSelection = FALSE;
    m_rectTracker.m_rect = kNoSelection;
    UpdateHelpText();
    InvalidateOverlay();
}

void CCatchScreenDlg::OnRButtonUp(UINT, CPoint) {
    if (m_bHaveSelection) {
        ClearSelection();  // the drawing flag stays until the left button is released
    } else {
        OnCancel();
    }
    Default();
}

void CCatchScreenDlg::OnCancel() {
    if (m_bHaveSelection) {
        m_bDragging = FALSE;
        ClearSelection();
    } else {
        EndDialog(IDCANCEL);
    }
}

HBRUSH CCatchScreenDlg::OnCtlColor(CDC* pDC, HWND hWnd, UINT nCtlColor) {
    HBRUSH hbr = CDialog::OnCtlColor(pDC, hWnd, nCtlColor);
    if (hWnd && hWnd == m_editInfo.m_hWnd) {
        pDC->SetTextColor(RGB(255, 255, 255));
        // some edit controls fill their lines with this brush when they paint: keep the
        // box grey (the stock grey is RGB(128, 128, 128))
        hbr = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    }
    return hbr;
}
