// A file opened for reading or created for writing, closed when it goes out of scope.
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
    // a file that did not exist (ERROR_FILE_EXISTS when one does), for writing
    BOOL CreateNew(LPCWSTR lpszFileName);
    // bytes actually read (0 at the end or on error)
    UINT Read(void* lpBuf, UINT nCount);
    // FALSE unless every byte was written
    BOOL Write(const void* lpBuf, UINT nCount);
    uint64_t GetLength() const;
    // FALSE when the system reports an error at closing: what was written may be lost
    BOOL Close();

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};
