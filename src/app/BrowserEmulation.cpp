#include "BrowserEmulation.h"

#include <windows.h>

#include <cwchar>
#include <memory>
#include <string>
#include <type_traits>

namespace {

const wchar_t kEmulationKey[] =
    L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";
// the newest document mode, whatever a page's own declaration asks for
const DWORD kNewestDocumentMode = 11001;

struct KeyCloser {
    void operator()(HKEY hKey) const { ::RegCloseKey(hKey); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

// "Skylark.exe" of "C:\Games\Skylark.exe"; empty when the path cannot be read whole.
// Wide, so that no byte of a double-byte name is taken for a backslash.
std::wstring OwnFileName() {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    const wchar_t* pszName = std::wcsrchr(path, L'\\');
    return pszName ? pszName + 1 : path;
}

}  // namespace

void EnsureBrowserEmulation() {
    const std::wstring name = OwnFileName();
    if (name.empty()) return;
    HKEY hKey = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, kEmulationKey, 0, nullptr, 0,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &hKey,
                          nullptr) != ERROR_SUCCESS) {
        return;
    }
    UniqueKey key(hKey);
    // a value of any type, or one that cannot be read, is someone's choice
    if (::RegQueryValueExW(hKey, name.c_str(), nullptr, nullptr, nullptr, nullptr) !=
        ERROR_FILE_NOT_FOUND) {
        return;
    }
    ::RegSetValueExW(hKey, name.c_str(), 0, REG_DWORD,
                     reinterpret_cast<const BYTE*>(&kNewestDocumentMode),
                     sizeof(kNewestDocumentMode));
}
