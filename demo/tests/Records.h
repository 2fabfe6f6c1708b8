#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// Builds the launcher's records and sends them to the game's window the way
// the launcher does (WM_COPYDATA, wParam 0, dwData 0), waiting for the answer.
class Records {
public:
    static std::uint32_t handleWord(HWND window);
    static std::vector<std::uint32_t> make(HWND sender, std::uint32_t code, std::uint32_t size);
    static std::vector<std::uint32_t> pageGeometry(HWND sender, HWND page, int width, int height);
    static LRESULT send(HWND game, const std::vector<std::uint32_t>& words);
    static LRESULT sendBytes(HWND game, const void* data, DWORD size, DWORD timeoutMs = 15000);
};
