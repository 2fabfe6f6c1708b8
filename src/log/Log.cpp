#include "Log.h"

#include <shlobj.h>

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "LogFolder.h"
#include "LogLine.h"
#include "LogWriter.h"

namespace {

// How long the end and crash records wait for a line being added elsewhere: a
// crashed thread may hold the lock for good, and the record matters more.
const DWORD kRecordLockWaitMs = 2000;

// Made on first use and never destroyed: a thread may still log while the process ends.
struct Session {
    Session() : writer(folder) { ::InitializeCriticalSection(&lock); }
    CRITICAL_SECTION lock;
    CLogFolder folder;
    CLogWriter writer;
};

Session& TheSession() {
    static Session* pSession = new Session;
    return *pSession;
}

class SessionLock {
public:
    explicit SessionLock(Session& session, DWORD dwPatienceMs = INFINITE) : m_session(session) {
        if (dwPatienceMs == INFINITE) {
            ::EnterCriticalSection(&m_session.lock);
            m_bHeld = true;
            return;
        }
        const DWORD dwStart = ::GetTickCount();
        while (!(m_bHeld = ::TryEnterCriticalSection(&m_session.lock) != FALSE) &&
               ::GetTickCount() - dwStart < dwPatienceMs) {
            ::Sleep(10);
        }
    }
    ~SessionLock() {
        if (m_bHeld) ::LeaveCriticalSection(&m_session.lock);
    }
    SessionLock(const SessionLock&) = delete;
    SessionLock& operator=(const SessionLock&) = delete;

private:
    Session& m_session;
    bool m_bHeld = false;
};

std::string Utf8FromWide(const wchar_t* pszWide) {
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, pszWide, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return std::string();
    std::string utf8(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, pszWide, -1, &utf8[0], n, nullptr, nullptr);
    utf8.resize(static_cast<size_t>(n - 1));
    return utf8;
}

std::string Utf8FromAnsi(const char* pszAnsi) {
    const char* p = pszAnsi;
    while (*p && !(*p & 0x80)) p++;
    if (!*p) return pszAnsi;  // ASCII is the same in both
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, pszAnsi, -1, nullptr, 0);
    if (nWide <= 0) return std::string();
    std::vector<wchar_t> wide(static_cast<size_t>(nWide));
    ::MultiByteToWideChar(CP_ACP, 0, pszAnsi, -1, wide.data(), nWide);
    return Utf8FromWide(wide.data());
}

std::string Line(const char* pszEvent, const std::string& utf8Details) {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    const LogTime time = {st.wYear,   st.wMonth,  st.wDay,         st.wHour,
                          st.wMinute, st.wSecond, st.wMilliseconds};
    return FormatLogLine(time, ::GetCurrentThreadId(), pszEvent, utf8Details.c_str());
}

void Record(const std::string& line) {
    Session& session = TheSession();
    SessionLock lock(session, kRecordLockWaitMs);
    session.writer.Add(line, true);
    session.writer.Flush();
}

void Queue(const std::string& line) {
    Session& session = TheSession();
    SessionLock lock(session);
    session.writer.Add(line);
    // a burst is written rather than left out
    if (session.writer.Queued() > CLogWriter::kMaxQueued / 2) session.writer.Flush();
}

std::wstring LocalAppDataFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = ::GetEnvironmentVariableW(L"LOCALAPPDATA", path, MAX_PATH);
    if (n > 0 && n < MAX_PATH) return path;
    // older systems have no such variable
    if (SUCCEEDED(
            ::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) {
        return path;
    }
    return std::wstring();
}

bool MakeFolder(const std::wstring& path) {
    if (::CreateDirectoryW(path.c_str(), nullptr)) return true;
    const DWORD dwAttributes = ::GetFileAttributesW(path.c_str());
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void LogStart(bool bRotate) {
    Session& session = TheSession();
    SessionLock lock(session);
    session.writer.Start(bRotate);
}

void LogEvent(const char* pszEvent, const char* pszFormat, ...) {
    char details[1024];
    va_list args;
    va_start(args, pszFormat);
    std::vsnprintf(details, sizeof(details), pszFormat, args);
    va_end(args);
    Queue(Line(pszEvent, Utf8FromAnsi(details)));
}

void LogText(const char* pszEvent, const wchar_t* pszDetails) {
    Queue(Line(pszEvent, Utf8FromWide(pszDetails)));
}

void LogRecord(const char* pszEvent, const std::string& details) {
    Record(Line(pszEvent, Utf8FromAnsi(details.c_str())));
}

void LogRecord(const char* pszEvent, const std::wstring& details) {
    Record(Line(pszEvent, Utf8FromWide(details.c_str())));
}

void LogFlush() {
    Session& session = TheSession();
    SessionLock lock(session);
    session.writer.Flush();
}

void LogEnd(int nExitCode) {
    char text[64];
    std::snprintf(text, sizeof(text), "code=%d", nExitCode);
    LogRecord("exit", text);
    Session& session = TheSession();
    unsigned long nDropped = 0;
    {
        SessionLock lock(session, kRecordLockWaitMs);  // another thread may still be logging
        nDropped = session.writer.Dropped();
    }
    if (nDropped) {
        std::snprintf(text, sizeof(text), "%lu more lines did not fit", nDropped);
        LogRecord("log-full", text);
    }
    SessionLock lock(session);
    session.folder.Close();
}

std::string SystemErrorText(DWORD dwError) {
    char text[512] = {};
    ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, dwError,
                     0, text, sizeof(text), nullptr);
    char code[16];  // an HRESULT in hex, as it is documented
    std::snprintf(code, sizeof(code), (dwError & 0x80000000) ? "0x%08lX " : "%lu ", dwError);
    std::string result = std::string(code) + text;
    while (!result.empty() &&
           (result.back() == '\n' || result.back() == '\r' || result.back() == ' ')) {
        result.pop_back();
    }
    return result;
}

std::wstring OrbavelProfileFolder(const wchar_t* pszName) {
    const std::wstring base = LocalAppDataFolder();
    if (base.empty()) return base;
    const std::wstring game = base + L"\\Orbavel";
    const std::wstring folder = game + L"\\" + pszName;
    return MakeFolder(game) && MakeFolder(folder) ? folder : std::wstring();
}
