#include "RecordHandler.h"

#include "EventFormatter.h"
#include "EventLog.h"
#include "GameView.h"
#include "LauncherFinder.h"
#include "RecordView.h"

#include <cstdint>

RecordHandler::Outcome RecordHandler::handle(WPARAM wParam, const COPYDATASTRUCT* data) {
    const RecordView record(data ? data->lpData : nullptr, data ? data->cbData : 0);
    const auto code = record.code();
    const long answer = policy_.answerFor(code);
    log_.write(EventFormatter::record({static_cast<std::uint32_t>(wParam),
                                       data ? static_cast<std::uint32_t>(data->dwData) : 0u, record,
                                       answer}));
    if (auto sender = record.sender()) finder_.noteSender(*sender);
    if (auto geometry = record.pageGeometry()) {
        GameView::Change change = view_.place(*geometry);
        if (change != GameView::Change::kNone) {
            auto window =
                static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(view_.window()));
            log_.write(EventFormatter::view(GameView::describe(change), *geometry, window));
        }
    }
    if (int delay = policy_.delayMsFor(code); delay > 0) Sleep(static_cast<DWORD>(delay));
    return {answer, policy_.quitsAfter(code)};
}
