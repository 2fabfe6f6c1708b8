#include "GameWindow.h"

#include "EventFormatter.h"
#include "EventLog.h"
#include "GameViewPainter.h"
#include "PaintSession.h"

#include <cstdint>

namespace {

constexpr UINT_PTR kExitTimerId = 2;
constexpr UINT kLeaveMessage = WM_APP + 1;

GameWindow* windowOf(HWND window) {
    return reinterpret_cast<GameWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace

GameWindow::GameWindow(HINSTANCE instance, const DemoSettings& settings, const EventLog& log)
    : settings_(settings),
      log_(log),
      class_(instance, kClassName, procedure, 0),
      view_(instance),
      records_(settings_, log_, finder_, view_),
      ready_(settings_, finder_, log_) {}

bool GameWindow::create() {
    HWND window =
        CreateWindowExA(0, kClassName, "Orbavel", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                        640, 420, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    window_.reset(window);
    return window != nullptr;
}

void GameWindow::start(int showCommand) {
    ShowWindow(window_.get(), showCommand);
    ready_.start(window_.get());
    if (settings_.exitAfterMs > 0) {
        SetTimer(window_.get(), kExitTimerId, static_cast<UINT>(settings_.exitAfterMs), nullptr);
    }
}

LRESULT CALLBACK GameWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    GameWindow* self = windowOf(window);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        if (self) self->window_.release();
    }
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->dispatch(window, message, wParam, lParam);
}

LRESULT GameWindow::dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COPYDATA:
            return onCopyData(wParam, lParam);
        case WM_ACTIVATEAPP:
            log_.write(EventFormatter::activateApp(static_cast<std::uint32_t>(wParam),
                                                   static_cast<std::int32_t>(lParam)));
            break;
        case WM_TIMER:
            onTimer(wParam);
            return 0;
        case kLeaveMessage:
            leave("launcher-closing");
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint(window);
            return 0;
        case WM_DESTROY:
            onDestroy();
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT GameWindow::onCopyData(WPARAM wParam, LPARAM lParam) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    RecordHandler::Outcome outcome = records_.handle(wParam, data);
    // Answer first; the launcher is still waiting for this message.
    if (outcome.quit) PostMessageA(window_.get(), kLeaveMessage, 0, 0);
    return outcome.answer;
}

void GameWindow::onTimer(UINT_PTR id) {
    if (id == ReadyReporter::kTimerId) ready_.onTimer();
    if (id == kExitTimerId) leave("exit-after");
}

void GameWindow::leave(const char* reason) {
    exitReason_ = reason;
    window_.reset();
}

void GameWindow::onDestroy() {
    view_.close();
    log_.write(EventFormatter::exit(exitReason_));
    PostQuitMessage(0);
}

void GameWindow::paint(HWND window) {
    PaintSession paint(window);
    RECT area{};
    GetClientRect(window, &area);
    GameViewPainter::paint(paint.dc(), area);
}
