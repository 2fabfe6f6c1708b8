// A fresh directory below the system's temporary directory, removed with its contents
// when the object goes away. Tests write the files they read into one of their own.
#pragma once

#include <filesystem>
#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& GetPath() const { return m_path; }

    // Writes the bytes as they are to a file below the directory, creating missing
    // parent directories; returns the file's path.
    std::string WriteFile(const std::string& strName, const std::string& strBytes) const;

private:
    std::filesystem::path m_path;
};
