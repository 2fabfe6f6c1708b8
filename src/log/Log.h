// The launcher's log, %LOCALAPPDATA%\Orbavel\Logs\Skylark.log: one line an event,
// in UTF-8. Lines are queued and written when the launcher is idle, at its end and
// when a crash is recorded; a log that cannot be written is simply not kept.
// Nothing is written to disk before LogStart, so programs that never call it (the
// tests) only queue.
#pragma once

#include <windows.h>

#include <string>

// Starts the session's log: a new one, the previous four kept under numbered names
// (bRotate), or the lines added to the current one (another launcher runs).
void LogStart(bool bRotate);
// One line: a short event name and its details, printf-style, in the ANSI code page.
// Never pass the game's command line, chat settings' values or an address's query.
void LogEvent(const char* pszEvent, const char* pszFormat, ...)
    __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
// One line whose details are UTF-16 text: a path the system has in no code page.
void LogText(const char* pszEvent, const wchar_t* pszDetails);
// A line that is written at once, with room kept for it: the end and crash records.
void LogRecord(const char* pszEvent, const std::string& details);
void LogRecord(const char* pszEvent, const std::wstring& details);
// Writes what is queued.
void LogFlush();
// The last line, with the exit code and the count of lines that did not fit.
void LogEnd(int nExitCode);

// "5 Access is denied." for a system error code or an HRESULT: the code and the
// system's text.
std::string SystemErrorText(DWORD dwError);
// %LOCALAPPDATA%\Orbavel\<name>, made if missing; empty if it cannot be. In UTF-16:
// a player's profile may be named in no code page.
std::wstring OrbavelProfileFolder(const wchar_t* pszName);
