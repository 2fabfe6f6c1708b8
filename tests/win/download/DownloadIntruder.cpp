// Another program that sends the launcher's registered download messages with
// pointers that mean nothing in the receiver: null, unmapped, its own memory, the
// receiver's image, and blocks planted in the receiver's memory whose strings are
// huge or unterminated. Usage: DownloadIntruder <window> <receiver process id>.
// Writes "<sent> <nonzero answers> <unanswered>" to intruder.txt in its folder.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kNames[] = {
    "KELDRIN_WM_DOWNFILE_CHECKTIME",     "KELDRIN_WM_DOWNFILE_DOWNFINISHED",
    "KELDRIN_WM_DOWNFILE_PROXYVALIDATE", "KELDRIN_WM_DOWNFILE_ERROR",
    "KELDRIN_WM_DOWNFILE_STARTDOWNLOAD", "KELDRIN_WM_DOWNFILE_PROGRESS",
};

// the receiver's string object as its library lays it out: data, length, capacity
struct FakeString {
    uint32_t pData;
    uint32_t nLength;
    uint32_t nCapacity;
    char local[12];
};

// Copies bytes into fresh memory of the receiver; 0 if it cannot.
uint32_t Plant(HANDLE hProcess, const void* pBytes, size_t cb) {
    void* p = ::VirtualAllocEx(hProcess, nullptr, cb, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!p || !::WriteProcessMemory(hProcess, p, pBytes, cb, nullptr)) return 0;
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p));
}

// wParams to try: the first few mean nothing there, the planted ones lead to
// strings that would read far or forever
std::vector<uint32_t> Pointers(DWORD processId) {
    static const char ownText[] = "from another process";
    static const void* ownBlock[3] = {ownText, ownText, nullptr};
    std::vector<uint32_t> pointers = {
        0u,          0x10u,
        0xFFFF0000u, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(ownBlock)),
        0x00400000u,  // the receiver's image: readable, but no block
    };
    HANDLE hProcess = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    if (!hProcess) return pointers;
    // 1 MiB of text without a terminator, ending at the end of its pages
    std::vector<char> text(1 << 20, 'A');
    uint32_t pText = Plant(hProcess, text.data(), text.size());
    FakeString huge = {
        pText, static_cast<uint32_t>(text.size()), static_cast<uint32_t>(text.size()), {}};
    FakeString endless = {pText, 0x7FFFFFF0u, 0x7FFFFFF0u, {}};
    uint32_t pHuge = Plant(hProcess, &huge, sizeof(huge));
    uint32_t pEndless = Plant(hProcess, &endless, sizeof(endless));
    uint32_t block[3] = {pEndless, pHuge, 7};
    uint32_t pBlock = Plant(hProcess, block, sizeof(block));
    for (uint32_t p : {pText, pHuge, pEndless, pBlock}) {
        if (p) pointers.push_back(p);
    }
    ::CloseHandle(hProcess);
    return pointers;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    HWND hWnd = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoul(argv[1], nullptr, 0)));
    DWORD processId = std::strtoul(argv[2], nullptr, 0);
    int sent = 0, nonzero = 0, unanswered = 0;
    for (uint32_t pointer : Pointers(processId)) {
        for (const char* name : kNames) {
            DWORD_PTR result = 0;
            ++sent;
            if (!::SendMessageTimeoutA(hWnd, ::RegisterWindowMessageA(name), pointer, 0,
                                       SMTO_NORMAL, 5000, &result)) {
                ++unanswered;
            } else if (result != 0) {
                ++nonzero;
            }
        }
    }
    FILE* f = std::fopen("intruder.txt", "w");
    if (!f) return 3;
    std::fprintf(f, "%d %d %d\n", sent, nonzero, unanswered);
    std::fclose(f);
    return 0;
}
