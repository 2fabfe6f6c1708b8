#pragma once

#include <functional>
#include <string>
#include <vector>

// The demo game's event log as the tests see it: the lines written so far,
// re-read on every look, and a wait for a line that matches.
class DemoLog {
public:
    explicit DemoLog(std::string path) : path_(std::move(path)) {}

    std::vector<std::string> lines() const;
    // The first line for which match holds, waiting up to the deadline;
    // empty if none came.
    std::string waitFor(const std::function<bool(const std::string&)>& match,
                        unsigned timeoutMs = 15000) const;
    std::string waitForText(const std::string& part, unsigned timeoutMs = 15000) const;

private:
    std::string path_;
};
