// A window of the game's class in this process: records what it is sent and
// answers records with a value of the test's choosing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

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
    DWORD m_nAnswerDelayMs = 0;  // a busy game answers records late
    std::vector<Record> m_records;
    std::vector<WPARAM> m_activations;  // wParam of every WM_ACTIVATEAPP

private:
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hWnd = nullptr;
};
