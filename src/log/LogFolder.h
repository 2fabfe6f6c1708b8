// The folder of the player's profile the launcher's logs are kept in, and the log
// file open in it: the writer's storage on Windows.
#pragma once

#include <windows.h>

#include "ILogStorage.h"

class CLogFolder : public ILogStorage {
public:
    CLogFolder() = default;
    ~CLogFolder() override { Close(); }
    CLogFolder(const CLogFolder&) = delete;
    CLogFolder& operator=(const CLogFolder&) = delete;

    bool Move(const std::string& from, const std::string& to) override;
    bool Open(const std::string& name, bool bEmpty) override;
    uint64_t Size() override;
    bool Append(const std::string& bytes) override;
    void Close();

private:
    // the folder, looked for and made on first use; empty if it cannot be
    const std::wstring& Folder();
    std::wstring PathOf(const std::string& name);

    std::wstring m_strFolder;
    bool m_bFolderSought = false;
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};
