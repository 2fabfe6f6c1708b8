#include "ClassesRootText.h"

#include <windows.h>

#include <vector>

#include "HyperLinkOpen.h"

namespace {

// The value's bytes, cut at its first zero: a value stored without its
// terminating zero is terminated here.
bool QueryDefaultString(HKEY hKey, std::string& text, DWORD& type) {
    for (int attempt = 0; attempt < 3; ++attempt) {  // the value may change between calls
        DWORD cb = 0;
        if (::RegQueryValueExA(hKey, nullptr, nullptr, &type, nullptr, &cb) != ERROR_SUCCESS) {
            return false;
        }
        if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
        if (cb > kMaxCommandLine) return false;
        std::vector<char> bytes(cb + 1, '\0');
        LONG status = ::RegQueryValueExA(hKey, nullptr, nullptr, &type,
                                         reinterpret_cast<BYTE*>(bytes.data()), &cb);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
        bytes[cb] = '\0';
        text = bytes.data();
        return true;
    }
    return false;
}

bool Expand(const std::string& text, std::string& expanded) {
    DWORD n = ::ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (n == 0 || n > kMaxCommandLine) return false;
    std::vector<char> buffer(n + 1, '\0');
    if (::ExpandEnvironmentStringsA(text.c_str(), buffer.data(), n + 1) == 0) return false;
    expanded = buffer.data();
    return true;
}

}  // namespace

bool ReadClassesRootText(const std::string& key, const char* subKey, std::string& value) {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_QUERY_VALUE, &hKey) !=
        ERROR_SUCCESS) {
        return false;
    }
    HKEY hSubKey = nullptr;
    if (subKey && *subKey) {
        LONG status = ::RegOpenKeyExA(hKey, subKey, 0, KEY_QUERY_VALUE, &hSubKey);
        ::RegCloseKey(hKey);
        if (status != ERROR_SUCCESS) return false;
        hKey = hSubKey;
    }
    std::string text;
    DWORD type = REG_NONE;
    bool ok = QueryDefaultString(hKey, text, type);
    ::RegCloseKey(hKey);
    if (!ok) return false;
    if (type == REG_EXPAND_SZ) return Expand(text, value);
    value = text;
    return true;
}
