// A message loop of our own inside a handler: a modal dialog's, or a drag that
// tracks the mouse until the button is released. Each message gets the
// application's pre-translation (accelerators, dialog keys), a failed GetMessage is
// skipped, and a WM_QUIT ends the loop with its exit code and is posted again for
// the loops outside. A window disabled for the loop is enabled again on every path.
#pragma once

#include <windows.h>

#include <functional>

class CModalLoop {
public:
    // hOwner (may be null) stays disabled while this object lives.
    explicit CModalLoop(HWND hOwner = nullptr);
    ~CModalLoop();
    CModalLoop(const CModalLoop&) = delete;
    CModalLoop& operator=(const CModalLoop&) = delete;

    // Waits for this thread's next message. FALSE when it is WM_QUIT: then
    // *pnExitCode is its exit code, and the quit is posted again.
    static BOOL GetNextMessage(MSG* pMsg, int* pnExitCode);
    // Offers the message to the application's pre-translation, then dispatches it.
    // Nothing it raises gets out: a failure ends the message.
    static void DispatchMessage(MSG* pMsg);

    // Dispatches messages until bDone() is true (checked before each wait) or
    // WM_QUIT arrives; FALSE for the quit, whose code GetExitCode then gives.
    BOOL Run(const std::function<bool()>& bDone);
    int GetExitCode() const { return m_nExitCode; }

private:
    HWND m_hOwner = nullptr;  // disabled by us, to enable again
    int m_nExitCode = 0;
};
