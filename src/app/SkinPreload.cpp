#include "SkinPreload.h"

#include "Afx.h"

namespace {
SkinPreload* s_pActive = nullptr;
}  // namespace

SkinPreload::SkinPreload(const std::vector<CString>& bitmapPaths,
                         const std::vector<CString>& picturePaths) {
    for (const CString& path : bitmapPaths) m_items.emplace_back(path, true);
    for (const CString& path : picturePaths) m_items.emplace_back(path, false);
    m_hWorker = ::CreateThread(nullptr, 0, &Decode, this, 0, nullptr);
    // without a worker the loaders decode as they always did
    if (m_hWorker && !s_pActive) s_pActive = this;
}

SkinPreload::~SkinPreload() {
    Join();
    if (s_pActive == this) s_pActive = nullptr;
}

DWORD WINAPI SkinPreload::Decode(LPVOID pParam) {
    auto* pThis = static_cast<SkinPreload*>(pParam);
    for (Item& item : pThis->m_items) {
        try {
            if (item.bBitmap) {
                DecodeSkinBitmap(item.path, item.bitmap);
            } else {
                DecodeSkinPicture(item.path, item.picture);
            }
        } catch (...) {
            // left empty: the loader decodes it again, and fails as it always did;
            // nothing may leave a thread's function, or the process ends
        }
    }
    return 0;
}

void SkinPreload::Join() {
    if (!m_hWorker) return;
    ::WaitForSingleObject(m_hWorker, INFINITE);
    ::CloseHandle(m_hWorker);
    m_hWorker = nullptr;
}

SkinPreload::Item* SkinPreload::Finished(const CString& path, bool bBitmap) {
    if (!s_pActive) return nullptr;
    s_pActive->Join();
    for (Item& item : s_pActive->m_items) {
        if (item.bBitmap == bBitmap && item.path == path) return &item;
    }
    return nullptr;
}

BOOL SkinPreload::TakeBitmap(const CString& path, CBitmap& bitmap) {
    Item* pItem = Finished(path, true);
    if (!pItem || !pItem->bitmap.GetSafeHandle()) return FALSE;
    bitmap.Attach(pItem->bitmap.Detach());
    return TRUE;
}

BOOL SkinPreload::TakePicture(const CString& path, SkinPicture& picture) {
    Item* pItem = Finished(path, false);
    // a picture that failed holds an empty image: the loader makes it anew
    if (!pItem || !pItem->picture.pImage || pItem->picture.nWidth == 0) return FALSE;
    picture = std::move(pItem->picture);
    return TRUE;
}
