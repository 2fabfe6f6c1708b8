// The capture overlay's information box: a read-only grey text box in a top
// corner of the monitor the pointer is on, with the colour under the pointer and the
// help of the moment. It jumps to the other top corner whenever the pointer reaches
// it, so that it never hides what the user wants to select. It also draws the
// position box that follows the pointer while a selection is adjusted.
#pragma once

#include "CEdit.h"
#include "CaptureLayout.h"

class CDC;

class CCapScreenEdit : public CEdit {
public:
    bool m_bOnRight = false;  // at the right-hand top corner
    PixelRect m_rcMonitor;    // of this monitor (screen coordinates)
    TrackPoint m_ptOrigin;    // where the overlay's client area starts on the screen

    // the colour line's format (UTF-8): the colour of the pixel under the pointer
    static const char kColourFormat[];

    // The whole text anew; the colour it shows is what the next UpdatePixelColour
    // compares with, not the one the box showed before (in this capture or the last).
    void SetHelpText(const CString& text);
    // Shows the colour of the overlay's pixel under the pointer, replacing only the
    // value in the colour line, and only when it changed.
    void UpdatePixelColour(CWnd* pOverlay);
    // Moves to the corner of this side on the monitor, unless it stands there.
    void PlaceOnMonitor(const PixelRect& monitor, TrackPoint origin);
    // The selection's corner and size and the pointer position, in screen coordinates,
    // in a framed box beside the pointer on its monitor; rectOuter is the tracker's
    // outer rectangle in the overlay's client coordinates.
    static void DrawInfoBox(CDC* pPaintDC, const RECT& rectOuter, const ScreenLayout& screen);

    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    BOOL OnEraseBkgnd(CDC* pDC);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

protected:
    DECLARE_MESSAGE_MAP()

private:
    void ReplaceColourValue(const CString& value);
};
