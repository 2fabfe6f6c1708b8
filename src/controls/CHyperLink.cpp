#include "CHyperLink.h"

#include <shellapi.h>

#include "Afx.h"
#include "CClientDC.h"
#include "ClassesRootText.h"
#include "HyperLinkFit.h"
#include "HyperLinkOpen.h"

BEGIN_MESSAGE_MAP(CHyperLink, CStatic)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_ERASEBKGND()
ON_WM_SETCURSOR()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_CONTROL_REFLECT(STN_CLICKED, &CHyperLink::OnClicked)
END_MESSAGE_MAP()

CHyperLink::CHyperLink()
    : m_crNormal(RGB(0, 0, 238)), m_crVisited(RGB(85, 26, 139)), m_crHover(RGB(255, 0, 0)) {}

CHyperLink::~CHyperLink() {
    // the window goes first: it must not keep drawing with the fonts that go with us
    if (m_hWnd) DestroyWindow();
    if (m_hHandCursor) ::DestroyCursor(m_hHandCursor);
}

BOOL CHyperLink::DestroyWindow() {
    KillTimer(m_nHoverTimer);
    return CStatic::DestroyWindow();
}

BOOL CHyperLink::PreTranslateMessage(MSG* pMsg) {
    if (m_tipCtrl.m_hWnd) m_tipCtrl.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}

void CHyperLink::PreSubclassWindow() {
    // clicks are notified only with SS_NOTIFY
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(GetStyle() | SS_NOTIFY));

    if (m_strUrl.IsEmpty()) m_strUrl = GetWindowText();
    if (GetWindowText().IsEmpty()) SetWindowText(m_strUrl);

    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (!hFont) hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (!hFont) hFont = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
    LOGFONTA lf = {};
    ::GetObjectA(hFont, sizeof(lf), &lf);
    m_fontPlain.CreateFontIndirect(&lf);
    lf.lfUnderline = 1;
    m_fontUnderline.CreateFontIndirect(&lf);

    FitToText();
    LoadHandCursor();

    m_tipCtrl.Create(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    m_tipCtrl.AddTool(this, m_strUrl, &rcClient, 1);

    CStatic::PreSubclassWindow();
}

HBRUSH CHyperLink::CtlColor(CDC* pDC, UINT) {
    pDC->SetTextColor(m_bHovering ? m_crHover : m_bVisited ? m_crVisited : m_crNormal);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

// the parent's background shows through
BOOL CHyperLink::OnEraseBkgnd(CDC*) {
    return TRUE;
}

BOOL CHyperLink::OnSetCursor(HWND, UINT, UINT) {
    if (!m_hHandCursor) return FALSE;
    ::SetCursor(m_hHandCursor);
    return TRUE;
}

void CHyperLink::OnMouseMove(UINT nFlags, CPoint point) {
    if (!m_bHovering) {
        m_bHovering = TRUE;
        if (m_nUnderlineMode == -1) SetFont(&m_fontUnderline);
        RedrawWithParent(0);
        SetTimer(m_nHoverTimer, 100);
    }
    CStatic::OnMouseMove(nFlags, point);
}

// Every tick looks whether the mouse has left.
void CHyperLink::OnTimer(UINT_PTR nIDEvent) {
    DWORD pos = ::GetMessagePos();
    POINT pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    ScreenToClient(&pt);
    CRect rc;
    GetClientRect(&rc);
    if (!::PtInRect(&rc, pt)) {
        m_bHovering = FALSE;
        KillTimer(m_nHoverTimer);
        if (m_nUnderlineMode != 1) SetFont(&m_fontPlain);
        RedrawWithParent(10);
    }
    CStatic::OnTimer(nIDEvent);
}

void CHyperLink::OnClicked() {
    m_bHovering = FALSE;
    int nCode = OpenUrl(m_strUrl);
    if (nCode > 32) {
        m_bVisited = TRUE;
        RedrawWithParent(0);
    } else {
        m_bVisited = FALSE;
        ::MessageBeep(MB_ICONEXCLAMATION);
        ShowOpenError(nCode);
    }
}

// The control paints no background of its own, so its old text and underline stay
// unless the parent repaints what lies under it first.
void CHyperLink::RedrawWithParent(int cyBelow) {
    CRect rc;
    GetClientRect(&rc);
    rc.bottom += cyBelow;
    HWND hParent = ::GetParent(m_hWnd);
    if (!hParent) {
        InvalidateRect(&rc);
        return;
    }
    ::MapWindowPoints(m_hWnd, hParent, reinterpret_cast<POINT*>(&rc), 2);
    ::RedrawWindow(hParent, &rc, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CHyperLink::FitToText() {
    if (!m_bFitToText || !IsWindow()) return;
    CRect rcWnd, rcClient;
    GetWindowRect(&rcWnd);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    if (HWND hParent = ::GetParent(m_hWnd)) {
        ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rcWnd), 2);
        ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rcClient), 2);
    }
    CSize extent;
    {
        CClientDC dc(this);
        dc.SelectObject(&m_fontUnderline);  // selected out again when dc goes
        extent = dc.GetTextExtent(GetWindowText());
    }
    const DWORD dwStyle = GetStyle();
    const LinkAlignment align = {(dwStyle & SS_CENTER) != 0, (dwStyle & SS_RIGHT) != 0,
                                 (dwStyle & SS_CENTERIMAGE) != 0};
    PixelRect rc = FitLinkRect({rcWnd.left, rcWnd.top, rcWnd.right, rcWnd.bottom}, rcClient.Width(),
                               rcClient.Height(), extent.cx, extent.cy, align);
    SetWindowPos(nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_NOZORDER);
}

// The help program's hand, taken from it as data (none of its code runs), else
// the system's own hand: a link always shows a hand.
void CHyperLink::LoadHandCursor() {
    if (m_hHandCursor) return;
    char szWindows[MAX_PATH] = {};
    UINT n = ::GetWindowsDirectoryA(szWindows, MAX_PATH);
    if (n > 0 && n < MAX_PATH) {
        std::string path = std::string(szWindows) + "\\winhlp32.exe";
        HMODULE hModule = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (hModule) {
            HCURSOR hCursor = ::LoadCursorA(hModule, MAKEINTRESOURCEA(106));
            if (hCursor) m_hHandCursor = ::CopyIcon(hCursor);
            ::FreeLibrary(hModule);
        }
    }
    if (!m_hHandCursor) m_hHandCursor = ::CopyIcon(::LoadCursorA(nullptr, IDC_HAND));
}

int CHyperLink::OpenUrl(const CString& strUrl) {
    const int nShell = static_cast<int>(reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(nullptr, "open", strUrl, nullptr, nullptr, SW_SHOW)));
    if (nShell > 32) return nShell;
    // the registered HTML browser, with the address in place of its placeholder
    std::string strClass, strCommand;
    if (!ReadClassesRootText(".htm", nullptr, strClass)) return nShell;
    if (!ReadClassesRootText(strClass, "shell\\open\\command", strCommand)) return nShell;
    std::string strLine = MakeBrowserCommand(strCommand, strUrl.str());
    if (strLine.empty()) return nShell;
    return static_cast<int>(::WinExec(strLine.c_str(), SW_SHOW));
}

void CHyperLink::ShowOpenError(int nCode) {
    AfxMessageBox(OpenErrorText(nCode).c_str(), MB_ICONEXCLAMATION);
}
