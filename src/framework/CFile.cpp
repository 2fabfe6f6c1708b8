#include "CFile.h"

BOOL CFile::OpenForRead(LPCSTR lpszFileName) {
    Close();
    m_hFile = ::CreateFileA(lpszFileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_hFile != INVALID_HANDLE_VALUE;
}

BOOL CFile::CreateNew(LPCWSTR lpszFileName) {
    Close();
    m_hFile = ::CreateFileW(lpszFileName, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_hFile != INVALID_HANDLE_VALUE;
}

BOOL CFile::Write(const void* lpBuf, UINT nCount) {
    DWORD nWritten = 0;
    return m_hFile != INVALID_HANDLE_VALUE &&
           ::WriteFile(m_hFile, lpBuf, nCount, &nWritten, nullptr) && nWritten == nCount;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    DWORD nRead = 0;
    if (m_hFile == INVALID_HANDLE_VALUE || !::ReadFile(m_hFile, lpBuf, nCount, &nRead, nullptr)) {
        return 0;
    }
    return nRead;
}

uint64_t CFile::GetLength() const {
    LARGE_INTEGER size = {};
    if (m_hFile == INVALID_HANDLE_VALUE || !::GetFileSizeEx(m_hFile, &size)) return 0;
    return static_cast<uint64_t>(size.QuadPart);
}

BOOL CFile::Close() {
    if (m_hFile == INVALID_HANDLE_VALUE) return TRUE;
    const BOOL bClosed = ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    return bClosed;
}
