#include "Records.h"

std::uint32_t Records::handleWord(HWND window) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

std::vector<std::uint32_t> Records::make(HWND sender, std::uint32_t code, std::uint32_t size) {
    std::vector<std::uint32_t> words(size / 4, 0);
    words.at(0) = handleWord(sender);
    words.at(2) = code;
    words.at(3) = size;
    return words;
}

std::vector<std::uint32_t> Records::pageGeometry(HWND sender, HWND page, int width, int height) {
    auto words = make(sender, 5, 52);
    words[8] = handleWord(page);
    words[9] = words[11] = static_cast<std::uint32_t>(width);
    words[10] = words[12] = static_cast<std::uint32_t>(height);
    return words;
}

LRESULT Records::send(HWND game, const std::vector<std::uint32_t>& words) {
    return sendBytes(game, words.data(), static_cast<DWORD>(words.size() * 4));
}

LRESULT Records::sendBytes(HWND game, const void* data, DWORD size, DWORD timeoutMs) {
    COPYDATASTRUCT copy{0, size, const_cast<void*>(data)};
    DWORD_PTR answer = 0x7777;
    if (!SendMessageTimeoutA(game, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL,
                             timeoutMs, &answer)) {
        return 0x7777;  // no answer at all
    }
    return static_cast<LRESULT>(answer);
}
