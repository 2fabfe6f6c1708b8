// The marks drawn over the capture's frozen picture, in drawing order, the last one
// perhaps still being drawn. Undo takes the last one off: the picture under them is
// never touched, so what shows after an undo is exactly what showed before the mark.
// Portable: no <windows.h>.
#pragma once

#include <vector>

#include "Mark.h"

class MarkList {
public:
    // What a change asks to repaint. Without erasing, the marks are drawn again over
    // what shows, which is enough where they only grew (a pen's new stroke).
    struct Change {
        PixelRect area;
        bool bErase = true;
    };

    // where a mosaic takes its colours from: the frozen picture, which outlives the list
    void SetPicture(const PictureView& picture) { m_picture = picture; }

    // a mark of the kind from the press, inside the clip (which lies within the picture)
    void Begin(MarkKind kind, MarkStyle style, TrackPoint press, const PixelRect& clip);
    Change DragTo(TrackPoint point);
    // the mark drawn to its last point; a click that showed nothing is dropped
    Change End(TrackPoint point);
    bool Drawing() const { return m_bDrawing; }

    Change Undo();
    Change Clear();
    bool Empty() const { return m_marks.empty(); }
    const std::vector<Mark>& Marks() const { return m_marks; }

private:
    void Finish();

    std::vector<Mark> m_marks;
    bool m_bDrawing = false;
    PictureView m_picture;
};
