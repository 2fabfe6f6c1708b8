// The demo game's event log as the tests see it: the lines written so far,
// re-read on every look, and a wait for a line that matches.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class DemoLog {
public:
    explicit DemoLog(std::string path) : m_path(std::move(path)) {}

    std::vector<std::string> Lines() const;
    // The first line for which match holds, waiting up to the deadline while
    // messages flow; empty if none came.
    std::string WaitFor(const std::function<bool(const std::string&)>& match,
                        DWORD timeoutMs = 15000) const;
    std::string WaitForText(const std::string& part, DWORD timeoutMs = 15000) const;

private:
    std::string m_path;
};
