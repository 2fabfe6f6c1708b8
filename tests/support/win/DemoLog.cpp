#include "DemoLog.h"

#include "MessagePump.h"

std::vector<std::string> DemoLog::Lines() const {
    std::vector<std::string> lines;
    // the game keeps the file open for writing while the tests read it
    HANDLE file = ::CreateFileA(m_path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lines;
    std::string text;
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        text.append(buffer, read);
    }
    ::CloseHandle(file);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

std::string DemoLog::WaitFor(const std::function<bool(const std::string&)>& match,
                             DWORD timeoutMs) const {
    std::string found;
    PumpUntil(
        [&] {
            for (const std::string& line : Lines()) {
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

std::string DemoLog::WaitForText(const std::string& part, DWORD timeoutMs) const {
    return WaitFor([&](const std::string& line) { return line.find(part) != std::string::npos; },
                   timeoutMs);
}
