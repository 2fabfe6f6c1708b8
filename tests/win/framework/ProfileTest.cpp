// The framework's profile: the recent-file list under the application's registry key.
#include <gtest/gtest.h>

#include <string>

#include "CWinApp.h"

namespace {

const char kAppKey[] = "Software\\Skylark Tests\\Profile";

void DeleteTestKeys() {
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Skylark Tests\\Profile\\Recent File List");
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kAppKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Skylark Tests");
}

class Profile : public testing::Test {
protected:
    void SetUp() override {
        DeleteTestKeys();
        m_app.m_strAppName = "Profile";
        m_app.SetRegistryKey("Skylark Tests");
    }
    void TearDown() override { DeleteTestKeys(); }

    static void WriteEntry(const char* name, const char* value) {
        HKEY hKey = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kAppKey) + "\\Recent File List").c_str(),
                          0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr);
        ::RegSetValueExA(hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                         static_cast<DWORD>(strlen(value) + 1));
        ::RegCloseKey(hKey);
    }

    CWinApp m_app;
};

TEST_F(Profile, RecentFilesAreReadUpToTheLimitAndSavedMostRecentFirst) {
    WriteEntry("File1", "C:\\a.txt");
    WriteEntry("File2", "C:\\b.txt");
    WriteEntry("File5", "C:\\beyond the limit.txt");
    m_app.LoadStdProfileSettings(4);
    ASSERT_EQ(m_app.GetRecentFileList().size(), 2u);
    EXPECT_EQ(m_app.GetRecentFileList()[0], "C:\\a.txt");

    m_app.AddToRecentFileList("C:\\B.TXT");  // the same file: moves to the top
    m_app.AddToRecentFileList("C:\\c.txt");
    m_app.ExitInstance();

    CWinApp reader;
    reader.m_strAppName = "Profile";
    reader.SetRegistryKey("Skylark Tests");
    reader.LoadStdProfileSettings(4);
    ASSERT_EQ(reader.GetRecentFileList().size(), 3u);
    EXPECT_EQ(reader.GetRecentFileList()[0], "C:\\c.txt");
    EXPECT_EQ(reader.GetRecentFileList()[1], "C:\\B.TXT");
    EXPECT_EQ(reader.GetRecentFileList()[2], "C:\\a.txt");
}

TEST_F(Profile, NothingIsWrittenWhenNothingChanged) {
    m_app.LoadStdProfileSettings(4);
    m_app.ExitInstance();
    HKEY hKey = nullptr;
    EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, kAppKey, 0, KEY_READ, &hKey), ERROR_SUCCESS);
}

}  // namespace
