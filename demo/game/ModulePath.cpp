#include "ModulePath.h"

#include <windows.h>

#include <vector>

namespace {

template <typename Char, typename Getter>
std::basic_string<Char> folderOf(Getter getModuleFileName) {
    std::vector<Char> buffer(MAX_PATH);
    for (;;) {
        DWORD length = getModuleFileName(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) break;
        buffer.resize(buffer.size() * 2);
    }
    std::basic_string<Char> path(buffer.data());
    auto slash = path.find_last_of(static_cast<Char>('\\'));
    return slash == std::basic_string<Char>::npos ? std::basic_string<Char>()
                                                  : path.substr(0, slash + 1);
}

}  // namespace

std::string ModulePath::ansiFolder() {
    return folderOf<char>(GetModuleFileNameA);
}

std::wstring ModulePath::wideFolder() {
    return folderOf<wchar_t>(GetModuleFileNameW);
}
