#include "GameView.h"

#include "GameViewPainter.h"
#include "PaintSession.h"

#include <cstdint>

namespace {

const char kViewClass[] = "OrbavelGameView";

GameView* viewOf(HWND window) {
    return reinterpret_cast<GameView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace

GameView::GameView(HINSTANCE instance)
    : instance_(instance), class_(instance, kViewClass, procedure, CS_HREDRAW | CS_VREDRAW) {}

GameView::Change GameView::place(const PageGeometry& geometry) {
    HWND page = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(geometry.page));
    if (!page || !IsWindow(page)) return Change::kIgnored;
    if (window_.get() && page == page_) {
        return resize(geometry.width, geometry.height) ? Change::kResized : Change::kNone;
    }
    const bool replacing = window_.get() != nullptr;
    close();
    if (!create(page, geometry.width, geometry.height)) return Change::kFailed;
    return replacing ? Change::kRecreated : Change::kCreated;
}

void GameView::close() {
    window_.reset();
    page_ = nullptr;
}

bool GameView::create(HWND page, int width, int height) {
    // A child of a window of another process: the system joins the two
    // threads' input, and the view is clipped to and destroyed with the page.
    HWND view = CreateWindowExA(WS_EX_NOPARENTNOTIFY, kViewClass, "Orbavel",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, width, height, page,
                                nullptr, instance_, this);
    if (!view) return false;
    window_.reset(view);
    page_ = page;
    width_ = width;
    height_ = height;
    SetWindowPos(view, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

bool GameView::resize(int width, int height) {
    if (width == width_ && height == height_) return false;
    width_ = width;
    height_ = height;
    SetWindowPos(window_.get(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

const char* GameView::describe(Change change) {
    switch (change) {
        case Change::kNone:
            return "unchanged";
        case Change::kIgnored:
            return "ignored";
        case Change::kCreated:
            return "created";
        case Change::kResized:
            return "resized";
        case Change::kRecreated:
            return "recreated";
        case Change::kFailed:
            return "failed";
    }
    return "unknown";
}

LRESULT CALLBACK GameView::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PaintSession paint(window);
            RECT area{};
            GetClientRect(window, &area);
            GameViewPainter::paint(paint.dc(), area);
            return 0;
        }
        case WM_NCDESTROY:
            // Also reached when the launcher's page, our parent, is destroyed.
            if (GameView* view = viewOf(window); view && view->window_.get() == window) {
                view->window_.release();
                view->page_ = nullptr;
            }
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
