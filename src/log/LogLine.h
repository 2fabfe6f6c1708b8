// One line of the launcher's log: the local time to the millisecond, the thread,
// a short event name and its details.
#pragma once

#include <string>

struct LogTime {
    unsigned year, month, day, hour, minute, second, millisecond;
};

// "2026-12-08 07:41:22.123 [1234] event details\r\n". Control characters in the
// details become blanks, so that nothing they carry can start a line of its own.
std::string FormatLogLine(const LogTime& time, unsigned long nThread, const char* pszEvent,
                          const char* pszDetails);
