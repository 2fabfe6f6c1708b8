#include "LogFolder.h"

#include "Log.h"

const std::wstring& CLogFolder::Folder() {
    if (!m_bFolderSought) m_strFolder = OrbavelProfileFolder(L"Logs");
    m_bFolderSought = true;
    return m_strFolder;
}

// the log's file names are ASCII
std::wstring CLogFolder::PathOf(const std::string& name) {
    return Folder() + L"\\" + std::wstring(name.begin(), name.end());
}

bool CLogFolder::Move(const std::string& from, const std::string& to) {
    return !Folder().empty() &&
           ::MoveFileExW(PathOf(from).c_str(), PathOf(to).c_str(), MOVEFILE_REPLACE_EXISTING);
}

// Every write goes to the end, also after another launcher's lines: the file is
// emptied by a handle of its own, then opened to append only.
bool CLogFolder::Open(const std::string& name, bool bEmpty) {
    Close();
    if (Folder().empty()) return false;
    const std::wstring path = PathOf(name);
    const DWORD dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
    if (bEmpty) {
        HANDLE hEmpty = ::CreateFileW(path.c_str(), GENERIC_WRITE, dwShare, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hEmpty == INVALID_HANDLE_VALUE) return false;
        ::CloseHandle(hEmpty);
    }
    m_hFile = ::CreateFileW(path.c_str(), FILE_APPEND_DATA, dwShare, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_hFile != INVALID_HANDLE_VALUE;
}

uint64_t CLogFolder::Size() {
    LARGE_INTEGER size = {};
    return m_hFile != INVALID_HANDLE_VALUE && ::GetFileSizeEx(m_hFile, &size) ? size.QuadPart : 0;
}

bool CLogFolder::Append(const std::string& bytes) {
    DWORD dwWritten = 0;
    return m_hFile != INVALID_HANDLE_VALUE &&
           ::WriteFile(m_hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &dwWritten,
                       nullptr) &&
           dwWritten == bytes.size();
}

void CLogFolder::Close() {
    if (m_hFile != INVALID_HANDLE_VALUE) ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}
