#pragma once

#include "PageGeometry.h"
#include "RecordView.h"

#include <cstdint>
#include <string>

// The lines of the demo game's event log, one JSON object each.
class EventFormatter {
public:
    struct Incoming {
        std::uint32_t wParam;
        std::uint32_t dwData;
        const RecordView& record;
        long answer;
    };

    static std::string start(const std::string& commandLineUtf8, std::uint32_t processId,
                             std::uint32_t window);
    static std::string record(const Incoming& incoming);
    static std::string activateApp(std::uint32_t wParam, std::int32_t lParam);
    static std::string ready(std::uint32_t target, const RecordView& sent, int sequence,
                             long answer);
    static std::string view(const char* action, const PageGeometry& geometry, std::uint32_t window);
    static std::string exit(const char* reason);
};
