// What is selected into a DC through a CDC is selected out when the CDC goes.
#include <gtest/gtest.h>

#include "CDC.h"

namespace {

struct Selection {
    HGDIOBJ hBitmap, hPen, hBrush, hFont;
    explicit Selection(HDC hDC)
        : hBitmap(::GetCurrentObject(hDC, OBJ_BITMAP)),
          hPen(::GetCurrentObject(hDC, OBJ_PEN)),
          hBrush(::GetCurrentObject(hDC, OBJ_BRUSH)),
          hFont(::GetCurrentObject(hDC, OBJ_FONT)) {}
    bool operator==(const Selection& o) const {
        return hBitmap == o.hBitmap && hPen == o.hPen && hBrush == o.hBrush && hFont == o.hFont;
    }
};

TEST(DeviceContext, SelectionsAreUndoneOnEveryPathAndAMemoryDCLetsGoOfItsBitmap) {
    HDC hDC = ::CreateCompatibleDC(nullptr);
    const Selection before(hDC);
    CBitmap bitmap, other;
    bitmap.Attach(::CreateBitmap(8, 8, 1, 1, nullptr));
    other.Attach(::CreateBitmap(8, 8, 1, 1, nullptr));
    CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
    CBrush brush;
    brush.Attach(::CreateSolidBrush(RGB(4, 5, 6)));
    CFont font;
    font.CreatePointFont(90, "Arial");
    try {
        CDC dc(hDC);
        dc.SelectObject(&bitmap);
        dc.SelectObject(&pen);
        dc.SelectObject(&brush);
        dc.SelectObject(&other);  // a second bitmap: the first one's predecessor comes back
        dc.SelectObject(&font);
        EXPECT_EQ(::GetCurrentObject(hDC, OBJ_BITMAP), other.m_hObject);
        throw 1;
    } catch (int) {
    }
    EXPECT_TRUE(Selection(hDC) == before);
    ::DeleteDC(hDC);

    // a bitmap is in one DC at a time: the second takes it only once the first let go
    {
        CDC memory;
        ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
        ASSERT_NE(memory.SelectObject(&bitmap), nullptr);
    }
    CDC second;
    second.CreateCompatibleDC(nullptr);
    EXPECT_NE(second.SelectObject(&bitmap), nullptr);
}

}  // namespace
