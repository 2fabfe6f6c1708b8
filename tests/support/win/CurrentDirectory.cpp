#include "CurrentDirectory.h"

#include <windows.h>

CurrentDirectory::CurrentDirectory(const std::string& path) {
    char previous[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    m_previous = previous;
    ::SetCurrentDirectoryA(path.c_str());
}

CurrentDirectory::~CurrentDirectory() {
    ::SetCurrentDirectoryA(m_previous.c_str());
}
