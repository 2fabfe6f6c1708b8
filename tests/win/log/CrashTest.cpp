// The crash handler in a program of its own: the test starts itself again as a child
// that installs the handler and crashes, then reads what the child left behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <dbghelp.h>

#include <cstring>
#include <string>

#include "ChildProcess.h"
#include "CrashHandler.h"
#include "DemoLog.h"
#include "EnvironmentVariable.h"
#include "Log.h"
#include "ScratchFolder.h"
#include "WinePath.h"

namespace {

const char kCrashArgument[] = "--crash";
int* volatile g_pNowhere = nullptr;  // null, though the compiler cannot know it

// The function the record must name, and the one that calls it.
__attribute__((noinline)) void CrashForTheRecord() {
    *g_pNowhere = 42;
}

__attribute__((noinline)) int CrashAsChild() {
    LogStart(true);
    InstallCrashHandler();
    LogEvent("test", "the last line before the crash");  // queued: the crash writes it
    CrashForTheRecord();
    return 0;
}

// The file is a minidump of the system's format, and its exception is the crash's.
void ExpectMinidumpOfAnAccessViolation(const std::string& path) {
    HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE) << path;
    HANDLE hMapping = ::CreateFileMappingA(hFile, nullptr, PAGE_READONLY, 0, 0, nullptr);
    ::CloseHandle(hFile);
    void* pDump = hMapping ? ::MapViewOfFile(hMapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    if (hMapping) ::CloseHandle(hMapping);
    ASSERT_NE(pDump, nullptr) << path;
    const auto* pHeader = static_cast<const MINIDUMP_HEADER*>(pDump);
    EXPECT_EQ(pHeader->Signature, 0x504D444Du);  // "MDMP"
    EXPECT_EQ(pHeader->Version & 0xFFFF, static_cast<ULONG32>(MINIDUMP_VERSION));
    void* pStream = nullptr;
    ULONG cbStream = 0;
    if (::MiniDumpReadDumpStream(pDump, ExceptionStream, nullptr, &pStream, &cbStream) &&
        cbStream >= sizeof(MINIDUMP_EXCEPTION_STREAM)) {
        EXPECT_EQ(
            static_cast<const MINIDUMP_EXCEPTION_STREAM*>(pStream)->ExceptionRecord.ExceptionCode,
            static_cast<ULONG32>(EXCEPTION_ACCESS_VIOLATION));
    } else {
        ADD_FAILURE() << "no exception in the minidump";
    }
    ::UnmapViewOfFile(pDump);
}

// Leaves the log where the check that reads its addresses back finds it.
TEST(CrashRecord, ACrashWritesTheLastLinesWhatAndWhereAndAMinidumpAndEndsWithItsCode) {
    const std::string logCopy = WinePath(SKYLARK_CRASH_LOG);
    ::DeleteFileA(logCopy.c_str());
    ScratchFolder profile("skylark-crash");
    EnvironmentVariable localAppData("LOCALAPPDATA", profile.Path());
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, sizeof(self));
    const std::string path = self;
    const size_t slash = path.rfind('\\');
    ChildProcess child(path.substr(0, slash), path.substr(slash + 1), kCrashArgument);
    ASSERT_TRUE(child.Started());
    ASSERT_TRUE(child.WaitForExit(60000));
    EXPECT_EQ(child.ExitCode(), static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));

    const std::string log = profile / "Orbavel\\Logs\\Skylark.log";
    std::string text;
    for (const std::string& line : DemoLog(log).Lines()) text += line + "\n";
    const std::string expected[] = {
        "] test the last line before the crash",
        "] crash code=0xC0000005 EXCEPTION_ACCESS_VIOLATION writing 0x0 thread=",
        // where, and who called it: crash_record_lines reads those lines back
        "] crash minidump " + profile.Path() + "\\Orbavel\\Crashes\\Skylark ",
    };
    size_t at = 0;
    for (const std::string& part : expected) {
        at = text.find(part, at);
        ASSERT_NE(at, std::string::npos) << "no " << part << " in\n" << text;
    }
    const std::string crashes = profile / "Orbavel\\Crashes\\";
    WIN32_FIND_DATAA found = {};
    HANDLE hFind = ::FindFirstFileA((crashes + "Skylark *.dmp").c_str(), &found);
    ASSERT_NE(hFind, INVALID_HANDLE_VALUE) << "no minidump";
    ::FindClose(hFind);
    ExpectMinidumpOfAnAccessViolation(crashes + found.cFileName);
    EXPECT_TRUE(::CopyFileA(log.c_str(), logCopy.c_str(), FALSE));
}

// The launcher runs on as it was when its profile cannot hold a log.
TEST(Log, AProfileThatCannotBeWrittenToKeepsNoLogAndEndsAsUsual) {
    ScratchFolder profile("skylark-nolog");
    profile.Write("not-a-folder", "a file where the profile's folder should be");
    EnvironmentVariable localAppData("LOCALAPPDATA", profile / "not-a-folder");
    LogStart(true);
    LogEvent("test", "a line nobody keeps");
    LogFlush();
    LogEnd(0);
    EXPECT_EQ(OrbavelProfileFolder(L"Logs"), L"");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kCrashArgument) == 0) return CrashAsChild();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
