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

struct WindowSearch {
    DWORD pid;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    char cls[64] = {};
    ::GetClassNameA(hWnd, cls, sizeof(cls));
    bool classMatches = !search->className || std::string(cls) == search->className;
    bool processMatches = !search->pid || pid == search->pid;
    bool visibleEnough = search->className || ::IsWindowVisible(hWnd);
    if (!classMatches || !processMatches || !visibleEnough) return TRUE;
    search->found = hWnd;
    return FALSE;
}

// a visible top-level window of the process
HWND VisibleWindowOf(DWORD pid) {
    WindowSearch search{pid, nullptr, nullptr};
    ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Ends every demo game the launcher started, so that the next run starts one anew.
void EndGames() {
    for (int tries = 0; tries < 100; tries++) {
        WindowSearch search{0, "QOVEXPLATFORM", nullptr};
        ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) return;
        DWORD pid = 0;
        ::GetWindowThreadProcessId(search.found, &pid);
        HANDLE hGame = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        if (hGame) {
            ::TerminateProcess(hGame, 1);
            ::WaitForSingleObject(hGame, 5000);
            ::CloseHandle(hGame);
        }
        ::Sleep(20);
    }
}

class Program {
public:
    Program(const std::string& folder, const std::string& exe) {
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
        while (!VisibleWindowOf(m_info.dwProcessId)) {
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

void MeasureStart(const std::string& folder, const std::string& exe, StartFigures& figures) {
    Program program(folder, exe);
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
    const char* programs[] = {"bench_baseline.exe", "bench_baseline_dlls.exe", "Skylark.exe"};
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
