#include "TextConversion.h"

#include <windows.h>

#include <vector>

namespace {

std::wstring ansiToWide(const char* ansi) {
    int length = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
    if (length <= 0) return {};
    std::vector<wchar_t> wide(static_cast<std::size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide.data(), length);
    return std::wstring(wide.data());
}

}  // namespace

std::string TextConversion::ansiToUtf8(const char* ansi) {
    if (!ansi) return {};
    std::wstring wide = ansiToWide(ansi);
    if (wide.empty()) return {};
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::vector<char> utf8(static_cast<std::size_t>(length));
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(), length, nullptr, nullptr);
    return std::string(utf8.data());
}
