// The colours and widths of the marks drawn with a line, in a row of square cells
// under the toolbar's tools: six colours, red first, then three widths. A click
// chooses one; the choice holds as long as the row, that is the overlay, lives.
#pragma once

#include "CWnd.h"
#include "Mark.h"

class CMarkStyleRow : public CWnd {
public:
    static const int kCells = 9;

    // hidden, at (x, y) of the parent, with cells nCell pixels square
    BOOL Create(CWnd* pParent, int x, int y, int nCell, UINT nID);
    MarkStyle Style() const;

    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);

protected:
    DECLARE_MESSAGE_MAP()

private:
    int m_nCell = 0;
    int m_nColour = 0;
    int m_nWidth = 0;
};
