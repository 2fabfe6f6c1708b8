// Skin pictures decoded on a worker thread while start-up builds the windows, so
// that loading the image codec and decoding overlap with that work. The skin
// loaders take what it decoded; the worker has ended, and what nobody took is
// deleted, when the preload goes.
#pragma once

#include <windows.h>

#include <deque>
#include <vector>

#include "CBitmap.h"
#include "CString.h"
#include "Skin.h"

class SkinPreload {
public:
    // Starts decoding each of bitmapPaths as LoadSkinBitmap does and each of
    // picturePaths as LoadSkinPicture does. GDI+ must be running.
    SkinPreload(const std::vector<CString>& bitmapPaths, const std::vector<CString>& picturePaths);
    ~SkinPreload();
    SkinPreload(const SkinPreload&) = delete;
    SkinPreload& operator=(const SkinPreload&) = delete;

    // What the preload alive now decoded from path, waiting for its worker: FALSE,
    // and nothing changed, without a preload, when path was not asked for, was
    // taken already or could not be decoded. For the thread that made the preload.
    static BOOL TakeBitmap(const CString& path, CBitmap& bitmap);
    static BOOL TakePicture(const CString& path, SkinPicture& picture);

private:
    struct Item {
        Item(const CString& strPath, bool bIsBitmap) : path(strPath), bBitmap(bIsBitmap) {}
        CString path;
        bool bBitmap;
        CBitmap bitmap;       // decoded by the worker, for LoadSkinBitmap
        SkinPicture picture;  // decoded by the worker, for LoadSkinPicture
    };

    static DWORD WINAPI Decode(LPVOID pParam);
    // the item of path and kind, once the worker has ended; null if none
    static Item* Finished(const CString& path, bool bBitmap);
    void Join();

    // written by the worker until it ends, read by the main thread only after that
    std::deque<Item> m_items;
    HANDLE m_hWorker = nullptr;
};
