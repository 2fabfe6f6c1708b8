#include "LogFolder.h"

#include "Log.h"

const std::string& CLogFolder::Folder() {
    if (!m_bFolderSought) m_strFolder = OrbavelProfileFolder("Logs");
    m_bFolderSought = true;
    return m_strFolder;
}

bool CLogFolder::Move(const std::string& from, const std::string& to) {
    const std::string& folder = Folder();
    return !folder.empty() &&
           ::MoveFileExA((folder + "\\" + from).c_str(), (folder + "\\" + to).c_str(),
                         MOVEFILE_REPLACE_EXISTING);
}

// Every write goes to the end, also after another launcher's lines: the file is
// emptied by a handle of its own, then opened to append only.
bool CLogFolder::Open(const std::string& name, bool bEmpty) {
    Close();
    if (Folder().empty()) return false;
    const std::string path = Folder() + "\\" + name;
    const DWORD dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
    if (bEmpty) {
        HANDLE hEmpty = ::CreateFileA(path.c_str(), GENERIC_WRITE, dwShare, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hEmpty == INVALID_HANDLE_VALUE) return false;
        ::CloseHandle(hEmpty);
    }
    m_hFile = ::CreateFileA(path.c_str(), FILE_APPEND_DATA, dwShare, nullptr, OPEN_ALWAYS,
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
