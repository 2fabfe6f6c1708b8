// The capture's toolbar: a row of push buttons with text that stands beside the
// selection while there is one. A button's click is the overlay's command of the same
// id, so that a button does exactly what its key or mouse gesture does. More buttons
// (tools, say) are more entries in the row.
#pragma once

#include <initializer_list>
#include <vector>

#include "CButton.h"
#include "CaptureLayout.h"

class CCaptureToolbar : public CWnd {
public:
    struct Button {
        UINT nID;
        const char* pszTextUtf8;
        DWORD dwStyle;  // BS_PUSHBUTTON, or BS_DEFPUSHBUTTON for the one Enter presses
    };

    // A hidden child of the overlay with the buttons in a row, in this order, in the
    // overlay's font; Tab reaches them. FALSE if a window could not be made.
    BOOL Create(CWnd* pOverlay, std::initializer_list<Button> buttons);
    // Beside the selection (the overlay's client coordinates) on the monitor that shows
    // its bottom-right corner; the overlay covers the virtual screen of the layout.
    void ShowBeside(const PixelRect& selection, const ScreenLayout& screen);
    void Hide();

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<CWndPtr<CButton>> m_buttons;
    TrackSize m_size;
};
