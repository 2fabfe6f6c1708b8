// The receiving end of a file-download worker: a window of class TBase that turns
// the six registered download messages into six calls, and that owns the handles
// of the worker threads, waiting for them and closing them when it goes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>

#include "CDownloadBlockRegistry.h"
#include "CDownloadMessages.h"

template <class TBase>
class FCDownloadFileWndBase : public TBase {
public:
    FCDownloadFileWndBase() = default;
    ~FCDownloadFileWndBase() override { CloseWorkers(); }

protected:
    // Its result is the message's result.
    virtual LRESULT OnCheckTime(CString strFirst, CString strSecond) = 0;
    virtual void OnDownFinished(CString, int32_t, int32_t) {}
    virtual void OnProxyValidate(CString, int32_t, int32_t) {}
    virtual void OnError(CString) {}
    virtual void OnStartDownload(CString) {}
    virtual void OnProgress(CString, int32_t, int32_t) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        DownloadMessage kind;
        if (!CDownloadMessages::Find(message, kind)) {
            return TBase::WindowProc(message, wParam, lParam);
        }
        DownloadArgs args;
        // anything but a block a sender of this process registered is ignored
        if (!CDownloadBlockRegistry::Instance().Copy(kind, wParam, args)) return 0;
        return Dispatch(kind, args);
    }

    std::deque<HANDLE> m_hThreads;
    std::deque<CString> m_strList;

private:
    LRESULT Dispatch(DownloadMessage kind, const DownloadArgs& args) {
        switch (kind) {
            case DownloadMessage::CheckTime:
                return OnCheckTime(args.strFirst, args.strSecond);
            case DownloadMessage::DownFinished:
                OnDownFinished(args.strFirst, args.nFirst, args.nSecond);
                break;
            case DownloadMessage::ProxyValidate:
                OnProxyValidate(args.strFirst, args.nFirst, args.nSecond);
                break;
            case DownloadMessage::Error:
                OnError(args.strFirst);
                break;
            case DownloadMessage::StartDownload:
                OnStartDownload(args.strFirst);
                break;
            case DownloadMessage::Progress:
                OnProgress(args.strFirst, args.nFirst, args.nSecond);
                break;
        }
        return 0;
    }

    // Every worker, whatever the string queue holds: a handle left open would leak
    // and its thread would outlive the window.
    void CloseWorkers() {
        for (HANDLE hThread : m_hThreads) {
            if (::WaitForSingleObject(hThread, 10000) == WAIT_TIMEOUT)
                ::TerminateThread(hThread, 0);
            ::CloseHandle(hThread);
        }
        m_hThreads.clear();
    }
};
