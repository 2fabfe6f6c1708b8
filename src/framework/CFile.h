// A file opened for reading, closed when it goes out of scope.
#pragma once

#include <windows.h>

#include <cstdint>

class CFile {
public:
    CFile() = default;
    ~CFile() { Close(); }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    BOOL OpenForRead(LPCSTR lpszFileName);
    // bytes actually read (0 at the end or on error)
    UINT Read(void* lpBuf, UINT nCount);
    uint64_t GetLength() const;
    void Close();

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};
