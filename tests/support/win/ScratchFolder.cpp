#include "ScratchFolder.h"

#include <windows.h>

#include <fstream>

namespace {

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((path + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryA(path.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder(const std::string& prefix) {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    static unsigned counter = 0;
    for (;;) {
        m_path = std::string(temp) + prefix + "-" + std::to_string(::GetCurrentProcessId()) + "-" +
                 std::to_string(counter++);
        if (::CreateDirectoryA(m_path.c_str(), nullptr)) break;
    }
}

ScratchFolder::~ScratchFolder() {
    RemoveTree(m_path);
}

void ScratchFolder::Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::string path = *this / name;
    size_t slash = path.rfind('\\');
    ::CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

void ScratchFolder::Write(const std::string& name, const std::string& text) const {
    Write(name, std::vector<uint8_t>(text.begin(), text.end()));
}

bool ScratchFolder::Copy(const std::string& source, const std::string& name) const {
    return ::CopyFileA(source.c_str(), (*this / name).c_str(), FALSE) != 0;
}
