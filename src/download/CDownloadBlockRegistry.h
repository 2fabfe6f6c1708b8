// The blocks that senders of this process have in flight. The download messages
// have system-wide numbers, so any program can send them with any wParam; a
// pointer from another process means nothing here. The window reads only blocks
// registered here, for the very message they were registered with.
// Portable: no <windows.h>.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <utility>

#include "DownloadBlock.h"

class CDownloadBlockRegistry {
public:
    static CDownloadBlockRegistry& Instance();

    // Registers a block for the time of one send.
    class Scope {
    public:
        Scope(DownloadMessage message, const void* pBlock);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        DownloadMessage m_message;
        const void* m_pBlock;
    };

    // Copies what wParam leads to into args, if it is a block registered for this
    // message; false (args untouched) otherwise. The copy is made under the lock,
    // so a sender that gives up waiting cannot free the block while it is read.
    bool Copy(DownloadMessage message, uintptr_t wParam, DownloadArgs& args) const;

private:
    void Add(DownloadMessage message, const void* pBlock);
    void Remove(DownloadMessage message, const void* pBlock);

    mutable std::mutex m_mutex;
    // a count per block: the same block may be sent again while in flight
    std::map<std::pair<DownloadMessage, uintptr_t>, int> m_blocks;
};
