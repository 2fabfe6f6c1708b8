#pragma once

#include "PageGeometry.h"
#include "UniqueResource.h"
#include "WindowClass.h"

#include <windows.h>

// The game's picture inside the launcher: a child window of the launcher's
// game page (a window of another process), kept at (0, 0) and at the page's
// client size. It follows the page geometry the launcher sends: it is
// created for the first page, resized when the size changes and created
// anew when the page changes. If the page goes away, the system destroys
// the view with it.
class GameView {
public:
    enum class Change { kNone, kIgnored, kCreated, kResized, kRecreated, kFailed };

    explicit GameView(HINSTANCE instance);

    Change place(const PageGeometry& geometry);
    void close();
    HWND window() const { return window_.get(); }

    static const char* describe(Change change);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool create(HWND page, int width, int height);
    bool resize(int width, int height);

    HINSTANCE instance_;
    WindowClass class_;
    UniqueWindow window_;
    HWND page_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
