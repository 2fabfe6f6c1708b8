#include "CCaptureToolbar.h"

#include "Afx.h"
#include "CClientDC.h"
#include "ToolbarPlacement.h"

namespace {

const int kPadding = 3;       // around the row and between the buttons
const int kTextMarginX = 10;  // each side of a button's text
const int kTextMarginY = 5;

}  // namespace

BOOL CCaptureToolbar::Create(CWnd* pOverlay, std::initializer_list<Button> buttons) {
    LPCSTR lpszClass =
        AfxRegisterWndClass(0, ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)),
                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateEx(WS_EX_CONTROLPARENT, lpszClass, "", WS_CHILD | WS_CLIPSIBLINGS | WS_BORDER,
                  RECT{0, 0, 0, 0}, pOverlay, 0)) {
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
        m_buttons.push_back(std::move(pButton));
        x += cell.cx + kPadding;
    }
    // the border takes a pixel on each side
    m_size = {x + 2, cell.cy + 2 * kPadding + 2};
    return TRUE;
}

void CCaptureToolbar::ShowBeside(const PixelRect& selection, const ScreenLayout& screen) {
    const PixelRect& origin = screen.virtualScreen;
    const PixelRect place = PlaceToolbar(selection.Offset(origin.left, origin.top), m_size, screen)
                                .Offset(-origin.left, -origin.top);
    SetWindowPos(HWND_TOP, place.left, place.top, place.Width(), place.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CCaptureToolbar::Hide() {
    ShowWindow(SW_HIDE);
}

// the buttons' clicks are the overlay's commands
BOOL CCaptureToolbar::OnCommand(WPARAM wParam, LPARAM lParam) {
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, wParam, lParam);
    return TRUE;
}
