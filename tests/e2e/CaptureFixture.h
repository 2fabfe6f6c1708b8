// What the screen capture's end-to-end tests start from: the launcher beside the demo
// game, a known picture over every monitor and a marker on the clipboard; and the
// overlay found, read and driven from outside with real mouse and keyboard input.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "LauncherProcess.h"
#include "PatternWindow.h"
#include "ScreenPicture.h"
#include "TestSupport.h"

const int kInfoBoxId = 1000;
const uint32_t kFrameColour = 0x0A6482;  // RGB(10, 100, 130)
const uint32_t kNoColour = 0xFFFFFFFF;

// help texts of the three states (parts of them, in UTF-8)
const char kNothingSelected[] = "按下鼠标左键不放选择截取";
const char kDrawing[] = "松开鼠标左键确定截取范围";
const char kAdjustable[] = "复制到剪贴板";

std::string Ansi(const char* utf8);
// the virtual screen: every monitor's
RECT ScreenRect();
// the text the fixture put on the clipboard is there, and no picture
bool ClipboardHoldsMarker();

// Points the player's pictures folder elsewhere while it lives; then the system
// takes its default again.
class PicturesFolder {
public:
    explicit PicturesFolder(const std::wstring& path);
    ~PicturesFolder();
    PicturesFolder(const PicturesFolder&) = delete;
    PicturesFolder& operator=(const PicturesFolder&) = delete;

private:
    HKEY m_hKey = nullptr;
};
// the pixels of a screenshot the launcher saved in the folder (the first one found)
ScreenPicture SavedPicture(const std::wstring& folder);

class CaptureFixture : public testing::Test {
protected:
    void SetUp() override;

    bool WaitForScreenPixel(int x, int y, uint32_t colour);
    // the overlay once it covers the screen and shows its first help text
    HWND WaitForOverlay();
    HWND OpenByCommand();
    // a dialog box of the launcher's that the overlay owns (a message box), once it shows
    HWND WaitForOwnedBox(HWND hOverlay);

    static std::string HelpText(HWND hOverlay);
    static bool WaitForHelp(HWND hOverlay, const char* utf8);
    // draws a selection from a press to a release and waits until it can be adjusted
    static bool Select(HWND hOverlay, POINT from, POINT to);
    // Points there and waits for the overlay's colour readout of the colour expected
    // there: the overlay has then handled all input before.
    static bool PointAt(HWND hOverlay, int x, int y, uint32_t colour);
    // a double-click on the frozen picture (or, with a colour, on what is drawn over it)
    static void DoubleClickAt(HWND hOverlay, int x, int y, uint32_t colour = kNoColour);
    // the toolbar's button of that text (UTF-8) once it shows; null if none does
    static HWND ToolbarButton(HWND hOverlay, const char* utf8);
    // clicks the toolbar's button of that text once it shows; false if none does
    static bool ClickToolbarButton(HWND hOverlay, const char* utf8);
    // the clipboard's picture once the overlay has closed
    ScreenPicture CopiedPicture(HWND hOverlay);

    ScratchFolder m_folder;
    std::unique_ptr<LauncherProcess> m_launcher;
    std::unique_ptr<PatternWindow> m_pattern;
    HWND m_hFrame = nullptr;
};
