#pragma once

#include "UniqueResource.h"

#include <string>

// The demo game's event log: JSON lines appended to a UTF-8 file, each
// written straight through so that a reader sees it at once. A closed log
// (logging switched off, or the file could not be opened) drops every line.
class EventLog {
public:
    EventLog() = default;
    static EventLog open(const std::wstring& path);

    bool isOpen() const { return file_.valid(); }
    void write(const std::string& line) const;

private:
    explicit EventLog(UniqueHandle file) : file_(std::move(file)) {}

    UniqueHandle file_;
};
