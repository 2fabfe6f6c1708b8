#include "LauncherFixture.h"

#include "LauncherProcess.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

char ClassOfPage(HWND hPage) {
    if (::GetDlgItem(hPage, 1026)) return 'w';  // the Home button
    if (::GetDlgItem(hPage, 1062)) return 't';  // "使用颜色"
    return 'g';
}

}  // namespace

std::vector<uint32_t> LogWords(const std::string& line) {
    std::vector<uint32_t> words;
    size_t at = line.find("\"words\":[");
    if (at == std::string::npos) return words;
    const char* p = line.c_str() + at + 9;
    while (*p && *p != ']') {
        char* end = nullptr;
        words.push_back(static_cast<uint32_t>(std::strtoul(p, &end, 10)));
        p = *end == ',' ? end + 1 : end;
    }
    return words;
}

std::string WindowTextBytes(HWND hWnd) {
    char text[512] = {};
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

SIZE ClientOf(HWND hWnd) {
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

uint32_t HandleWord(HWND hWnd) {
    return static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(hWnd));
}

LRESULT SendCopyData(HWND hWnd, const void* data, DWORD size) {
    COPYDATASTRUCT cds = {0, size, const_cast<void*>(data)};
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(hWnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_NORMAL,
                               10000, &result)) {
        return 0x7EADBEEF;
    }
    return static_cast<LRESULT>(result);
}

void Launcher::SetUp() {
    LauncherProcess::EndGames();
    ASSERT_TRUE(m_folder.Copy(WinePath(SKYLARK_EXE), "Skylark.exe"));
    ASSERT_TRUE(m_folder.Copy(WinePath(ORBAVEL_EXE), "Orbavel.exe"));
}

void Launcher::TearDown() {
    LauncherProcess::EndGames();
}

void Launcher::WriteGameSettings(const std::string& lines) {
    m_folder.Write("OrbavelDemo.ini", "[demo]\r\nlog=1\r\n" + lines);
}

std::vector<std::vector<uint32_t>> Launcher::GameRecords(unsigned code) const {
    std::vector<std::vector<uint32_t>> records;
    for (const std::string& line : GameLogLines("\"event\":\"record\"")) {
        std::vector<uint32_t> words = LogWords(line);
        if (words.size() > 2 && words[2] == code) records.push_back(words);
    }
    return records;
}

std::vector<std::string> Launcher::GameLogLines(const std::string& part) const {
    std::vector<std::string> lines;
    for (const std::string& line : GameLog().Lines()) {
        if (line.find(part) != std::string::npos) lines.push_back(line);
    }
    return lines;
}

std::vector<HWND> Launcher::Pages(HWND hFrame) {
    std::vector<HWND> pages;
    for (HWND h = ::GetWindow(View(hFrame), GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        char cls[16] = {};
        ::GetClassNameA(h, cls, sizeof(cls));
        if (std::strcmp(cls, "#32770") == 0) pages.push_back(h);
    }
    return pages;
}

std::string Launcher::PageKinds(HWND hFrame) {
    std::string kinds;
    for (HWND hPage : Pages(hFrame)) kinds += ClassOfPage(hPage);
    return kinds;
}

void Launcher::ClickTab(HWND hFrame, int index) {
    const int count = static_cast<int>(Pages(hFrame).size());
    const int width = std::min(120, (1000 - 120) / count);
    const int x = (1000 - count * width) / 2 + index * width + width / 2;
    ::PostMessageA(Strip(hFrame), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 20));
    ::PostMessageA(Strip(hFrame), WM_LBUTTONUP, 0, MAKELPARAM(x, 20));
}
