#pragma once

#include <windows.h>

#include <cstdint>

// Finds the launcher's main window: the sender named in the records it has
// sent, or else any top-level window of the launcher frame's class.
class LauncherFinder {
public:
    static constexpr const char* kFrameClass = "SkylarkFrameWnd";

    void noteSender(std::uint32_t sender);
    HWND find() const;

private:
    HWND sender_ = nullptr;
};
