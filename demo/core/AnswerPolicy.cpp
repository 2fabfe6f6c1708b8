#include "AnswerPolicy.h"

#include "RecordView.h"

long AnswerPolicy::answerFor(std::optional<std::uint32_t> code) const {
    if (code && settings_.answerZero.contains(*code)) return 0;
    return kTaken;
}

int AnswerPolicy::delayMsFor(std::optional<std::uint32_t> code) const {
    if (settings_.answerDelayMs <= 0) return 0;
    if (settings_.delayCodes.empty()) return settings_.answerDelayMs;
    return code && settings_.delayCodes.contains(*code) ? settings_.answerDelayMs : 0;
}

bool AnswerPolicy::quitsAfter(std::optional<std::uint32_t> code) const {
    return settings_.exitOnClose && code == RecordView::kLauncherClosing;
}
