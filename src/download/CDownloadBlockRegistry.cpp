#include "CDownloadBlockRegistry.h"

namespace {

// false when the block leads to no string
bool CopyBlock(DownloadMessage message, uintptr_t wParam, DownloadArgs& args) {
    switch (message) {
        case DownloadMessage::CheckTime: {
            const auto* pBlock = reinterpret_cast<const DownloadTimeBlock*>(wParam);
            if (!pBlock->pFirst || !pBlock->pSecond) return false;
            args.strFirst = *pBlock->pFirst;
            args.strSecond = *pBlock->pSecond;
            return true;
        }
        case DownloadMessage::Error:
        case DownloadMessage::StartDownload:
            args.strFirst = *reinterpret_cast<const CString*>(wParam);
            return true;
        default: {
            const auto* pBlock = reinterpret_cast<const DownloadStatusBlock*>(wParam);
            if (!pBlock->pText) return false;
            args.strFirst = *pBlock->pText;
            args.nFirst = pBlock->nFirst;
            args.nSecond = pBlock->nSecond;
            return true;
        }
    }
    return false;
}

}  // namespace

CDownloadBlockRegistry& CDownloadBlockRegistry::Instance() {
    static CDownloadBlockRegistry registry;
    return registry;
}

CDownloadBlockRegistry::Scope::Scope(DownloadMessage message, const void* pBlock)
    : m_message(message), m_pBlock(pBlock) {
    Instance().Add(message, pBlock);
}

CDownloadBlockRegistry::Scope::~Scope() {
    Instance().Remove(m_message, m_pBlock);
}

void CDownloadBlockRegistry::Add(DownloadMessage message, const void* pBlock) {
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_blocks[{message, reinterpret_cast<uintptr_t>(pBlock)}];
}

void CDownloadBlockRegistry::Remove(DownloadMessage message, const void* pBlock) {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_blocks.find({message, reinterpret_cast<uintptr_t>(pBlock)});
    if (it != m_blocks.end() && --it->second == 0) m_blocks.erase(it);
}

bool CDownloadBlockRegistry::Copy(DownloadMessage message, uintptr_t wParam,
                                  DownloadArgs& args) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (wParam == 0 || m_blocks.count({message, wParam}) == 0) return false;
    DownloadArgs copy;
    if (!CopyBlock(message, wParam, copy)) return false;
    args = copy;
    return true;
}
