// What every end-to-end test starts from: Skylark.exe and the demo game copied
// into a fresh folder, the game's log and records read back, and the launcher's
// windows found from outside. Every game started is ended when the test ends.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DemoLog.h"
#include "TestSupport.h"

// the 32-bit words a log line lists, or none
std::vector<uint32_t> LogWords(const std::string& line);
// the window's text in the ANSI code page
std::string WindowTextBytes(HWND hWnd);
SIZE ClientOf(HWND hWnd);
uint32_t HandleWord(HWND hWnd);
// a message sent and waited for, as another program sends it; 0x7EADBEEF for no answer
LRESULT SendCopyData(HWND hWnd, const void* data, DWORD size);

class Launcher : public testing::Test {
protected:
    static constexpr int kViewId = 0xE900;
    static constexpr int kStripId = 1031;

    void SetUp() override;
    void TearDown() override;

    // OrbavelDemo.ini with logging on and the given lines
    void WriteGameSettings(const std::string& lines = "");
    DemoLog GameLog() const { return DemoLog(m_folder / "OrbavelDemo.log"); }
    // the game's record lines of one code, as their words
    std::vector<std::vector<uint32_t>> GameRecords(unsigned code) const;
    // the lines of the game's log that contain the text
    std::vector<std::string> GameLogLines(const std::string& part) const;

    // the view of a launcher's main window, its tab strip and its page dialogs in tab order
    static HWND View(HWND hFrame) { return ::GetDlgItem(hFrame, kViewId); }
    static HWND Strip(HWND hFrame) { return ::GetDlgItem(View(hFrame), kStripId); }
    static std::vector<HWND> Pages(HWND hFrame);
    // 'w' web, 'g' play game, 't' tools for every page dialog, in tab order
    static std::string PageKinds(HWND hFrame);
    // a click on the strip's tab of that index, the row laid out for 1000 pixels
    static void ClickTab(HWND hFrame, int index);

    ScratchFolder m_folder;
};
