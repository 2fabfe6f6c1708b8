// A session's log, written in batches: the previous sessions' logs kept under
// numbered names, and one file never longer than its cap. Lines that do not fit are
// counted instead; the lines that end a session or record a crash have room kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ILogStorage.h"

class CLogWriter {
public:
    static constexpr uint64_t kMaxBytes = 1024 * 1024;
    // what the end of a session and a crash record may still use once the log is full
    static constexpr uint64_t kEndReserve = 16 * 1024;
    // the previous sessions kept: Skylark.1.log (the last) to Skylark.4.log
    static constexpr int kKeptSessions = 4;
    // what is queued before the log is started, or between two flushes, at most
    static constexpr size_t kMaxQueued = 64 * 1024;

    explicit CLogWriter(ILogStorage& storage) : m_storage(storage) {}

    // From now on Flush writes: into a new log, the earlier ones moved down a place
    // (bRotate), or at the end of the current one (another launcher's).
    void Start(bool bRotate);
    // Queues one line; bEnd for a line that may use the room kept at the end.
    void Add(const std::string& line, bool bEnd = false);
    // Writes what is queued once started. False once the log cannot be written:
    // from then on nothing is queued or written.
    bool Flush();

    size_t Queued() const { return m_nQueued; }
    // the lines that did not fit
    unsigned long Dropped() const { return m_nDropped; }

    static std::string FileName(int nSession);

private:
    struct Line {
        std::string text;
        bool bEnd;
    };

    bool OpenFile();

    ILogStorage& m_storage;
    std::vector<Line> m_lines;
    size_t m_nQueued = 0;
    unsigned long m_nDropped = 0;
    bool m_bStarted = false;
    bool m_bRotate = false;
    bool m_bOpen = false;
    bool m_bBroken = false;
    bool m_bFull = false;  // a line was left out: later ones are too, but for the end's
};
