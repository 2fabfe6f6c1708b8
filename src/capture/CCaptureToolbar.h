// The capture's toolbar: a row of buttons with text that stands beside the selection
// while there is one. A push button's click is the overlay's command of the same id,
// so that a button does exactly what its key or mouse gesture does. The mark tools'
// buttons stay pressed in while their tool is active, one at a time; with rectangle,
// arrow or pen, a row of colours and widths shows under them.
#pragma once

#include <initializer_list>
#include <vector>

#include "CButton.h"
#include "CMarkStyleRow.h"
#include "CToolTipCtrl.h"
#include "CaptureLayout.h"

class CCaptureToolbar : public CWnd {
public:
    struct Button {
        UINT nID;
        const char* pszTextUtf8;
        DWORD dwStyle;  // BS_PUSHBUTTON, BS_DEFPUSHBUTTON for the one Enter presses, or kTool
        const char* pszTipUtf8;  // or null
    };
    // a mark tool's button: IDC_MARK_RECTANGLE onwards, in the order of MarkKind
    static const DWORD kTool = BS_PUSHLIKE | BS_CHECKBOX;

    // A hidden child of the overlay with the buttons in a row, in this order, in the
    // overlay's font; Tab reaches them. FALSE if a window could not be made.
    BOOL Create(CWnd* pOverlay, std::initializer_list<Button> buttons);
    // Beside the selection (the overlay's client coordinates) on the monitor that shows
    // its bottom-right corner; the overlay covers the virtual screen of the layout.
    void ShowBeside(const PixelRect& selection, const ScreenLayout& screen);
    void Hide();

    // the active tool, MarkNone while the selection is adjusted
    MarkKind Tool() const { return m_tool; }
    void SetTool(MarkKind tool);
    MarkStyle Style() const { return m_styleRow.Style(); }
    void EnableButton(UINT nID, bool bEnable);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

private:
    std::vector<CWndPtr<CButton>> m_buttons;
    CMarkStyleRow m_styleRow;
    CToolTipCtrl m_tips;
    TrackSize m_size;  // with the row of styles
    int m_nRowHeight = 0;
    MarkKind m_tool = MarkNone;
    PixelRect m_selection;  // beside which it last stood
    const ScreenLayout* m_pScreen = nullptr;
};
