#include <windows.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

// The default skin, drawn into a Platform folder beside this test at build
// time, as the launcher loads it: every picture through GDI+, the strip and
// toolbar backgrounds also as device-dependent bitmaps.
namespace {

std::wstring skinPath(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + L"Platform\\" + name;
}

class SkinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(token_); }

    // Loads a picture, checks its size and returns the ARGB pixel at (x, y).
    static Gdiplus::ARGB pixelOf(const wchar_t* name, UINT width, UINT height, INT x, INT y) {
        Gdiplus::GpBitmap* bitmap = nullptr;
        EXPECT_EQ(Gdiplus::DllExports::GdipCreateBitmapFromFile(skinPath(name).c_str(), &bitmap),
                  Gdiplus::Ok)
            << "cannot load";
        if (!bitmap) return 0;
        UINT w = 0, h = 0;
        Gdiplus::DllExports::GdipGetImageWidth(bitmap, &w);
        Gdiplus::DllExports::GdipGetImageHeight(bitmap, &h);
        EXPECT_EQ(w, width);
        EXPECT_EQ(h, height);
        Gdiplus::ARGB colour = 0;
        Gdiplus::DllExports::GdipBitmapGetPixel(bitmap, x, y, &colour);
        Gdiplus::DllExports::GdipDisposeImage(bitmap);
        return colour;
    }

    static int brightness(Gdiplus::ARGB c) {
        return static_cast<int>((c >> 16 & 0xFF) + (c >> 8 & 0xFF) + (c & 0xFF));
    }

    static ULONG_PTR token_;
};

ULONG_PTR SkinTest::token_ = 0;

}  // namespace

TEST_F(SkinTest, GameBackgroundIsADarkPictureOfThePageSize) {
    Gdiplus::ARGB sky = pixelOf(L"PlayGameBackground.jpg", 1000, 660, 5, 5);
    EXPECT_EQ(sky >> 24, 0xFFu);
    EXPECT_LT(brightness(sky), 120);
}

TEST_F(SkinTest, LoadingStripHasTwelveTransparentFrames) {
    EXPECT_EQ(pixelOf(L"LoadingAni.png", 768, 64, 32, 32) >> 24, 0u);
    // The first frame's leading dot sits straight above the centre.
    EXPECT_GT(pixelOf(L"LoadingAni.png", 768, 64, 32, 10) >> 24, 200u);
}

TEST_F(SkinTest, TabPicturesHoldTwoFaces) {
    for (const wchar_t* name : {L"WorkspaceBtn0.bmp", L"WorkspaceBtn1.bmp", L"WorkspaceBtn2.bmp"}) {
        SCOPED_TRACE(std::string(name, name + wcslen(name)));
        EXPECT_GT(brightness(pixelOf(name, 240, 40, 60, 30)),
                  brightness(pixelOf(name, 240, 40, 180, 30)));
    }
}

TEST_F(SkinTest, ToolbarButtonsAreFourCellStrips) {
    for (const wchar_t* name : {L"WebBtnHome.bmp", L"WebBtnPrev.bmp", L"WebBtnNext.bmp",
                                L"WebBtnStop.bmp", L"WebBtnRefresh.bmp"}) {
        SCOPED_TRACE(std::string(name, name + wcslen(name)));
        pixelOf(name, 96, 24, 0, 0);
    }
}

TEST_F(SkinTest, HeadPicturesLoadAsBitmaps) {
    struct Expected {
        const wchar_t* name;
        int width;
        int height;
    };
    for (const Expected& e :
         {Expected{L"WorkspaceHead.bmp", 1000, 40}, Expected{L"NormalHead.bmp", 120, 40},
          Expected{L"ActiveHead.bmp", 120, 40}, Expected{L"WebBrowserToolbar.bmp", 1000, 32}}) {
        SCOPED_TRACE(std::string(e.name, e.name + wcslen(e.name)));
        HANDLE image =
            LoadImageW(nullptr, skinPath(e.name).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
        ASSERT_NE(image, nullptr);
        BITMAP info{};
        GetObjectW(image, sizeof(info), &info);
        EXPECT_EQ(info.bmWidth, e.width);
        EXPECT_EQ(info.bmHeight, e.height);
        DeleteObject(image);
    }
}
