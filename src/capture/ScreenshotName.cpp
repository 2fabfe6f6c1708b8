#include "ScreenshotName.h"

#include <cstdio>

const char kScreenshotFolder[] = "Orbavel";

std::string ScreenshotFileName(const ScreenshotTime& time, unsigned nCopy) {
    char name[96];
    int n = std::snprintf(name, sizeof(name), "%s %04d-%02d-%02d %02d-%02d-%02d", kScreenshotFolder,
                          time.year, time.month, time.day, time.hour, time.minute, time.second);
    if (nCopy > 1) {
        n += std::snprintf(name + n, sizeof(name) - static_cast<size_t>(n), " (%u)", nCopy);
    }
    return std::string(name, static_cast<size_t>(n)) + ".png";
}
