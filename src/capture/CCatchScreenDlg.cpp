#include "CCatchScreenDlg.h"

#include "Afx.h"
#include "CClientDC.h"
#include "CDC.h"
#include "CDataExchange.h"
#include "CPaintDC.h"
#include "CaptureFailure.h"
#include "CaptureLayout.h"
#include "ClipboardBitmap.h"
#include "Log.h"
#include "ScreenshotFile.h"
#include "VirtualScreen.h"
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
ON_COMMAND(IDC_CAPTURE_SAVE, &CCatchScreenDlg::SaveSelection)
ON_COMMAND(IDC_CAPTURE_UNDO, &CCatchScreenDlg::Undo)
END_MESSAGE_MAP()

namespace {

const unsigned kTrackerStyle = StyleSolidLine | StyleResizeOutside | StyleCentredHandles;
const COLORREF kSelectionColour = RGB(10, 100, 130);
const PixelRect kNoSelection = {-1, -1, -1, -1};
const int kAnchorOffset = 4;  // the first selection's fixed corner, off the press point

// a key pressed with Ctrl, not with AltGr (Ctrl+Alt on some layouts)
bool IsCtrlKey(const MSG* pMsg, char key) {
    return pMsg->message == WM_KEYDOWN && pMsg->wParam == static_cast<WPARAM>(key) &&
           ::GetKeyState(VK_CONTROL) < 0 && ::GetKeyState(VK_MENU) >= 0;
}

}  // namespace

CCatchScreenDlg::CCatchScreenDlg(CWnd* pParent)
    : CDialog(IDD_CATCHSCREEN, pParent), m_rectTracker(*this), m_marks(*this) {
    m_rectTracker.m_nStyle = kTrackerStyle;
    m_rectTracker.m_rect = {-1, -2, -3, -4};
    m_rectTracker.SetRectColour(kSelectionColour);
    CMyTracker::LoadResizeCursors();
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    m_hCursor = ::LoadCursorA(hInst, MAKEINTRESOURCEA(IDC_CAPTURE_ARROW));
    m_screen = ReadScreenLayout();
    m_pScreenBitmap.reset(new CBitmap);
    m_pScreenBitmap->Attach(CopyVirtualScreen(m_screen));
    m_marks.SetPicture(static_cast<HBITMAP>(m_pScreenBitmap->GetSafeHandle()));
    m_rgnUpdate.CreateRectRgn(0, 0, 50, 50);
    m_hIcon = ::LoadIconA(hInst, MAKEINTRESOURCEA(IDR_MAINFRAME));
}

CCatchScreenDlg::~CCatchScreenDlg() = default;

void CCatchScreenDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CAPTURE_INFO, m_editInfo);
}

HBITMAP CCatchScreenDlg::CopyFrozenRect(const PixelRect& r) const {
    CDC dcFrozen;
    if (!dcFrozen.CreateCompatibleDC(nullptr) || !dcFrozen.SelectObject(m_pScreenBitmap.get())) {
        return nullptr;
    }
    CBitmap copy;
    // the marks too, as the overlay shows them
    if (!copy.Attach(CopyFromDC(&dcFrozen, r)) || !m_marks.PaintInto(copy, r)) return nullptr;
    return static_cast<HBITMAP>(copy.Detach());
}

bool CCatchScreenDlg::s_bOpen = false;

INT_PTR CCatchScreenDlg::DoModal() {
    // without the frozen picture there is nothing to show or copy
    if (!m_pScreenBitmap->GetSafeHandle()) {
        LogEvent("capture", "not opened: the screen could not be copied");
        return -1;
    }
    LogEvent("capture", "opened over %dx%d", m_screen.virtualScreen.Width(),
             m_screen.virtualScreen.Height());
    s_bOpen = true;
    const INT_PTR nResult = CDialog::DoModal();
    s_bOpen = false;
    LogEvent("capture", "closed");
    return nResult;
}

BOOL CCatchScreenDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowPos(HWND_TOPMOST, m_screen.virtualScreen.left, m_screen.virtualScreen.top,
                 m_screen.virtualScreen.Width(), m_screen.virtualScreen.Height(), SWP_SHOWWINDOW);
    POINT pt;
    ::GetCursorPos(&pt);
    FollowPointer(pt);
    // without it the capture still works by the mouse and the keys
    const DWORD kTool = CCaptureToolbar::kTool;
    m_toolbar.Create(this, {{IDC_MARK_RECTANGLE, "矩形", kTool, "在选区内拖动，画矩形框"},
                            {IDC_MARK_ARROW, "箭头", kTool, "在选区内拖动，画箭头"},
                            {IDC_MARK_PEN, "画笔", kTool, "在选区内拖动，随手画"},
                            {IDC_MARK_MOSAIC, "马赛克", kTool, "在选区内拖动，打马赛克"},
                            {IDC_CAPTURE_UNDO, "撤销", BS_PUSHBUTTON, "撤销上一个标记 (Ctrl+Z)"},
                            {IDC_CAPTURE_SAVE, "保存", BS_PUSHBUTTON, nullptr},
                            {IDCANCEL, "取消", BS_PUSHBUTTON, nullptr},
                            {IDOK, "完成", BS_DEFPUSHBUTTON, nullptr}});
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
    CRect rcOverlay;
    GetClientRect(&rcOverlay);
    m_rgnUpdate.SetRectRgn(rcOverlay.left, rcOverlay.top, rcOverlay.right, rcOverlay.bottom);
    // the boxes and the toolbar paint themselves
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(hChild)) continue;
        CRect rcChild;
        ::GetWindowRect(hChild, &rcChild);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rcChild), 2);
        CRgn rgnChild;
        if (!rgnChild.CreateRectRgnIndirect(&rcChild)) return;
        m_rgnUpdate.CombineRgn(m_rgnUpdate, rgnChild, RGN_DIFF);
    }
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
    const RECT& rc = dc.m_ps.rcPaint;
    m_marks.Paint(dc, {rc.left, rc.top, rc.right, rc.bottom});
    if (m_bShowInfo && m_bHaveSelection) {
        CCapScreenEdit::DrawInfoBox(&dc, ToRECT(m_rectTracker.GetTrueRect()), m_screen);
    }
    if (m_bHaveSelection) m_rectTracker.Draw(&dc);
}

HCURSOR CCatchScreenDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

BOOL CCatchScreenDlg::OnSetCursor(HWND hWnd, UINT nHitTest, UINT) {
    HCURSOR hCursor = m_hCursor;
    if (hWnd == m_hWnd && !m_bDragging && m_bHaveSelection) {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        if (m_toolbar.Tool() == MarkNone) {
            if (m_rectTracker.SetCursorFor(this, nHitTest)) return TRUE;
        } else if (InSelection(point)) {
            hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS));  // a tool draws
        }
    }
    ::SetCursor(hCursor);
    return TRUE;
}

PixelRect CCatchScreenDlg::ClampedSelection() const {
    const PixelRect& screen = m_screen.virtualScreen;
    return ClampToScreen(m_rectTracker.m_rect, screen.Width(), screen.Height());
}

bool CCatchScreenDlg::InSelection(CPoint point) const {
    return m_bHaveSelection && m_rectTracker.m_rect.Normalized().Contains(point.x, point.y);
}

int CCatchScreenDlg::HitCode(CPoint point) const {
    return m_bHaveSelection ? m_rectTracker.HitTest({point.x, point.y}) : HitNothing;
}

void CCatchScreenDlg::OnLButtonDown(UINT, CPoint point) {
    const int nHit = HitCode(point);
    if (m_toolbar.Tool() != MarkNone) {
        // the tool draws inside the selection, which stays as it is meanwhile
        if (InSelection(point)) {
            m_marks.Press(m_toolbar.Tool(), m_toolbar.Style(), point, ClampedSelection());
            UpdateToolbar();
        }
    } else if (nHit == HitNothing) {
        if (!m_bHaveSelection) {
            m_bDragging = m_bHaveSelection = TRUE;
            m_ptStart = point;
            m_rectTracker.m_rect = {point.x, point.y, point.x + kAnchorOffset,
                                    point.y + kAnchorOffset};
            m_bShowInfo = TRUE;
            UpdateToolbar();
            UpdateHelpText();
            InvalidateOverlay();
        }
    } else {
        m_bShowInfo = TRUE;
        UpdateToolbar();
        InvalidateOverlay();
        const int nHandle = m_rectTracker.HitTestHandles({point.x, point.y});
        if (nHandle >= 0) {
            m_rectTracker.m_bAllowInvert = true;
            m_rectTracker.TrackHandle(nHandle, this, point);
            UpdateToolbar();  // the button-up came before the last move of the rectangle
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
    m_marks.Drag(point);
    POINT ptScreen = point;
    ClientToScreen(&ptScreen);
    FollowPointer(ptScreen);
    CRect rcBox;
    m_editInfo.GetWindowRect(&rcBox);
    if (::PtInRect(&rcBox, ptScreen)) m_editInfo.SendMessage(WM_MOUSEMOVE, 0, 0);
    m_editInfo.UpdatePixelColour(this);
    Default();
}

void CCatchScreenDlg::FollowPointer(POINT ptScreen) {
    const PixelRect& origin = m_screen.virtualScreen;
    m_editInfo.PlaceOnMonitor(m_screen.MonitorAt({ptScreen.x, ptScreen.y}),
                              {origin.left, origin.top});
}

void CCatchScreenDlg::OnLButtonUp(UINT, CPoint point) {
    m_marks.Release(point);
    m_bShowInfo = m_bDragging = FALSE;
    UpdateToolbar();
    UpdateHelpText();
    InvalidateOverlay();
    Default();
}

// With a tool, the second press of a quick pair draws as the first did: only a
// double-click with no tool active copies.
void CCatchScreenDlg::OnLButtonDblClk(UINT nFlags, CPoint point) {
    if (m_toolbar.Tool() != MarkNone) return OnLButtonDown(nFlags, point);
    if (HitCode(point) == HitMiddle) CopySelection();
    Default();
}

void CCatchScreenDlg::OnOK() {
    if (m_bHaveSelection) CopySelection();
}

BOOL CCatchScreenDlg::PreTranslateMessage(MSG* pMsg) {
    if (IsCtrlKey(pMsg, 'S')) {
        SaveSelection();
        return TRUE;
    }
    if (IsCtrlKey(pMsg, 'Z')) {
        Undo();
        return TRUE;
    }
    // Enter on a button of the toolbar presses that one; elsewhere (the information box
    // has the focus) it copies, as the toolbar's default button is not the dialog's child
    const bool bEnter = pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN &&
                        !::IsChild(m_toolbar.m_hWnd, ::GetFocus());
    if (bEnter || IsCtrlKey(pMsg, 'C')) {
        OnOK();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CCatchScreenDlg::CopySelection() {
    const PixelRect r = ClampedSelection();
    // nothing of the screen selected: nothing to copy
    if (IsEmptyArea(r)) {
        Finish();
        return;
    }
    CBitmap picture;
    HRESULT hr = HRESULT_FROM_WIN32(ERROR_NO_SYSTEM_RESOURCES);
    if (picture.Attach(CopyFrozenRect(r))) hr = PutBitmapOnClipboard(m_hWnd, picture);
    if (FAILED(hr)) {
        TellCaptureFailure(this, "截图未能复制到剪贴板：", L"", hr);
        return;
    }
    picture.Detach();  // the clipboard's now
    LogEvent("capture", "copied %dx%d to the clipboard", r.Width(), r.Height());
    Finish();
}

void CCatchScreenDlg::UpdateToolbar() {
    if (!m_toolbar.m_hWnd) return;
    m_toolbar.EnableButton(IDC_CAPTURE_UNDO, !m_marks.Empty());
    if (m_bHaveSelection && !m_bShowInfo && !m_marks.Drawing()) {
        m_toolbar.ShowBeside(m_rectTracker.m_rect, m_screen);
    } else {
        m_toolbar.Hide();
    }
}

void CCatchScreenDlg::Undo() {
    m_marks.Undo();
    UpdateToolbar();
}

void CCatchScreenDlg::SaveSelection() {
    const PixelRect r = ClampedSelection();
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
    if (m_toolbar.m_hWnd) m_toolbar.SetTool(MarkNone);
    UpdateToolbar();
    UpdateHelpText();
    InvalidateOverlay();
}

void CCatchScreenDlg::OnRButtonUp(UINT, CPoint) {
    if (m_bHaveSelection && m_marks.Empty()) {
        ClearSelection();  // the drawing flag stays until the left button is released
    } else {
        OnCancel();
    }
    Default();
}

void CCatchScreenDlg::OnCancel() {
    if (m_marks.Clear()) {
        UpdateToolbar();  // the marks go first, in one step
    } else if (m_bHaveSelection) {
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
