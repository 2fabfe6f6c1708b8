#include "LogWriter.h"

#include <cstdio>

namespace {
const char kUtf8Mark[] = "\xEF\xBB\xBF";  // tells Notepad the file is UTF-8
}  // namespace

std::string CLogWriter::FileName(int nSession) {
    char name[32] = "Skylark.log";
    if (nSession > 0) std::snprintf(name, sizeof(name), "Skylark.%d.log", nSession);
    return name;
}

void CLogWriter::Start(bool bRotate) {
    m_bStarted = true;
    m_bRotate = bRotate;
}

void CLogWriter::Add(const std::string& line, bool bEnd) {
    if (m_bBroken) return;
    if (!bEnd && m_nQueued + line.size() > kMaxQueued) {
        m_nDropped++;
        return;
    }
    m_lines.push_back({line, bEnd});
    m_nQueued += line.size();
}

// The oldest log goes, every other moves one place down, and the new one starts empty.
bool CLogWriter::OpenFile() {
    if (m_bRotate) {
        for (int n = kKeptSessions; n > 0; n--) m_storage.Move(FileName(n - 1), FileName(n));
    }
    if (!m_storage.Open(FileName(0), m_bRotate)) return false;
    m_bOpen = true;
    return m_storage.Size() > 0 || m_storage.Append(kUtf8Mark);
}

// The size is asked every time: another launcher may have added its lines.
bool CLogWriter::Flush() {
    if (!m_bStarted || m_bBroken) return !m_bBroken;
    if (m_bOpen && m_lines.empty()) return true;
    if (!m_bOpen && !OpenFile()) m_bBroken = true;
    std::string batch;
    const uint64_t nSize = m_bBroken ? 0 : m_storage.Size();
    for (const Line& line : m_lines) {
        const uint64_t nLimit = line.bEnd ? kMaxBytes : kMaxBytes - kEndReserve;
        if ((line.bEnd || !m_bFull) && nSize + batch.size() + line.text.size() <= nLimit) {
            batch += line.text;
        } else {
            m_bFull = m_bFull || !line.bEnd;
            m_nDropped++;
        }
    }
    m_lines.clear();
    m_nQueued = 0;
    if (!m_bBroken && !batch.empty() && !m_storage.Append(batch)) m_bBroken = true;
    return !m_bBroken;
}
