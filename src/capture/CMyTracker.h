// The selection rectangle of the capture overlay on the screen: its frame and
// handles, the pointer over each part, and the mouse loop that moves or resizes
// it. The arithmetic is TrackerGeometry's; this adds the window side.
#pragma once

#include <windows.h>

#include "CPoint.h"
#include "TrackerGeometry.h"

class CDC;
class CWnd;

class CMyTracker : public TrackerGeometry {
public:
    CMyTracker();

    COLORREF m_crColour = 0;
    bool m_bErase = false;       // the feedback call is for the rectangle being left
    bool m_bFinalErase = false;  // ... for the last time

    // Asks for the rectangle to be shown: nothing here; an owner that draws it in
    // its own painting repaints.
    virtual void ShowDragFeedback(const PixelRect& rect, CWnd* pClipWnd, CDC* pDC, CWnd* pWnd);
    virtual void OnChangedRect(const PixelRect& rectOld);

    // The colour of the frame (of every tracker: the pens are shared) and the handles.
    void SetRectColour(COLORREF crColour);
    // the launcher's pointers over the handles and inside the rectangle
    static void LoadResizeCursors();

    void Draw(CDC* pDC) const;
    // Sets the pointer for the part of the rectangle under it; FALSE when it is over none.
    BOOL SetCursorFor(CWnd* pWnd, UINT nHitTest) const;
    // Moves or resizes with the mouse until the left button is released (TRUE when
    // the rectangle changed), Esc or the right button is pressed, the capture is lost
    // or the application is quitting (the rectangle as it was, FALSE).
    BOOL TrackHandle(int nHandle, CWnd* pWnd, CPoint point);

private:
    bool TrackMouse(const Drag& drag, const MSG& msg, bool& bMoved, CWnd* pWnd, CDC* pDC);
};
