// The crash handler in a program of its own: the test starts itself again as a child
// that installs the handler and crashes, then reads what the child left behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <dbghelp.h>

#include <cstring>
#include <string>
#include <vector>

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

// The file's header and directory hold together, and its exception is the crash's.
void ExpectMinidumpOfAnAccessViolation(const std::string& path) {
    HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE) << path;
    std::vector<char> bytes(::GetFileSize(hFile, nullptr));
    DWORD dwRead = 0;
    ::ReadFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &dwRead, nullptr);
    ::CloseHandle(hFile);
    ASSERT_GE(bytes.size(), sizeof(MINIDUMP_HEADER));
    MINIDUMP_HEADER header;
    std::memcpy(&header, bytes.data(), sizeof(header));
    EXPECT_EQ(header.Signature, 0x504D444Du);  // "MDMP"
    EXPECT_EQ(header.Version & 0xFFFF, static_cast<ULONG32>(MINIDUMP_VERSION));
    ASSERT_GT(header.NumberOfStreams, 0u);
    ASSERT_LE(header.StreamDirectoryRva + header.NumberOfStreams * sizeof(MINIDUMP_DIRECTORY),
              bytes.size());
    bool bException = false;
    for (ULONG32 i = 0; i < header.NumberOfStreams; i++) {
        MINIDUMP_DIRECTORY entry;
        std::memcpy(&entry, &bytes[header.StreamDirectoryRva + i * sizeof(entry)], sizeof(entry));
        if (entry.StreamType != ExceptionStream) continue;
        ASSERT_LE(entry.Location.Rva + sizeof(MINIDUMP_EXCEPTION_STREAM), bytes.size());
        MINIDUMP_EXCEPTION_STREAM stream;
        std::memcpy(&stream, &bytes[entry.Location.Rva], sizeof(stream));
        EXPECT_EQ(stream.ExceptionRecord.ExceptionCode, EXCEPTION_ACCESS_VIOLATION);
        bException = true;
    }
    EXPECT_TRUE(bException) << "no exception in the minidump";
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
    std::vector<std::string> expected = {
        "] test the last line before the crash",
        "] crash code=0xC0000005 EXCEPTION_ACCESS_VIOLATION writing 0x0 thread=",
        "] crash at win_log.exe+0x",
    };
#if defined(__x86_64__)  // 32-bit code has no unwind tables to find callers by
    expected.push_back("] crash called from win_log.exe+0x");
#endif
    expected.push_back("] crash minidump " + profile.Path() + "\\Orbavel\\Crashes\\Skylark ");
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
