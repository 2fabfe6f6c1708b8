#pragma once

#include "DemoSettings.h"

#include <cstdint>
#include <optional>

// Decides how the game answers a record: the value, how long it keeps the
// launcher waiting first, and whether it goes away afterwards.
class AnswerPolicy {
public:
    static constexpr long kTaken = -2;

    explicit AnswerPolicy(const DemoSettings& settings) : settings_(settings) {}

    long answerFor(std::optional<std::uint32_t> code) const;
    int delayMsFor(std::optional<std::uint32_t> code) const;
    bool quitsAfter(std::optional<std::uint32_t> code) const;

private:
    DemoSettings settings_;
};
