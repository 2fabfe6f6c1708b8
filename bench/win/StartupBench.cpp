// Start-up time and peak memory of the launcher against a minimal window program,
// every program started from one folder under the same Wine prefix and display:
// the time until the main window exists and until it is visible, the time until the
// screen first shows it completely painted, and the peak working set once the
// launcher has made every browser it makes after its first paint. Prints figures
// and ratios, and where the launcher's time beyond the floor goes: before its main
// window exists, filling the window before it is shown, or its first paint. It is
// not a test.
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

#include "BrowserWindows.h"
#include "ProcessWindow.h"
#include "ScreenPicture.h"

namespace {

// A machine that runs the programs emulated takes minutes where others take a second.
const double kPatienceSeconds = 900;

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

// What the screen shows of a window's client area: a row across the tab strip, a
// row across the game page's picture and, for the launcher, whether the loading
// frame is drawn (it turns, so only its presence counts).
struct ClientLook {
    ScreenPicture strip, page;
    bool bSpinner = false;
    bool operator==(const ClientLook& other) const {
        return strip.pixels == other.strip.pixels && page.pixels == other.page.pixels &&
               bSpinner == other.bSpinner;
    }
};

// client rows 20 and 240: the tabs, and the planet of the default skin's picture
// 200 pixels below the 40-pixel strip
ClientLook LookAt(HWND hWnd, bool bSpinner) {
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    POINT origin = {0, 0};
    ::ClientToScreen(hWnd, &origin);
    auto row = [&](int y) {
        return ScreenPicture::FromScreen(
            {origin.x, origin.y + y, origin.x + rc.right, origin.y + y + 1});
    };
    ClientLook look;
    look.strip = row(20);
    look.page = row(240);
    if (bSpinner) {
        // the loading frame's dots are near white on a dark sky
        const int left = origin.x + (rc.right - 64) / 2;
        const int top = origin.y + 40 + (rc.bottom - 40 - 64) / 2;
        ScreenPicture box = ScreenPicture::FromScreen({left, top, left + 64, top + 64});
        int bright = 0;
        for (uint32_t p : box.pixels) {
            bright += (p >> 16 & 0xFF) > 200 && (p >> 8 & 0xFF) > 200 && (p & 0xFF) > 200;
        }
        look.bSpinner = bright >= 40;
    }
    return look;
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

    // seconds from before the process was created until its window existed, and
    // until it was visible
    void WaitUntilVisible(double& made, double& shown) {
        made = 0;
        for (;;) {
            m_hWnd = FindProcessWindow(m_info.dwProcessId, m_windowClass);
            if (m_hWnd && made == 0) made = Now() - m_start;
            if (m_hWnd && ::IsWindowVisible(m_hWnd)) break;
            GiveUpAfter(kPatienceSeconds, "no window came");
            ::Sleep(1);
        }
        shown = Now() - m_start;
    }
    // Watches the screen until the window has looked the same for a second; what it
    // showed is kept with the time it first showed it.
    void WatchPainting(bool bSpinner) {
        m_looks.clear();
        double stableSince = Now();
        while (Now() - stableSince < 1.0) {
            GiveUpAfter(kPatienceSeconds, "the window never settled");
            ClientLook look = LookAt(m_hWnd, bSpinner);
            if (m_looks.empty() || !(look == m_looks.back().look)) {
                m_looks.push_back({Now() - m_start, look});
                stableSince = Now();
            }
        }
    }
    // seconds until the screen first showed the window as it shows it now
    double PaintedSeconds(bool bSpinner) const {
        const ClientLook final = LookAt(m_hWnd, bSpinner);
        for (const TimedLook& seen : m_looks) {
            if (seen.look == final) return seen.seconds;
        }
        return m_looks.empty() ? 0 : m_looks.back().seconds;  // it changed after settling
    }
    // seconds until the process had this many browsers
    double WaitForBrowsers(size_t nBrowsers) const {
        while (BrowserWindows(m_hWnd).size() < nBrowsers) {
            GiveUpAfter(kPatienceSeconds, "the browsers never came");
            ::Sleep(5);
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
    struct TimedLook {
        double seconds;
        ClientLook look;
    };

    void GiveUpAfter(double seconds, const char* what) const {
        if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0 ||
            Now() - m_start > seconds) {
            std::fprintf(stderr, "%s\n", what);
            std::exit(1);
        }
    }

    const char* m_windowClass;
    PROCESS_INFORMATION m_info = {};
    double m_start = 0;
    HWND m_hWnd = nullptr;
    std::vector<TimedLook> m_looks;
};

void WriteGameSettings(const std::string& folder, const char* text) {
    std::string path = folder + "\\OrbavelDemo.ini";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::exit(1);
    std::fputs(text, f);
    std::fclose(f);
}

struct StartFigures {
    std::vector<double> made;
    std::vector<double> shown;
    std::vector<double> painted;
    std::vector<double> browsers;
    std::vector<double> peakMiB;
};

struct ProgramName {
    const char* exe;
    const char* windowClass;
    const char* label;
    bool bLauncher;
};

// the forum's browser and those of the three sites of the default skin's list
const size_t kLauncherBrowsers = 4;

void MeasureStart(const std::string& folder, const ProgramName& name, StartFigures& figures) {
    Program program(folder, name.exe, name.windowClass);
    double made = 0, shown = 0;
    program.WaitUntilVisible(made, shown);
    figures.made.push_back(made);
    figures.shown.push_back(shown);
    program.WatchPainting(name.bLauncher);
    figures.browsers.push_back(name.bLauncher ? program.WaitForBrowsers(kLauncherBrowsers) : 0);
    ::Sleep(1500);  // what the last browser started has settled
    figures.painted.push_back(program.PaintedSeconds(name.bLauncher));
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
        {"bench_baseline.exe", "SkylarkBenchBaseline", "baseline (user32, gdi32)", false},
        {"bench_baseline_dlls.exe", "SkylarkBenchBaseline", "floor (the launcher's DLLs)", false},
        {"Skylark.exe", "SkylarkFrameWnd", "launcher", true}};
    StartFigures figures[3];

    WriteGameSettings(folder, "[demo]\r\nnever_ready=1\r\n");
    for (int run = 0; run < runs; run++) {
        for (int k = 0; k < 3; k++) {
            int which = (run + k) % 3;  // alternate which program goes first
            MeasureStart(folder, programs[which], figures[which]);
        }
    }
    double made[3], shown[3], painted[3], peak[3];
    for (int k = 0; k < 3; k++) {
        made[k] = Median(figures[k].made);
        shown[k] = Median(figures[k].shown);
        painted[k] = Median(figures[k].painted);
        peak[k] = Median(figures[k].peakMiB);
    }
    std::printf("medians of %d alternating runs (seconds from process start)\n", runs);
    std::printf("%-30s %8s %8s %10s %14s %12s\n", "", "made", "shown", "painted", "all browsers",
                "peak WS MiB");
    for (int k = 0; k < 3; k++) {
        std::printf("%-30s %8.3f %8.3f %10.3f ", programs[k].label, made[k], shown[k], painted[k]);
        if (programs[k].bLauncher) {
            std::printf("%14.3f", Median(figures[k].browsers));
        } else {
            std::printf("%14s", "-");
        }
        std::printf(" %12.1f\n", peak[k]);
    }
    std::printf("floor / baseline:    painted %.2fx, peak memory %.2fx\n", painted[1] / painted[0],
                peak[1] / peak[0]);
    std::printf("launcher / baseline: painted %.2fx, peak memory %.2fx\n", painted[2] / painted[0],
                peak[2] / peak[0]);
    std::printf(
        "launcher / floor:    painted %.2fx (target <= 1.3), peak memory %.2fx "
        "(target <= 1.5)\n",
        painted[2] / painted[1], peak[2] / peak[1]);
    std::printf(
        "launcher - floor, ms: until its window is made %+.0f, filling it until shown %+.0f, "
        "first paint %+.0f\n",
        1000 * (made[2] - made[1]), 1000 * ((shown[2] - made[2]) - (shown[1] - made[1])),
        1000 * ((painted[2] - shown[2]) - (painted[1] - shown[1])));
    return 0;
}
