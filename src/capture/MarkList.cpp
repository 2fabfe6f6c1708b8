#include "MarkList.h"

void MarkList::Begin(MarkKind kind, MarkStyle style, TrackPoint press, const PixelRect& clip) {
    Finish();  // one whose button-up never came
    m_marks.emplace_back();
    Mark& mark = m_marks.back();
    mark.kind = kind;
    mark.style = style;
    mark.clip = clip;
    mark.points.assign(kind == MarkPen ? 1 : 2, press);  // a pen's every point, the others' ends
    m_bDrawing = true;
}

MarkList::Change MarkList::DragTo(TrackPoint point) {
    if (!m_bDrawing) return {};
    Mark& mark = m_marks.back();
    const TrackPoint last = mark.points.back();
    if (last.x == point.x && last.y == point.y) return {};
    if (mark.kind == MarkPen) {
        // only the new stroke changes, over what was drawn
        mark.points.push_back(point);
        const TrackPoint stroke[] = {last, point};
        return {Intersect(Around(stroke, 2, mark.style.width), mark.clip), false};
    }
    const PixelRect before = mark.Bounds();
    mark.points.back() = point;
    if (mark.kind == MarkMosaic && m_picture.pixels) {
        mark.pixels = MosaicPixels(m_picture, mark.Area(), mark.points.front());
    }
    return {Union(before, mark.Bounds())};
}

MarkList::Change MarkList::End(TrackPoint point) {
    const Change change = DragTo(point);
    Finish();
    return change;
}

void MarkList::Finish() {
    if (m_bDrawing && !m_marks.back().ShowsSomething()) m_marks.pop_back();
    m_bDrawing = false;
}

MarkList::Change MarkList::Undo() {
    if (m_marks.empty()) return {};
    const Change change = {m_marks.back().Bounds()};
    m_marks.pop_back();
    m_bDrawing = false;
    return change;
}

MarkList::Change MarkList::Clear() {
    Change change;
    for (const Mark& mark : m_marks) change.area = Union(change.area, mark.Bounds());
    m_marks.clear();
    m_bDrawing = false;
    return change;
}
