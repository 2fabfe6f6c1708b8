// Loading skin pictures from files, and the paths they are found by.
#include <gtest/gtest.h>

#include "BmpBuilder.h"
#include "CBitmap.h"
#include "CPalette.h"
#include "GdiplusSession.h"
#include "Skin.h"
#include "TestSupport.h"
#include "WorkingPath.h"

namespace {

class Skin : public testing::Test {
protected:
    GdiplusSession m_gdiplus;  // for pictures to load
    ScratchFolder m_folder;
};

TEST_F(Skin, BitmapFilesOfEveryDepthLoadAtTheirSize) {
    struct Case {
        uint16_t bits;
        uint32_t compression, headerSize;
        int32_t height;
    } cases[] = {{1, 0, 40, 3},  {4, 0, 40, 3},  {8, 0, 40, -3},
                 {16, 3, 40, 3}, {24, 0, 40, 3}, {32, 3, 124, 3}};
    for (const Case& c : cases) {
        BmpBuilder bmp;
        bmp.width = 13;
        bmp.height = c.height;
        bmp.bitCount = c.bits;
        bmp.compression = c.compression;
        bmp.headerSize = c.headerSize;
        m_folder.Write("a.bmp", bmp.File());
        CBitmap bitmap;
        ASSERT_TRUE(LoadBitmapFile((m_folder / "a.bmp").c_str(), bitmap, nullptr)) << c.bits;
        BITMAP bm = {};
        ASSERT_TRUE(bitmap.GetBitmap(&bm));
        EXPECT_EQ(bm.bmWidth, 13);
        EXPECT_EQ(bm.bmHeight, 3);
    }
}

TEST_F(Skin, APaletteIsMadeFromTheColourTableWhenAsked) {
    BmpBuilder bmp;
    bmp.bitCount = 8;
    bmp.clrUsed = 16;
    m_folder.Write("p.bmp", bmp.File());
    CBitmap bitmap;
    CPalette palette;
    ASSERT_TRUE(LoadBitmapFile((m_folder / "p.bmp").c_str(), bitmap, &palette));
    ASSERT_NE(palette.GetSafeHandle(), nullptr);
    WORD entries = 0;
    palette.GetObject(sizeof(entries), &entries);
    EXPECT_EQ(entries, 16);
    PALETTEENTRY last = {};
    ::GetPaletteEntries(palette, 15, 1, &last);
    EXPECT_EQ(last.peRed, 255);  // the builder's grey ramp ends in white
}

TEST_F(Skin, BrokenOrMissingBitmapFilesLoadNothing) {
    CBitmap bitmap;
    EXPECT_FALSE(LoadBitmapFile((m_folder / "missing.bmp").c_str(), bitmap, nullptr));
    std::vector<uint8_t> good = BmpBuilder().File();
    std::vector<std::vector<uint8_t>> broken = {
        {},
        {'B', 'M'},
        std::vector<uint8_t>(good.begin(), good.begin() + 14),
        std::vector<uint8_t>(good.begin(), good.end() - 1),
    };
    good[0] = 'X';
    broken.push_back(good);
    for (const auto& bytes : broken) {
        m_folder.Write("b.bmp", bytes);
        EXPECT_FALSE(LoadBitmapFile((m_folder / "b.bmp").c_str(), bitmap, nullptr)) << bytes.size();
        EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
    }
}

TEST_F(Skin, PicturesLoadWithTheirSizeAndMissingOnesAreEmpty) {
    BmpBuilder bmp;
    bmp.width = 21;
    bmp.height = 9;
    m_folder.Write("pic.bmp", bmp.File());
    SkinPicture picture;
    EXPECT_TRUE(LoadSkinPicture((m_folder / "pic.bmp").c_str(), picture));
    ASSERT_NE(picture.pImage, nullptr);
    EXPECT_EQ(picture.nWidth, 21u);
    EXPECT_EQ(picture.nHeight, 9u);

    SkinPicture missing;
    EXPECT_TRUE(LoadSkinPicture((m_folder / "none.png").c_str(), missing));
    ASSERT_NE(missing.pImage, nullptr);
    EXPECT_NE(missing.pImage->GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(missing.nWidth, 0u);
    EXPECT_EQ(missing.nHeight, 0u);
}

TEST_F(Skin, PicturePathsAreTakenInTheAnsiCodePage) {
    BmpBuilder bmp;
    m_folder.Write("\xC6\xA4\xB7\xF4.bmp", bmp.File());  // "皮肤.bmp" in code page 936
    SkinPicture picture;
    LoadSkinPicture((m_folder / "\xC6\xA4\xB7\xF4.bmp").c_str(), picture);
    EXPECT_EQ(picture.nWidth, 4u);
}

TEST(WorkingPath, JoinsTheRecordedDirectory) {
    strcpy(g_szWorkingDirectory, "C:\\Games\\Orbavel");
    EXPECT_EQ(GetWorkingPath("Platform\\a.bmp"), "C:\\Games\\Orbavel\\Platform\\a.bmp");
    std::string dir = "C:\\" + std::string(247, 'd');
    strcpy(g_szWorkingDirectory, dir.c_str());
    EXPECT_EQ(GetWorkingPath("12345678").GetLength(), 259);
    EXPECT_TRUE(GetWorkingPath("123456789").IsEmpty());
}

}  // namespace
