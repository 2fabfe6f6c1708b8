#include <gtest/gtest.h>

#include <string>

#include "HyperLinkFit.h"
#include "HyperLinkOpen.h"

namespace {

// a 100 x 20 control at (50, 30) with a 2-pixel border all round
const PixelRect kWindow = {50, 30, 150, 50};
const int kClientW = 96, kClientH = 16;

}  // namespace

TEST(HyperLinkFit, KeepsTheLeftEdgeTheCentreOrTheRightEdgeAndTheBorders) {
    PixelRect left = FitLinkRect(kWindow, kClientW, kClientH, 40, 12, {false, false, false});
    EXPECT_EQ(left.left, 50);
    EXPECT_EQ(left.right, 94);  // 40 + 4 of border
    EXPECT_EQ(left.top, 30);
    EXPECT_EQ(left.bottom, 46);

    PixelRect centre = FitLinkRect(kWindow, kClientW, kClientH, 40, 12, {true, false, false});
    EXPECT_EQ(centre.left, 78);
    EXPECT_EQ(centre.right, 122);
    EXPECT_EQ((centre.left + centre.right) / 2, (kWindow.left + kWindow.right) / 2);

    PixelRect right = FitLinkRect(kWindow, kClientW, kClientH, 40, 12, {false, true, false});
    EXPECT_EQ(right.right, 150);
    EXPECT_EQ(right.left, 106);

    // vertically centred: the middle stays, the shrink truncated toward zero
    PixelRect middle = FitLinkRect(kWindow, kClientW, kClientH, 40, 11, {false, false, true});
    EXPECT_EQ(middle.top, 32);
    EXPECT_EQ(middle.bottom, 48);
    // a text wider than the control grows it about its centre
    PixelRect wide = FitLinkRect(kWindow, kClientW, kClientH, 197, 12, {true, false, false});
    EXPECT_EQ(wide.left, 0);
    EXPECT_EQ(wide.right, 200);
}

TEST(HyperLinkOpen, TheBrowserCommandEndsWhereItsPlaceholderWasAndTakesTheAddress) {
    const std::string url = "http://example.test/a?b=1";
    EXPECT_EQ(MakeBrowserCommand("\"C:\\b\\browser.exe\" \"%1\" -nohome -new", url),
              "\"C:\\b\\browser.exe\"  " + url);
    EXPECT_EQ(MakeBrowserCommand("C:\\b\\browser.exe %1 -x", url), "C:\\b\\browser.exe  " + url);
    EXPECT_EQ(MakeBrowserCommand("C:\\b\\browser.exe -new", url), "C:\\b\\browser.exe -new " + url);
    // longer than any buffer of a fixed size, still whole
    std::string longPath = "C:\\" + std::string(600, 'd') + "\\browser.exe";
    EXPECT_EQ(MakeBrowserCommand(longPath + " \"%1\"", url), longPath + "  " + url);
    // a command line the system would not start is refused
    EXPECT_EQ(MakeBrowserCommand("b.exe", std::string(kMaxCommandLine, 'u')), "");
}

TEST(HyperLinkOpen, EveryCodeHasItsTextAfterTheCommonPrefix) {
    EXPECT_EQ(OpenErrorText(26), "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(OpenErrorText(4), "Unable to open hyperlink:\n\nUnknown Error (4) occurred.");
    EXPECT_EQ(OpenErrorText(0),
              "Unable to open hyperlink:\n\nThe operating system is out\nof memory or resources.");
    EXPECT_EQ(OpenErrorText(30),
              "Unable to open hyperlink:\n\nThe DDE transaction could not\nbe completed because "
              "other DDE transactions\nwere being processed.");
    EXPECT_EQ(OpenErrorText(-1), "Unable to open hyperlink:\n\nUnknown Error (-1) occurred.");
}
