// The browser emulation value the launcher leaves for its own file name: this
// test program's, here.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <utility>

#include "BrowserEmulation.h"

namespace {

TEST(BrowserEmulation, TheNewestModeIsWrittenOnceAndAValueAlreadyThereIsKept) {
    HKEY hKey = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER,
                                "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\"
                                "FEATURE_BROWSER_EMULATION",
                                0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const char* pszName = std::strrchr(path, '\\') + 1;
    auto value = [&] {  // type and data, 0 and 0 for none
        DWORD type = 0, data = 0, cb = sizeof(data);
        ::RegQueryValueExA(hKey, pszName, nullptr, &type, reinterpret_cast<BYTE*>(&data), &cb);
        return std::make_pair(type, data);
    };

    ::RegDeleteValueA(hKey, pszName);
    EnsureBrowserEmulation();
    EXPECT_EQ(value(), std::make_pair(DWORD(REG_DWORD), DWORD(11001)));
    const DWORD chosen = 8000;  // the player's own choice
    ::RegSetValueExA(hKey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&chosen),
                     sizeof(chosen));
    EnsureBrowserEmulation();
    EXPECT_EQ(value(), std::make_pair(DWORD(REG_DWORD), chosen));
    ::RegDeleteValueA(hKey, pszName);
    ::RegCloseKey(hKey);
}

}  // namespace
