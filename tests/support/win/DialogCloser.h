// Answers the first dialog box that a thread of this process opens (a message box,
// the colour chooser): from a thread of its own, since the box runs a modal loop.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

class DialogCloser {
public:
    // act runs on the box before it is closed with IDOK; the box's texts are kept.
    explicit DialogCloser(std::function<void(HWND)> act = nullptr, DWORD timeoutMs = 15000);
    ~DialogCloser();
    DialogCloser(const DialogCloser&) = delete;
    DialogCloser& operator=(const DialogCloser&) = delete;

    bool Seen() const { return m_bSeen; }
    // the texts of the box's child windows, each followed by a line feed
    const std::string& Texts() const { return m_texts; }

private:
    void Watch(DWORD timeoutMs);
    HWND FindBox() const;

    DWORD m_threadId;
    std::function<void(HWND)> m_act;
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bSeen{false};
    std::string m_texts;
    std::thread m_thread;
};
