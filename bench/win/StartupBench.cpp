// Start-up time and peak memory of the launcher against a minimal window program,
// every program started from one folder under the same Wine prefix and display.
// Prints figures and ratios; it is not a test.
//
// usage: bench_startup <folder> [runs]
//        bench_startup --end-games    ends the demo games left running
// The folder holds Skylark.exe beside Orbavel.exe (the demo game) and the skin,
// and the two baseline programs bench_baseline.exe and bench_baseline_dlls.exe.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ProcessWindow.h"

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Ends every demo game the launcher started, so that the next run starts one anew.
void EndGames() {
    for (int tries = 0; tries < 100; tries++) {
        HWND hGame = ::FindWindowA("QOVEXPLATFORM", nullptr);
        if (!hGame) return;
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hGame, &pid);
        HANDLE hProcess = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        if (hProcess) {
            ::TerminateProcess(hProcess, 1);
            ::WaitForSingleObject(hProcess, 5000);
            ::CloseHandle(hProcess);
        }
        ::Sleep(20);
    }
}

class Program {
public:
    // windowClass: the class of the program's main window
    Program(const std::string& folder, const std::string& exe, const char* windowClass)
        : m_windowClass(windowClass) {
        std::string path = folder + "\\" + exe;
        std::string commandLine = "\"" + path + "\"";
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        m_start = Now();
        if (!::CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &si, &m_info)) {
            std::fprintf(stderr, "cannot start %s\n", path.c_str());
            std::exit(1);
        }
    }
    ~Program() {
        ::TerminateProcess(m_info.hProcess, 0);
        ::WaitForSingleObject(m_info.hProcess, 5000);
        ::CloseHandle(m_info.hThread);
        ::CloseHandle(m_info.hProcess);
        EndGames();
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // seconds from before the process was created until its window was visible
    double WaitUntilVisible() const {
        for (;;) {
            HWND hWnd = FindProcessWindow(m_info.dwProcessId, m_windowClass);
            if (hWnd && ::IsWindowVisible(hWnd)) break;
            if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0 ||
                Now() - m_start > 60) {
                std::fprintf(stderr, "no window came\n");
                std::exit(1);
            }
            ::Sleep(1);
        }
        return Now() - m_start;
    }
    double PeakWorkingSetMiB() const {
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof(counters);
        ::GetProcessMemoryInfo(m_info.hProcess, &counters, sizeof(counters));
        return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
    }

private:
    const char* m_windowClass;
    PROCESS_INFORMATION m_info = {};
    double m_start = 0;
};

void WriteGameSettings(const std::string& folder, const char* text) {
    std::string path = folder + "\\OrbavelDemo.ini";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::exit(1);
    std::fputs(text, f);
    std::fclose(f);
}

struct StartFigures {
    std::vector<double> seconds;
    std::vector<double> peakMiB;
};

struct ProgramName {
    const char* exe;
    const char* windowClass;
    const char* label;
};

void MeasureStart(const std::string& folder, const ProgramName& name, StartFigures& figures) {
    Program program(folder, name.exe, name.windowClass);
    figures.seconds.push_back(program.WaitUntilVisible());
    ::Sleep(1500);  // pictures loaded, first paints done
    figures.peakMiB.push_back(program.PeakWorkingSetMiB());
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_startup <folder> [runs] | --end-games\n");
        return 2;
    }
    if (std::string(argv[1]) == "--end-games") {
        EndGames();
        return 0;
    }
    const std::string folder = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    const ProgramName programs[] = {
        {"bench_baseline.exe", "SkylarkBenchBaseline", "baseline (user32, gdi32)"},
        {"bench_baseline_dlls.exe", "SkylarkBenchBaseline", "floor (the launcher's DLLs)"},
        {"Skylark.exe", "SkylarkFrameWnd", "launcher"}};
    StartFigures figures[3];

    WriteGameSettings(folder, "[demo]\r\nnever_ready=1\r\n");
    for (int run = 0; run < runs; run++) {
        for (int k = 0; k < 3; k++) {
            int which = (run + k) % 3;  // alternate which program goes first
            MeasureStart(folder, programs[which], figures[which]);
        }
    }
    double seconds[3], peak[3];
    for (int k = 0; k < 3; k++) {
        seconds[k] = Median(figures[k].seconds);
        peak[k] = Median(figures[k].peakMiB);
    }
    std::printf("medians of %d alternating runs\n", runs);
    std::printf("%-34s %12s %14s\n", "", "start-up s", "peak WS MiB");
    const char* names[] = {"baseline (user32, gdi32)", "floor (the launcher's DLLs)", "launcher"};
    for (int k = 0; k < 3; k++) {
        std::printf("%-34s %12.3f %14.1f\n", names[k], seconds[k], peak[k]);
    }
    std::printf("floor / baseline:    start-up %.2fx, peak memory %.2fx\n", seconds[1] / seconds[0],
                peak[1] / peak[0]);
    std::printf(
        "launcher / baseline: start-up %.2fx (target <= 1.3), peak memory %.2fx "
        "(target <= 1.5)\n",
        seconds[2] / seconds[0], peak[2] / peak[0]);
    return 0;
}
