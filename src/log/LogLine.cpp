#include "LogLine.h"

#include <cstdio>

std::string FormatLogLine(const LogTime& time, unsigned long nThread, const char* pszEvent,
                          const char* pszDetails) {
    char prefix[64];
    std::snprintf(prefix, sizeof(prefix), "%04u-%02u-%02u %02u:%02u:%02u.%03u [%lu] ", time.year,
                  time.month, time.day, time.hour, time.minute, time.second, time.millisecond,
                  nThread);
    std::string line = std::string(prefix) + pszEvent;
    if (pszDetails && *pszDetails) {
        line += ' ';
        for (const char* p = pszDetails; *p; p++) {
            line += static_cast<unsigned char>(*p) < 0x20 || *p == 0x7F ? ' ' : *p;
        }
    }
    return line + "\r\n";
}
