// The marks over the capture's frozen picture: drawn with the mouse while a tool of
// the toolbar is active, painted over the picture in the overlay's own painting and
// into the copies of the selection, so that a copy is what the overlay shows. Each
// change repaints only the rectangle it touched.
#pragma once

#include <windows.h>

#include <vector>

#include "CPoint.h"
#include "MarkList.h"

class CWnd;

class CMarkLayer {
public:
    explicit CMarkLayer(CWnd& overlay) : m_overlay(overlay) {}

    // the frozen picture, whose pixels a mosaic takes when first drawn
    void SetPicture(HBITMAP hPicture) { m_hPicture = hPicture; }

    // A mark of the kind begun at the point, inside the clip (within the picture): the
    // overlay holds the mouse until the release.
    void Press(MarkKind kind, MarkStyle style, CPoint point, const PixelRect& clip);
    void Drag(CPoint point);
    void Release(CPoint point);
    bool Drawing() const { return m_list.Drawing(); }

    // the last mark taken off; false when there was none
    bool Undo();
    // every mark taken off; false when there was none
    bool Clear();
    bool Empty() const { return m_list.Empty(); }

    // The marks that meet the area, in drawing order, on a DC in the overlay's client
    // coordinates; false when a pen or a brush could not be made.
    bool Paint(HDC hDC, const PixelRect& area) const;
    // The marks drawn on a copy of the picture's rectangle r; false when no DC could be made.
    bool PaintInto(HBITMAP hCopy, const PixelRect& r) const;

private:
    bool Repaint(const MarkList::Change& change);

    CWnd& m_overlay;
    MarkList m_list;
    HBITMAP m_hPicture = nullptr;
    std::vector<uint32_t> m_pixels;  // the picture's, once a mosaic needs them
};
