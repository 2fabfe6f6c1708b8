#include "LauncherText.h"

#include <cstring>

CString JoinWorkingPath(const char* pszDirectory, const CString& name) {
    const size_t needed = std::strlen(pszDirectory) + 1 + static_cast<size_t>(name.GetLength()) + 1;
    if (needed > static_cast<size_t>(kMaxPathBytes)) return CString();
    CString path;
    path.Format("%s\\%s", pszDirectory, name.GetString());
    return path;
}

CString FormatVersion(uint32_t versionMS, uint32_t versionLS) {
    CString text;
    text.Format("%u.%u.%u.%u", versionMS >> 16, versionMS & 0xFFFF, versionLS >> 16,
                versionLS & 0xFFFF);
    return text;
}
