// Helpers of the Windows tests: waiting for events with a deadline while messages
// flow, scratch folders, and a stand-in for the game's window.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Dispatches this thread's messages until done() or the deadline; true if done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 15000);
// Dispatches what is queued now.
void PumpPending();

// A fresh folder below the temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    void Write(const std::string& name, const std::string& text) const;

private:
    std::string m_path;
};

// Makes a folder the current one while it lives.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::string& path);
    ~CurrentDirectory();

private:
    std::string m_previous;
};

// A window of the game's class in this process: records what it is sent and
// answers records with a value of the test's choosing.
class FakeGameWindow {
public:
    struct Record {
        WPARAM wParam;
        ULONG_PTR dwData;
        std::vector<uint8_t> data;
        bool hadData;
        uint32_t Word(size_t offset) const;
    };

    FakeGameWindow();
    ~FakeGameWindow();
    FakeGameWindow(const FakeGameWindow&) = delete;
    FakeGameWindow& operator=(const FakeGameWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    void Destroy();

    LRESULT m_answer = -2;
    std::vector<Record> m_records;
    std::vector<WPARAM> m_activations;  // wParam of every WM_ACTIVATEAPP

private:
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hWnd = nullptr;
};

// Windows path of a file in the Linux file system (Wine's Z: drive).
std::string WinePath(const std::string& unixPath);
