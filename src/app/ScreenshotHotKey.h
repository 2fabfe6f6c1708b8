// Ctrl+Alt+A for the screen capture, held only while a window of the launcher or
// of the game is in front: other programs keep the keys (and AltGr+A, on layouts
// where AltGr is Ctrl+Alt) the rest of the time. Follows the system's foreground
// events and the launcher's own activation.
#pragma once

#include <windows.h>

class CScreenshotHotKey {
public:
    static constexpr int kId = 1;  // the WM_HOTKEY identifier

    // The keys go to hWnd's WM_HOTKEY; taken at once if the launcher is in front.
    explicit CScreenshotHotKey(HWND hWnd);
    ~CScreenshotHotKey();
    CScreenshotHotKey(const CScreenshotHotKey&) = delete;
    CScreenshotHotKey& operator=(const CScreenshotHotKey&) = delete;

    // The launcher's WM_ACTIVATEAPP: where the system sends no foreground events,
    // its own coming to and leaving the front still tells.
    void OnActivateApp(BOOL bActive, DWORD dwOtherThread);

private:
    static void CALLBACK OnForeground(HWINEVENTHOOK, DWORD, HWND hWnd, LONG, LONG, DWORD, DWORD);
    // Takes or gives back the keys. Another program holding them leaves the launcher
    // without, silently: it tries again when it next comes to the front.
    void Hold(bool bHold);

    static CScreenshotHotKey* s_pInstance;  // for the event callback, which has no context
    HWND m_hWnd;
    HWINEVENTHOOK m_hHook = nullptr;
    bool m_bHeld = false;
};
