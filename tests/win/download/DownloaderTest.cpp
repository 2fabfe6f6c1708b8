// The download window on a real static control: the six registered messages
// from a thread of this process, the same messages from another program with
// pointers that mean nothing here, and the worker handles.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "CDownloadMessages.h"
#include "CDownloader.h"
#include "DownloadIntrusion.h"
#include "TestSupport.h"

namespace {

const char kDownloadText[] = "\xCF\xC2\xD4\xD8";  // "下载" in code page 936

// what the operations were called with, one line each
class RecordingWnd : public FCDownloadFileWndBase<CStatic> {
public:
    std::vector<std::string> m_calls;

protected:
    LRESULT OnCheckTime(CString a, CString b) override {
        Record("CheckTime", a, b);
        return 42;
    }
    void OnDownFinished(CString s, int32_t n1, int32_t n2) override {
        Record("DownFinished", s, "", n1, n2);
    }
    void OnProxyValidate(CString s, int32_t n1, int32_t n2) override {
        Record("ProxyValidate", s, "", n1, n2);
    }
    void OnError(CString s) override { Record("Error", s, ""); }
    void OnStartDownload(CString s) override { Record("StartDownload", s, ""); }
    void OnProgress(CString s, int32_t n1, int32_t n2) override {
        Record("Progress", s, "", n1, n2);
    }

private:
    void Record(const char* op, const CString& a, const CString& b, int32_t n1 = 0,
                int32_t n2 = 0) {
        m_calls.push_back(std::string(op) + "|" + a.str() + "|" + b.str() + "|" +
                          std::to_string(n1) + "|" + std::to_string(n2));
    }
};

// a downloader whose worker queues a test can fill
class WorkerDownloader : public CDownloader {
public:
    void AddWorker(HANDLE hThread) { m_hThreads.push_back(hThread); }
    void AddEntry(const CString& str) { m_strList.push_back(str); }
};

// Control 1027 of a form: a hidden static with the text "下载".
class DownloadControl : public testing::Test {
protected:
    void SetUp() override {
        m_hParent = ::CreateWindowExA(0, "STATIC", "form", WS_POPUP, 0, 0, 300, 200, nullptr,
                                      nullptr, nullptr, nullptr);
        ASSERT_NE(m_hParent, nullptr);
        m_hControl =
            ::CreateWindowExA(0, "STATIC", kDownloadText, WS_CHILD | WS_GROUP, 10, 10, 50, 13,
                              m_hParent, reinterpret_cast<HMENU>(1027), nullptr, nullptr);
        ASSERT_NE(m_hControl, nullptr);
    }
    void TearDown() override {
        if (::IsWindow(m_hParent)) ::DestroyWindow(m_hParent);
    }

    std::string Text() const {
        char text[256] = {};
        ::GetWindowTextA(m_hControl, text, sizeof(text));
        return text;
    }

    // Runs the sends on a worker thread while this thread dispatches messages.
    static void FromWorker(const std::function<void()>& sends) {
        std::atomic<bool> done(false);
        std::thread worker([&] {
            sends();
            done = true;
        });
        EXPECT_TRUE(PumpUntil([&] { return done.load(); }));
        worker.join();
    }

    HWND m_hParent = nullptr;
    HWND m_hControl = nullptr;
};

DWORD WINAPI EndSoon(LPVOID pFlag) {
    ::Sleep(300);
    static_cast<std::atomic<int>*>(pFlag)->fetch_add(1);
    return 0;
}

}  // namespace

TEST_F(DownloadControl, EachMessageFromAWorkerReachesItsOperationWithItsStringsAndIntegers) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(m_hControl));
    std::vector<LRESULT> results;
    FromWorker([&] {
        HWND h = m_hControl;
        results.push_back(CDownloadMessages::SendCheckTime(h, "first", "second"));
        results.push_back(
            CDownloadMessages::SendStatus(h, DownloadMessage::DownFinished, "done", 1, -2));
        results.push_back(
            CDownloadMessages::SendStatus(h, DownloadMessage::ProxyValidate, "proxy", 3, 4));
        results.push_back(CDownloadMessages::SendText(h, DownloadMessage::Error, "error"));
        results.push_back(CDownloadMessages::SendText(h, DownloadMessage::StartDownload, "go"));
        results.push_back(
            CDownloadMessages::SendStatus(h, DownloadMessage::Progress, "progress", 50, 100));
    });
    EXPECT_EQ(results, (std::vector<LRESULT>{42, 0, 0, 0, 0, 0}));
    EXPECT_EQ(wnd.m_calls,
              (std::vector<std::string>{"CheckTime|first|second|0|0", "DownFinished|done||1|-2",
                                        "ProxyValidate|proxy||3|4", "Error|error||0|0",
                                        "StartDownload|go||0|0", "Progress|progress||50|100"}));
}

TEST_F(DownloadControl, TheDownloaderConfirmsTimeChecksAndShowsTheTextOfAStartingDownload) {
    CDownloader wnd;
    ASSERT_TRUE(wnd.SubclassWindow(m_hControl));
    std::vector<LRESULT> results;
    std::vector<std::string> texts;
    FromWorker([&] {
        HWND h = m_hControl;
        results.push_back(CDownloadMessages::SendCheckTime(h, "a", "b"));
        for (DownloadMessage m : {DownloadMessage::DownFinished, DownloadMessage::ProxyValidate,
                                  DownloadMessage::Progress}) {
            results.push_back(CDownloadMessages::SendStatus(h, m, "x", 1, 2));
        }
        results.push_back(CDownloadMessages::SendText(h, DownloadMessage::Error, "failed"));
        texts.push_back(Text());
        results.push_back(
            CDownloadMessages::SendText(h, DownloadMessage::StartDownload, "patch-1.zip"));
        texts.push_back(Text());
    });
    EXPECT_EQ(results, (std::vector<LRESULT>{1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(texts, (std::vector<std::string>{kDownloadText, "patch-1.zip"}));
    EXPECT_FALSE(::IsWindowVisible(m_hControl));

    // an unrelated message goes to the static control as before
    char text[64] = {};
    EXPECT_EQ(::SendMessageA(m_hControl, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text)),
              11);
    EXPECT_STREQ(text, "patch-1.zip");
}

TEST_F(DownloadControl, AnotherProgramsPointersAreAnsweredZeroAndTheWindowLivesOn) {
    CDownloader wnd;
    ASSERT_TRUE(wnd.SubclassWindow(m_hControl));
    ScratchFolder folder("skylark-intruder");
    DownloadIntrusion intrusion = RunDownloadIntruder(folder, m_hControl, ::GetCurrentProcessId());
    ASSERT_TRUE(intrusion.ran);
    EXPECT_EQ(intrusion.sent, 6 * 9) << "every kind of pointer, the planted ones included";
    EXPECT_EQ(intrusion.nonzero, 0);
    EXPECT_EQ(intrusion.unanswered, 0);
    EXPECT_TRUE(::IsWindow(m_hControl));
    EXPECT_EQ(Text(), kDownloadText);
}

TEST_F(DownloadControl, GoingAwayWaitsForAndClosesEveryWorkerWhateverTheEntriesAre) {
    std::atomic<int> ended(0);
    // a named object goes when its last handle is closed: the third worker's is the only one
    const std::string name = "skylark-worker-" + std::to_string(::GetCurrentProcessId());
    {
        WorkerDownloader wnd;
        ASSERT_TRUE(wnd.SubclassWindow(m_hControl));
        for (int i = 0; i < 2; i++) {
            HANDLE hThread = ::CreateThread(nullptr, 0, &EndSoon, &ended, 0, nullptr);
            ASSERT_NE(hThread, nullptr);
            wnd.AddWorker(hThread);
        }
        HANDLE hEnded = ::CreateEventA(nullptr, TRUE, TRUE, name.c_str());
        ASSERT_NE(hEnded, nullptr);
        wnd.AddWorker(hEnded);
        wnd.AddEntry("one entry for three workers");
    }
    EXPECT_EQ(ended.load(), 2) << "both workers ended before the window went";
    HANDLE hLeft = ::OpenEventA(SYNCHRONIZE, FALSE, name.c_str());
    EXPECT_EQ(hLeft, nullptr) << "a worker's handle stayed open";
    if (hLeft) ::CloseHandle(hLeft);
}
