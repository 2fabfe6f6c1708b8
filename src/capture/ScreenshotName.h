// Where a screenshot saved by the capture goes: a folder named after the game in
// the player's pictures, and a file named after the game and the local time of
// the save. Portable: no <windows.h>.
#pragma once

#include <string>

// the folder below the player's pictures
extern const char kScreenshotFolder[];

struct ScreenshotTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "Orbavel 2026-12-08 07-41-22.png" for the first file of that second; the second
// one (nCopy 2) is "Orbavel 2026-12-08 07-41-22 (2).png", and so on.
std::string ScreenshotFileName(const ScreenshotTime& time, unsigned nCopy);
