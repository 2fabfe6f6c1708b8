#include "ScreenshotFile.h"

#include <shlobj.h>

#include "GdiPlus.h"

#include <cwchar>
#include <vector>

#include "Afx.h"
#include "CFile.h"
#include "ComPtr.h"
#include "Log.h"
#include "ScreenshotName.h"

namespace {

struct ScreenshotSave {
    CString strPath;    // the file written, or the file or folder that failed
    DWORD dwError = 0;  // 0 when written, else the system's error code
};

// enough for any picture of a screen; past it a name is taken as not to be found
const unsigned kMaxCopies = 1000;

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

// The PNG file's bytes; 0 or the system's error code.
DWORD EncodePng(HBITMAP hBitmap, std::vector<uint8_t>& png) {
    CLSID clsid;
    if (!FindPngEncoder(&clsid)) return ERROR_NOT_SUPPORTED;
    Gdiplus::Bitmap picture(hBitmap, nullptr);
    ComPtr<IStream> pStream;
    if (picture.GetLastStatus() != Gdiplus::Ok ||
        FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, pStream.Receive())) ||
        picture.Save(pStream.Get(), &clsid, nullptr) != Gdiplus::Ok) {
        return ERROR_NO_SYSTEM_RESOURCES;
    }
    HGLOBAL hMemory = nullptr;
    STATSTG stat = {};
    if (FAILED(::GetHGlobalFromStream(pStream.Get(), &hMemory)) ||
        FAILED(pStream->Stat(&stat, STATFLAG_NONAME))) {
        return ERROR_NO_SYSTEM_RESOURCES;
    }
    const auto* pBytes = static_cast<const uint8_t*>(::GlobalLock(hMemory));
    if (!pBytes) return ERROR_NOT_ENOUGH_MEMORY;
    png.assign(pBytes, pBytes + stat.cbSize.LowPart);
    ::GlobalUnlock(hMemory);
    return 0;
}

// The game's folder in the player's pictures, made if missing.
DWORD MakeFolder(CString& strFolder) {
    char path[MAX_PATH] = {};
    const HRESULT hr = ::SHGetFolderPathA(nullptr, CSIDL_MYPICTURES | CSIDL_FLAG_CREATE, nullptr,
                                          SHGFP_TYPE_CURRENT, path);
    strFolder = CString(path) + "\\" + kScreenshotFolder;
    if (FAILED(hr)) return HRESULT_CODE(hr);
    if (::CreateDirectoryA(strFolder, nullptr)) return 0;
    const DWORD dwError = ::GetLastError();
    const DWORD dwAttributes = ::GetFileAttributesA(strFolder);
    const bool bFolder =
        dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
    return dwError == ERROR_ALREADY_EXISTS && bFolder ? 0 : dwError;
}

ScreenshotTime Now() {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

// Writes the bytes under the first name of the time that is free.
DWORD WriteNewFile(const CString& strFolder, const std::vector<uint8_t>& png, CString& strPath) {
    const ScreenshotTime time = Now();
    for (unsigned nCopy = 1; nCopy <= kMaxCopies; nCopy++) {
        strPath = strFolder + "\\" + ScreenshotFileName(time, nCopy).c_str();
        CFile file;
        if (!file.CreateNew(strPath)) {
            const DWORD dwError = ::GetLastError();
            if (dwError == ERROR_FILE_EXISTS) continue;
            return dwError;
        }
        if (file.Write(png.data(), static_cast<UINT>(png.size()))) return 0;
        const DWORD dwError = ::GetLastError();
        file.Close();
        ::DeleteFileA(strPath);  // no broken picture is left behind
        return dwError ? dwError : ERROR_WRITE_FAULT;
    }
    return ERROR_FILE_EXISTS;
}

ScreenshotSave SaveScreenshot(HBITMAP hBitmap) {
    ScreenshotSave save;
    save.dwError = MakeFolder(save.strPath);
    std::vector<uint8_t> png;
    if (!save.dwError) save.dwError = EncodePng(hBitmap, png);
    const CString strFolder = save.strPath;
    if (!save.dwError) save.dwError = WriteNewFile(strFolder, png, save.strPath);
    return save;
}

CString ScreenshotFailureText(const ScreenshotSave& save) {
    return AfxAnsiFromUtf8("截图未能保存：\r\n") + save.strPath + "\r\n\r\n" +
           SystemErrorText(save.dwError).c_str();
}

}  // namespace

bool SaveScreenshotOrTell(HBITMAP hBitmap, CWnd* pOwner) {
    const ScreenshotSave save = SaveScreenshot(hBitmap);
    if (!save.dwError) {
        LogEvent("capture", "saved %s", save.strPath.GetString());
        return true;
    }
    // the box's text, with the reason, goes to the log as well
    AfxMessageBox(ScreenshotFailureText(save), MB_OK | MB_ICONERROR | MB_TOPMOST, pOwner);
    return false;
}
