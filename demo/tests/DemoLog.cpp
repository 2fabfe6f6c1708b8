#include "DemoLog.h"

#include "MessagePump.h"

#include <windows.h>

std::vector<std::string> DemoLog::lines() const {
    std::vector<std::string> result;
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return result;
    std::string text;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        text.append(buffer, read);
    }
    CloseHandle(file);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        result.push_back(text.substr(start, end - start));
    }
    return result;
}

std::string DemoLog::waitFor(const std::function<bool(const std::string&)>& match,
                             unsigned timeoutMs) const {
    std::string found;
    MessagePump::until(
        [&] {
            for (const auto& line : lines()) {
                if (match(line)) {
                    found = line;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

std::string DemoLog::waitForText(const std::string& part, unsigned timeoutMs) const {
    return waitFor([&](const std::string& line) { return line.find(part) != std::string::npos; },
                   timeoutMs);
}
