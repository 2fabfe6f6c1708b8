#include "DownloadIntrusion.h"

#include <fstream>
#include <string>

#include "ChildProcess.h"
#include "WinePath.h"

DownloadIntrusion RunDownloadIntruder(const ScratchFolder& folder, HWND hWnd, DWORD processId) {
    DownloadIntrusion result;
    if (!folder.Copy(WinePath(DOWNLOAD_INTRUDER_EXE), "DownloadIntruder.exe")) return result;
    std::string args =
        std::to_string(reinterpret_cast<uintptr_t>(hWnd)) + " " + std::to_string(processId);
    ChildProcess intruder(folder.Path(), "DownloadIntruder.exe", args);
    if (!intruder.Started() || !intruder.WaitForExit(60000)) return result;
    std::ifstream in(folder / "intruder.txt");
    result.ran = static_cast<bool>(in >> result.sent >> result.nonzero >> result.unanswered);
    return result;
}
