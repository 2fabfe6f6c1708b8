#include "ReadyReporter.h"

#include "EventFormatter.h"
#include "EventLog.h"
#include "LauncherFinder.h"
#include "RecordView.h"

#include <cstdint>

namespace {

constexpr UINT kRetryMs = 100;

}  // namespace

void ReadyReporter::start(HWND game) {
    game_ = game;
    if (settings_.neverReady) return;
    // A zero elapse would still be raised to the system's minimum.
    SetTimer(game_, kTimerId, static_cast<UINT>(settings_.readyDelayMs), nullptr);
}

void ReadyReporter::again() const {
    SetTimer(game_, kTimerId, kRetryMs, nullptr);
}

void ReadyReporter::onTimer() {
    KillTimer(game_, kTimerId);
    HWND launcher = finder_.find();
    if (!launcher) {
        again();
        return;
    }
    report(launcher);
    if (sent_ < settings_.readyCount) again();
}

void ReadyReporter::report(HWND launcher) {
    const std::uint32_t record[4] = {
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(game_)), 0,
        RecordView::kGameReady, sizeof(record)};
    COPYDATASTRUCT data{0, sizeof(record), const_cast<std::uint32_t*>(record)};
    LRESULT answer = SendMessageA(launcher, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    ++sent_;
    auto target = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(launcher));
    log_.write(EventFormatter::ready(target, RecordView(record, sizeof(record)), sent_,
                                     static_cast<long>(answer)));
}
