// How long the site list reader takes to load a large file: writes a configuration file of
// about 1 MB with 10,000 sections to a temporary directory, loads it several times and
// prints the minimum and median, then the same with the workspace's reading of every
// section's "Name" and "Url" added. The baseline, timed in the same run, is reading the
// same file line by line with fgets: the reader's cost over the bare file reading shows
// as the ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "config/CSiteConfig.h"

namespace {

const int kSections = 10000;
const int kRepetitions = 15;

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SKYLARK_BENCH_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define SKYLARK_BENCH_SANITIZED 1
#endif

// The benchmark's own directory below the system's temporary one, removed at the end.
struct ScratchDir {
    std::filesystem::path path;
    ScratchDir() {
        std::mt19937_64 random(std::random_device{}());
        path =
            std::filesystem::temp_directory_path() / ("skylark-bench-" + std::to_string(random()));
        std::filesystem::create_directories(path);
    }
    ~ScratchDir() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
};

// Sections as the launcher's sites are written, with a GBK name, CR LF line ends and a
// key the workspace does not read.
std::string MakeConfig() {
    const std::string site = "\xD5\xBE\xB5\xE3";  // 站点
    std::string text = "Title=Portal\r\n";
    char number[16];
    for (int i = 0; i < kSections; ++i) {
        std::snprintf(number, sizeof number, "%05d", i);
        text += std::string("[Site") + number + "]\r\n";
        text += "Name=" + site + "^" + number + "\r\n";
        text += std::string("Url = http://www.example.com/games/site") + number + "/index.htm\r\n";
        text += std::string("Order=") + number + "\r\n";
    }
    return text;
}

struct Figures {
    double dMin;
    double dMedian;
};

Figures Summarise(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return Figures{times.front(), times[times.size() / 2]};
}

// The baseline: the file read line by line, as a text-mode reader must at least do.
double ReadLinesMs(const std::string& path) {
    auto start = std::chrono::steady_clock::now();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    char line[1024];
    size_t nBytes = 0;
    while (file && std::fgets(line, sizeof line, file)) nBytes += std::strlen(line);
    if (file) std::fclose(file);
    auto end = std::chrono::steady_clock::now();
    if (nBytes == 0) std::printf("error: the baseline read nothing\n");
    return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

int main() {
    ScratchDir dir;
    const std::string text = MakeConfig();
    const std::string path = (dir.path / "Config.ini").string();
    {
        std::ofstream out(path, std::ios::binary);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }

    std::printf("site list: %d sections, %.2f MB\n", kSections, text.size() / 1e6);
#if defined(SKYLARK_BENCH_SANITIZED)
    std::printf(
        "note: built with AddressSanitizer; the figures are far slower than a release "
        "build's\n");
#endif
#if !defined(__OPTIMIZE__)
    std::printf("note: built without optimisation\n");
#endif

    std::vector<double> baseTimes, loadTimes, readTimes;
    for (int r = 0; r < kRepetitions; ++r) {
        baseTimes.push_back(ReadLinesMs(path));
        auto start = std::chrono::steady_clock::now();
        CSiteConfig config;
        BOOL bLoaded = config.Load(path.c_str());
        auto loaded = std::chrono::steady_clock::now();

        int nTabs = 0;
        for (int i = 0; i < config.GetSectionCount(); ++i) {
            const CConfigSection* pSection = config.GetSection(i);
            if (!pSection->GetValue("Name").IsEmpty() && !pSection->GetValue("Url").IsEmpty()) {
                ++nTabs;
            }
        }
        auto read = std::chrono::steady_clock::now();

        if (!bLoaded || config.GetSectionCount() != kSections || nTabs != kSections) {
            std::printf("error: loaded %d sections with %d tabs\n", config.GetSectionCount(),
                        nTabs);
            return 1;
        }
        loadTimes.push_back(std::chrono::duration<double, std::milli>(loaded - start).count());
        readTimes.push_back(std::chrono::duration<double, std::milli>(read - start).count());
    }

    Figures base = Summarise(baseTimes);
    Figures load = Summarise(loadTimes);
    std::printf("baseline fgets, %d runs:          min %8.2f ms  median %8.2f ms\n", kRepetitions,
                base.dMin, base.dMedian);
    Figures read = Summarise(readTimes);
    std::printf("Load, %d runs:                   min %8.2f ms  median %8.2f ms  (%.0f MB/s)\n",
                kRepetitions, load.dMin, load.dMedian, text.size() / 1e3 / load.dMedian);
    std::printf("Load and read Name/Url, %d runs: min %8.2f ms  median %8.2f ms\n", kRepetitions,
                read.dMin, read.dMedian);
    std::printf("Load / baseline (medians): %.1f\n", load.dMedian / base.dMedian);
    return 0;
}
