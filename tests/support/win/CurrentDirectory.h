// Makes a folder the current one while it lives.
#pragma once

#include <string>

class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::string& path);
    ~CurrentDirectory();

private:
    std::string m_previous;
};
