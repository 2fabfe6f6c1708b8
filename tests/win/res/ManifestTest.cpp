// The manifest the launcher carries, read back from the built executable, and
// what the system makes of it.
#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <string>

#include "WinePath.h"

namespace {

std::string LauncherPath() {
    return WinePath(SKYLARK_EXE);
}

std::string ManifestText() {
    HMODULE hModule = ::LoadLibraryExA(LauncherPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!hModule) return "";
    std::string text;
    HRSRC hInfo = ::FindResourceA(hModule, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    HGLOBAL hData = hInfo ? ::LoadResource(hModule, hInfo) : nullptr;
    if (hData) {
        text.assign(static_cast<const char*>(::LockResource(hData)),
                    ::SizeofResource(hModule, hInfo));
    }
    ::FreeLibrary(hModule);
    return text;
}

// the file of the common controls that a load under the active context gives,
// in lower case (the system's copy of version 5, or the side-by-side version 6)
std::string CommonControlsFile() {
    HMODULE hComCtl = ::LoadLibraryA("comctl32.dll");
    if (!hComCtl) return "";
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(hComCtl, path, MAX_PATH);
    ::FreeLibrary(hComCtl);
    std::string file = path;
    for (char& c : file) c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
    return file;
}

}  // namespace

TEST(Manifest, AsksForCommonControls6TheInvokersRightsAndWindows7To11WithoutDpiAwareness) {
    std::string text = ManifestText();
    ASSERT_FALSE(text.empty()) << "no manifest resource 1 in " << LauncherPath();
    EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    for (const char* os : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",     // Windows 7
                           "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",     // 8
                           "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",     // 8.1
                           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {  // 10 and 11
        EXPECT_NE(text.find(std::string("<supportedOS Id=\"") + os + "\"/>"), std::string::npos)
            << os;
    }
    EXPECT_NE(text.find(">false</dpiAware>"), std::string::npos);
    EXPECT_EQ(text.find("dpiAwareness"), std::string::npos);
}

TEST(Manifest, TheSystemReadsItAndLoadsCommonControls6ForTheLauncher) {
    std::string path = LauncherPath();
    ACTCTXA context = {};
    context.cbSize = sizeof(context);
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = path.c_str();
    context.lpResourceName = MAKEINTRESOURCEA(1);
    HANDLE hContext = ::CreateActCtxA(&context);
    ASSERT_NE(hContext, INVALID_HANDLE_VALUE) << "error " << ::GetLastError();
    ULONG_PTR cookie = 0;
    ASSERT_TRUE(::ActivateActCtx(hContext, &cookie));
    EXPECT_NE(CommonControlsFile().find("\\" SKYLARK_WINDOWS_ARCH
                                        "_microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::string::npos)
        << CommonControlsFile();
    ::DeactivateActCtx(0, cookie);
    ::ReleaseActCtx(hContext);
}
