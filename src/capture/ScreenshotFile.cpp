#include "ScreenshotFile.h"

#include <shlobj.h>

#include "GdiPlus.h"

#include <cwchar>
#include <string>
#include <vector>

#include "CFile.h"
#include "CaptureFailure.h"
#include "ComPtr.h"
#include "Log.h"
#include "ScreenshotName.h"

namespace {

struct ScreenshotSave {
    std::wstring strPath;  // the file written, or the file or folder that failed
    HRESULT hr = S_OK;     // else the system's error
};

// enough for any picture of a screen; past it a name is taken as not to be found
const unsigned kMaxCopies = 1000;

// names made here are ASCII
std::wstring Wide(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

bool FindPngEncoder(CLSID* pClsid) {
    UINT nCount = 0, cbSize = 0;
    if (Gdiplus::GetImageEncodersSize(&nCount, &cbSize) != Gdiplus::Ok || cbSize == 0) {
        return false;
    }
    std::vector<uint64_t> buffer(cbSize / sizeof(uint64_t) + 1);  // aligned for the records
    auto* pCodecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(nCount, cbSize, pCodecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < nCount; i++) {
        if (std::wcscmp(pCodecs[i].MimeType, L"image/png") == 0) {
            *pClsid = pCodecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// The PNG file's bytes; S_OK or the error.
HRESULT EncodePng(HBITMAP hBitmap, std::vector<uint8_t>& png) {
    CLSID clsid;
    if (!FindPngEncoder(&clsid)) return HRESULT_FROM_WIN32(ERROR_NOT_SUPPORTED);
    Gdiplus::Bitmap picture(hBitmap, nullptr);
    if (picture.GetLastStatus() != Gdiplus::Ok)
        return HRESULT_FROM_WIN32(ERROR_NO_SYSTEM_RESOURCES);
    ComPtr<IStream> pStream;
    HRESULT hr = ::CreateStreamOnHGlobal(nullptr, TRUE, pStream.Receive());
    if (FAILED(hr)) return hr;
    if (picture.Save(pStream.Get(), &clsid, nullptr) != Gdiplus::Ok) {
        return HRESULT_FROM_WIN32(ERROR_NO_SYSTEM_RESOURCES);
    }
    HGLOBAL hMemory = nullptr;
    STATSTG stat = {};
    if (FAILED(hr = ::GetHGlobalFromStream(pStream.Get(), &hMemory)) ||
        FAILED(hr = pStream->Stat(&stat, STATFLAG_NONAME))) {
        return hr;
    }
    const auto* pBytes = static_cast<const uint8_t*>(::GlobalLock(hMemory));
    if (!pBytes) return E_OUTOFMEMORY;
    png.assign(pBytes, pBytes + stat.cbSize.LowPart);
    ::GlobalUnlock(hMemory);
    return S_OK;
}

// The game's folder in the player's pictures, made if missing. Wide: the pictures
// folder may have characters of no code page (a user name in another script).
HRESULT MakeFolder(std::wstring& strFolder) {
    wchar_t path[MAX_PATH] = {};
    const HRESULT hr = ::SHGetFolderPathW(nullptr, CSIDL_MYPICTURES | CSIDL_FLAG_CREATE, nullptr,
                                          SHGFP_TYPE_CURRENT, path);
    strFolder = std::wstring(path) + L"\\" + Wide(kScreenshotFolder);
    if (FAILED(hr)) return hr;
    if (::CreateDirectoryW(strFolder.c_str(), nullptr)) return S_OK;
    const HRESULT hrCreate = LastErrorOr(ERROR_WRITE_FAULT);
    const DWORD dwAttributes = ::GetFileAttributesW(strFolder.c_str());
    const bool bFolder =
        dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
    return hrCreate == HRESULT_FROM_WIN32(ERROR_ALREADY_EXISTS) && bFolder ? S_OK : hrCreate;
}

ScreenshotTime Now() {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

// Writes the bytes under the first name of the time that is free. A file that was
// not written whole, to the end of its closing (a network folder reports late), is removed.
HRESULT WriteNewFile(const std::wstring& strFolder, const std::vector<uint8_t>& png,
                     std::wstring& strPath) {
    const ScreenshotTime time = Now();
    for (unsigned nCopy = 1; nCopy <= kMaxCopies; nCopy++) {
        strPath = strFolder + L"\\" + Wide(ScreenshotFileName(time, nCopy));
        CFile file;
        if (!file.CreateNew(strPath.c_str())) {
            const HRESULT hr = LastErrorOr(ERROR_WRITE_FAULT);
            if (hr == HRESULT_FROM_WIN32(ERROR_FILE_EXISTS)) continue;
            return hr;
        }
        HRESULT hr = S_OK;
        if (!file.Write(png.data(), static_cast<UINT>(png.size())))
            hr = LastErrorOr(ERROR_WRITE_FAULT);
        if (!file.Close() && SUCCEEDED(hr)) hr = LastErrorOr(ERROR_WRITE_FAULT);
        if (FAILED(hr)) ::DeleteFileW(strPath.c_str());
        return hr;
    }
    return HRESULT_FROM_WIN32(ERROR_FILE_EXISTS);
}

ScreenshotSave SaveScreenshot(HBITMAP hBitmap) {
    ScreenshotSave save;
    save.hr = MakeFolder(save.strPath);
    std::vector<uint8_t> png;
    if (SUCCEEDED(save.hr)) save.hr = EncodePng(hBitmap, png);
    const std::wstring strFolder = save.strPath;
    if (SUCCEEDED(save.hr)) save.hr = WriteNewFile(strFolder, png, save.strPath);
    return save;
}

}  // namespace

bool SaveScreenshotOrTell(HBITMAP hBitmap, CWnd* pOwner) {
    const ScreenshotSave save = SaveScreenshot(hBitmap);
    // a failure's box, with the reason, goes to the log as well
    if (FAILED(save.hr)) {
        TellCaptureFailure(pOwner, "截图未能保存：", save.strPath, save.hr);
    } else {
        LogText("capture", (L"saved " + save.strPath).c_str());
    }
    return SUCCEEDED(save.hr);
}
