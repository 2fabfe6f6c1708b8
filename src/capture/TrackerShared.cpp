#include "TrackerShared.h"

#include <utility>

#include "Afx.h"
#include "CBitmap.h"
#include "TrackerGeometry.h"

namespace {

// resources of the system's own trackers: the launcher has none of them
const WORD kSystemCursors[TrackerShared::kCursorCount] = {30983, 30984, 0, 0,     30985,
                                                          30986, 0,     0, 30987, 30988};
// entries that repeat another: 2 = 0, 3 = 1, 6 = 4, 7 = 5
const int kSameAs[TrackerShared::kCursorCount] = {-1, -1, 0, 1, -1, -1, 4, 5, -1, -1};

}  // namespace

TrackerShared& TrackerShared::Get() {
    // made once; a failure leaves it unmade, to be tried again by the next tracker
    static TrackerShared shared;
    return shared;
}

TrackerShared::TrackerShared() {
    static const WORD kDiagonals[8] = {0x1111, 0x2222, 0x4444, 0x8888,
                                       0x1111, 0x2222, 0x4444, 0x8888};
    CBitmap bmpHatch;
    if (!bmpHatch.Attach(::CreateBitmap(8, 8, 1, 1, kDiagonals)) ||
        !m_brushHatch.Attach(::CreatePatternBrush(bmpHatch))) {
        AfxThrowResourceException();
    }
    SetPenColour(RGB(0, 0, 0));
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    for (int i = 0; i < kCursorCount; i++) {
        m_hCursors[i] = kSameAs[i] >= 0 ? m_hCursors[kSameAs[i]]
                                        : ::LoadCursorA(hInst, MAKEINTRESOURCEA(kSystemCursors[i]));
    }
    m_nHandleSize = TrackerGeometry::SaneHandleSize(
        static_cast<int32_t>(::GetProfileIntA("windows", "oleinplaceborderwidth", 4)));
}

void TrackerShared::SetPenColour(COLORREF crColour) {
    CPen penDotted, penSolid;
    if (!penDotted.CreatePen(PS_DOT, 0, crColour) || !penSolid.CreatePen(PS_SOLID, 0, crColour)) {
        AfxThrowResourceException();
    }
    // the old pens are selected nowhere (Draw selects them only while it draws): the
    // locals delete them
    std::swap(m_penDotted.m_hObject, penDotted.m_hObject);
    std::swap(m_penSolid.m_hObject, penSolid.m_hObject);
}
