// The browser emulation value the launcher leaves for its own file name: this
// test program's, here.
#include <gtest/gtest.h>

#include <windows.h>

#include <cwchar>
#include <string>
#include <utility>

#include "BrowserEmulation.h"

namespace {

const wchar_t kKey[] =
    L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";

std::wstring OwnFileName() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wcsrchr(path, L'\\') + 1;
}

// This program's value in the current user's emulation key, gone before and after.
class EmulationValue {
public:
    EmulationValue() {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hKey,
                          nullptr);
        ::RegDeleteValueW(m_hKey, m_name.c_str());
    }
    ~EmulationValue() {
        ::RegDeleteValueW(m_hKey, m_name.c_str());
        ::RegCloseKey(m_hKey);
    }
    void Write(DWORD data) {
        ::RegSetValueExW(m_hKey, m_name.c_str(), 0, REG_DWORD, reinterpret_cast<BYTE*>(&data),
                         sizeof(data));
    }
    // the type and the data, or 0 and 0 when there is no value
    std::pair<DWORD, DWORD> Read() const {
        DWORD type = 0, data = 0, cb = sizeof(data);
        if (::RegQueryValueExW(m_hKey, m_name.c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(&data), &cb) != ERROR_SUCCESS) {
            return {0, 0};
        }
        return {type, data};
    }

private:
    HKEY m_hKey = nullptr;
    std::wstring m_name = OwnFileName();
};

TEST(BrowserEmulation, TheNewestModeIsWrittenOnceAndAValueAlreadyThereIsKept) {
    EmulationValue value;
    ASSERT_EQ(value.Read(), std::make_pair(DWORD(0), DWORD(0)));
    EnsureBrowserEmulation();
    EXPECT_EQ(value.Read(), std::make_pair(DWORD(REG_DWORD), DWORD(11001)));
    value.Write(8000);  // the player's own choice
    EnsureBrowserEmulation();
    EXPECT_EQ(value.Read(), std::make_pair(DWORD(REG_DWORD), DWORD(8000)));
}

}  // namespace
