#include "CCaptureToolbar.h"

#include "Afx.h"
#include "CClientDC.h"
#include "ToolbarPlacement.h"
#include "resource.h"

namespace {

const int kPadding = 3;       // around the rows and between the buttons
const int kTextMarginX = 10;  // each side of a button's text
const int kTextMarginY = 5;

bool HasStyles(MarkKind tool) {
    return tool == MarkRectangle || tool == MarkArrow || tool == MarkPen;
}

}  // namespace

BOOL CCaptureToolbar::Create(CWnd* pOverlay, std::initializer_list<Button> buttons) {
    LPCSTR lpszClass =
        AfxRegisterWndClass(0, ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)),
                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateEx(WS_EX_CONTROLPARENT, lpszClass, "", WS_CHILD | WS_CLIPSIBLINGS | WS_BORDER,
                  RECT{0, 0, 0, 0}, pOverlay, 0) ||
        !m_tips.Create(this)) {
        return FALSE;
    }
    HFONT hFont = reinterpret_cast<HFONT>(pOverlay->SendMessage(WM_GETFONT));
    // every button as wide as the widest text needs, as high as a line
    std::vector<CString> texts;
    CSize cell(0, 0);
    {
        CClientDC dc(this);
        if (hFont) dc.SelectObject(hFont);
        for (const Button& b : buttons) {
            texts.push_back(AfxAnsiFromUtf8(b.pszTextUtf8));
            const CSize extent = dc.GetTextExtent(texts.back());
            if (extent.cx > cell.cx) cell.cx = extent.cx;
            if (extent.cy > cell.cy) cell.cy = extent.cy;
        }
    }
    cell.cx += 2 * kTextMarginX;
    cell.cy += 2 * kTextMarginY;
    int x = kPadding;
    size_t i = 0;
    for (const Button& b : buttons) {
        CWndPtr<CButton> pButton(new CButton);
        const RECT rc = {x, kPadding, x + cell.cx, kPadding + cell.cy};
        if (!pButton->Create(texts[i++], WS_CHILD | WS_VISIBLE | WS_TABSTOP | b.dwStyle, rc, this,
                             b.nID)) {
            return FALSE;
        }
        pButton->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
        if (b.pszTipUtf8) m_tips.AddTool(pButton.get(), AfxAnsiFromUtf8(b.pszTipUtf8));
        m_buttons.push_back(std::move(pButton));
        x += cell.cx + kPadding;
    }
    // the border takes a pixel on each side
    m_nRowHeight = cell.cy + 2 * kPadding + 2;
    m_size = {x + 2, m_nRowHeight + cell.cy + kPadding};
    return m_styleRow.Create(this, kPadding, cell.cy + 2 * kPadding, cell.cy, IDC_MARK_STYLES);
}

void CCaptureToolbar::ShowBeside(const PixelRect& selection, const ScreenLayout& screen) {
    m_selection = selection;
    m_pScreen = &screen;
    const TrackSize size = {m_size.cx, HasStyles(m_tool) ? m_size.cy : m_nRowHeight};
    const PixelRect& origin = screen.virtualScreen;
    const PixelRect place = PlaceToolbar(selection.Offset(origin.left, origin.top), size, screen)
                                .Offset(-origin.left, -origin.top);
    SetWindowPos(HWND_TOP, place.left, place.top, place.Width(), place.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CCaptureToolbar::Hide() {
    ShowWindow(SW_HIDE);
}

void CCaptureToolbar::SetTool(MarkKind tool) {
    m_tool = tool;
    for (int k = MarkRectangle; k <= MarkMosaic; k++) {
        ::SendDlgItemMessageA(m_hWnd, IDC_MARK_RECTANGLE + k, BM_SETCHECK, k == tool, 0);
    }
    m_styleRow.ShowWindow(HasStyles(tool) ? SW_SHOW : SW_HIDE);
    if (m_pScreen && IsWindowVisible()) ShowBeside(m_selection, *m_pScreen);
}

void CCaptureToolbar::EnableButton(UINT nID, bool bEnable) {
    HWND hButton = ::GetDlgItem(m_hWnd, nID);
    // a disabled button with the focus would leave the keys nowhere: on to the next
    if (!bEnable && ::GetFocus() == hButton)
        ::SendMessageA(::GetParent(m_hWnd), WM_NEXTDLGCTL, 0, 0);
    ::EnableWindow(hButton, bEnable);
}

// the tools' buttons choose the tool, the others' clicks are the overlay's commands
BOOL CCaptureToolbar::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int nTool = static_cast<int>(LOWORD(wParam)) - IDC_MARK_RECTANGLE;
    if (nTool >= MarkRectangle && nTool <= MarkMosaic) {
        // the active one again: back to adjusting the selection
        SetTool(nTool == m_tool ? MarkNone : static_cast<MarkKind>(nTool));
        return TRUE;
    }
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, wParam, lParam);
    return TRUE;
}

BOOL CCaptureToolbar::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST) m_tips.RelayEvent(pMsg);
    return FALSE;
}
