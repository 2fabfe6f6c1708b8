#include "LauncherFinder.h"

void LauncherFinder::noteSender(std::uint32_t sender) {
    HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(sender));
    if (window && IsWindow(window)) sender_ = window;
}

HWND LauncherFinder::find() const {
    if (sender_ && IsWindow(sender_)) return sender_;
    return FindWindowA(kFrameClass, nullptr);
}
