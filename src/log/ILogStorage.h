// The folder a log is kept in, as the log's writer sees it: the launcher's is a
// folder of the player's profile, a test's is kept in memory.
#pragma once

#include <cstdint>
#include <string>

class ILogStorage {
public:
    virtual ~ILogStorage() = default;

    // Renames a file, replacing one of the new name; false if it cannot (it is missing).
    virtual bool Move(const std::string& from, const std::string& to) = 0;
    // Opens a file, made if missing, for writing at its end; emptied first when bEmpty.
    virtual bool Open(const std::string& name, bool bEmpty) = 0;
    // the open file's size in bytes, whoever wrote them
    virtual uint64_t Size() = 0;
    virtual bool Append(const std::string& bytes) = 0;
};
