// What every tracker of the process shares: the hatch brush, the frame pens, the
// pointer table and the default handle size. Made by the first tracker, kept until
// the process ends.
#pragma once

#include <windows.h>

#include "CBrush.h"
#include "CPen.h"

class TrackerShared {
public:
    // the set, made on first use; raises the resource exception if it cannot be made
    static TrackerShared& Get();

    // Makes a new pair of pens in the colour, then lets the old pair go.
    void SetPenColour(COLORREF crColour);

    static constexpr int kCursorCount = 10;  // hit codes 0-8 and 9, between handles

    CBrush m_brushHatch;
    CPen m_penDotted;
    CPen m_penSolid;
    HCURSOR m_hCursors[kCursorCount] = {};
    int m_nHandleSize = 4;

private:
    TrackerShared();
};
