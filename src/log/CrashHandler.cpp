#include "CrashHandler.h"

#include <windows.h>

#include <dbghelp.h>

#include <cinttypes>
#include <cstdio>
#include <cwchar>
#include <cstdlib>
#include <cxxabi.h>
#include <exception>
#include <string>
#include <typeinfo>

#include "CrashText.h"
#include "Log.h"

namespace {

// A crash can leave a lock the recording needs (the loader's, the heap's) held for
// good: past this the process ends without the rest of its record.
const DWORD kRecordingPatienceMs = 15000;
const int kMaxCallers = 32;

using MiniDumpWriteDumpFn = BOOL(WINAPI*)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE,
                                          PMINIDUMP_EXCEPTION_INFORMATION,
                                          PMINIDUMP_USER_STREAM_INFORMATION,
                                          PMINIDUMP_CALLBACK_INFORMATION);

LPTOP_LEVEL_EXCEPTION_FILTER g_pPreviousFilter = nullptr;
LONG g_nRecording = 0;
DWORD g_dwFirstCode = 0;

struct Crash {
    EXCEPTION_POINTERS* pInfo = nullptr;  // none for std::terminate
    const char* pszTerminateType = nullptr;
    const CONTEXT* pContext = nullptr;  // where the walk to the callers starts
    DWORD dwThread = 0;
    ULONG_PTR stackLow = 0, stackHigh = 0;
};

std::string HexText(ULONG_PTR value) {
    char text[24];
    std::snprintf(text, sizeof(text), "0x%" PRIxPTR, static_cast<uintptr_t>(value));
    return text;
}

// module+offset; false for an address in no loaded module
bool WhereText(ULONG_PTR address, std::string& text) {
    HMODULE hModule = nullptr;
    char path[MAX_PATH] = {};
    if (!::GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCSTR>(address), &hModule) ||
        !::GetModuleFileNameA(hModule, path, sizeof(path))) {
        text = HexText(address);
        return false;
    }
    text = ModuleOffsetText(path, address - reinterpret_cast<ULONG_PTR>(hModule));
    return true;
}

std::string Summary(const Crash& crash) {
    char text[256];
    if (!crash.pInfo) {
        std::snprintf(text, sizeof(text), "std::terminate: %s%s thread=%lu",
                      crash.pszTerminateType ? "C++ exception " : "no exception",
                      crash.pszTerminateType ? crash.pszTerminateType : "", crash.dwThread);
        return text;
    }
    const EXCEPTION_RECORD& record = *crash.pInfo->ExceptionRecord;
    const ULONG_PTR kind = record.NumberParameters >= 2 ? record.ExceptionInformation[0] : 0;
    const bool bAccess =
        record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2;
    std::snprintf(text, sizeof(text), "code=0x%08lX %s%s%s thread=%lu", record.ExceptionCode,
                  ExceptionCodeName(record.ExceptionCode),
                  !bAccess    ? ""
                  : kind == 0 ? " reading "
                  : kind == 1 ? " writing "
                              : " executing ",
                  bAccess ? HexText(record.ExceptionInformation[1]).c_str() : "", crash.dwThread);
    return text;
}

// The return addresses the unwind tables vouch for, each inside a loaded module and
// its frame inside the crashed thread's stack. 32-bit code has no such tables, and
// its frame pointers are not kept: there the record names the faulting address only.
void RecordCallers(const Crash& crash) {
#if defined(__x86_64__)
    CONTEXT context = *crash.pContext;
    const auto inStack = [&](DWORD64 address) {
        return address >= crash.stackLow && address + 8 <= crash.stackHigh;
    };
    for (int i = 0; i < kMaxCallers; i++) {
        DWORD64 imageBase = 0;
        PRUNTIME_FUNCTION pFunction = ::RtlLookupFunctionEntry(context.Rip, &imageBase, nullptr);
        if (pFunction) {
            PVOID pHandlerData = nullptr;
            DWORD64 establisherFrame = 0;
            ::RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, context.Rip, pFunction, &context,
                               &pHandlerData, &establisherFrame, nullptr);
        } else {
            // a function without a frame of its own: its return address is on top
            if (!inStack(context.Rsp)) break;
            context.Rip = *reinterpret_cast<const DWORD64*>(context.Rsp);
            context.Rsp += 8;
        }
        std::string where;
        if (!context.Rip || !inStack(context.Rsp) || !WhereText(context.Rip, where)) break;
        LogRecord("crash", "called from " + where);
    }
#else
    (void)crash;
    (void)kMaxCallers;
#endif
}

std::wstring DumpPath() {
    const std::wstring folder = OrbavelProfileFolder(L"Crashes");
    if (folder.empty()) return folder;
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    wchar_t name[64];
    std::swprintf(name, 64, L"\\Skylark %04u-%02u-%02u %02u-%02u-%02u.dmp", st.wYear, st.wMonth,
                  st.wDay, st.wHour, st.wMinute, st.wSecond);
    return folder + name;
}

// The system's debug-help library is loaded only now, and only from the system's
// folder: never a library of that name that lies beside the launcher.
void RecordMinidump(const Crash& crash) {
    char library[MAX_PATH] = {};
    const UINT n = ::GetSystemDirectoryA(library, MAX_PATH - 16);
    HMODULE hDbgHelp = nullptr;
    if (n > 0 && n < MAX_PATH - 16) {
        lstrcatA(library, "\\dbghelp.dll");
        hDbgHelp = ::LoadLibraryA(library);
    }
    FARPROC pProc = hDbgHelp ? ::GetProcAddress(hDbgHelp, "MiniDumpWriteDump") : nullptr;
    auto pWriteDump = reinterpret_cast<MiniDumpWriteDumpFn>(reinterpret_cast<void*>(pProc));
    if (!pWriteDump) {
        LogRecord("crash", "no minidump: " + SystemErrorText(::GetLastError()));
        return;
    }
    const std::wstring path = DumpPath();
    HANDLE hFile = path.empty() ? INVALID_HANDLE_VALUE
                                : ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        LogRecord("crash", "no minidump: " + SystemErrorText(::GetLastError()));
        return;
    }
    // Wine's library reads every module's symbols unless the process has been set up
    // without them, which takes many seconds
    FARPROC pInitialize = ::GetProcAddress(hDbgHelp, "SymInitialize");
    if (auto pfn = reinterpret_cast<BOOL(WINAPI*)(HANDLE, PCSTR, BOOL)>(
            reinterpret_cast<void*>(pInitialize))) {
        pfn(::GetCurrentProcess(), nullptr, FALSE);
    }
    MINIDUMP_EXCEPTION_INFORMATION exception = {crash.dwThread, crash.pInfo, FALSE};
    const BOOL bWritten =
        pWriteDump(::GetCurrentProcess(), ::GetCurrentProcessId(), hFile, MiniDumpNormal,
                   crash.pInfo ? &exception : nullptr, nullptr, nullptr);
    const DWORD dwError = ::GetLastError();
    ::CloseHandle(hFile);
    if (bWritten) {
        LogRecord("crash", L"minidump " + path);
    } else {
        ::DeleteFileW(path.c_str());
        LogRecord("crash", "no minidump: " + SystemErrorText(dwError));
    }
}

// On a thread of its own: the crashed one may have run out of stack, so it only
// waits, and its context is copied here.
DWORD WINAPI RecordCrash(void* pParameter) {
    const Crash& crash = *static_cast<const Crash*>(pParameter);
    LogRecord("crash", Summary(crash));
    std::string where;
    if (crash.pInfo) {
        WhereText(reinterpret_cast<ULONG_PTR>(crash.pInfo->ExceptionRecord->ExceptionAddress),
                  where);
        LogRecord("crash", "at " + where);
    }
    RecordCallers(crash);
    RecordMinidump(crash);
    return 0;
}

void Record(Crash& crash, DWORD dwCode) {
    // a crash while recording ends the process at once
    if (::InterlockedExchange(&g_nRecording, 1) != 0) {
        ::TerminateProcess(::GetCurrentProcess(), g_dwFirstCode ? g_dwFirstCode : dwCode);
    }
    g_dwFirstCode = dwCode;
    crash.dwThread = ::GetCurrentThreadId();
    // the thread's stack: its whole reservation, up to the end of the pages in use
    // that hold this very frame
    MEMORY_BASIC_INFORMATION stack = {};
    ::VirtualQuery(&stack, &stack, sizeof(stack));
    crash.stackLow = reinterpret_cast<ULONG_PTR>(stack.AllocationBase);
    crash.stackHigh = reinterpret_cast<ULONG_PTR>(stack.BaseAddress) + stack.RegionSize;
    HANDLE hThread = ::CreateThread(nullptr, 0, &RecordCrash, &crash, 0, nullptr);
    if (!hThread) {
        RecordCrash(&crash);
        return;
    }
    ::WaitForSingleObject(hThread, kRecordingPatienceMs);
    ::CloseHandle(hThread);
}

// What an earlier filter takes care of (the runtime's own: a C++ exception on its
// way to std::terminate, a signal handler) is left to it.
LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* pInfo) {
    if (g_pPreviousFilter) {
        const LONG nAction = g_pPreviousFilter(pInfo);
        if (nAction != EXCEPTION_CONTINUE_SEARCH) return nAction;
    }
    Crash crash;
    crash.pInfo = pInfo;
    crash.pContext = pInfo->ContextRecord;
    Record(crash, pInfo->ExceptionRecord->ExceptionCode);
    return EXCEPTION_CONTINUE_SEARCH;
}

// Ends as the runtime's own handler does, with abort.
void OnTerminate() {
    CONTEXT context = {};
    ::RtlCaptureContext(&context);
    Crash crash;
    crash.pContext = &context;
    const std::type_info* pType = abi::__cxa_current_exception_type();
    crash.pszTerminateType = pType ? pType->name() : nullptr;
    Record(crash, 3);
    std::abort();
}

}  // namespace

void InstallCrashHandler() {
    LPTOP_LEVEL_EXCEPTION_FILTER pPrevious = ::SetUnhandledExceptionFilter(&OnUnhandledException);
    if (pPrevious != &OnUnhandledException) g_pPreviousFilter = pPrevious;
    std::set_terminate(&OnTerminate);
}
