#include "EventFormatter.h"

#include "JsonLine.h"

std::string EventFormatter::start(const std::string& commandLineUtf8, std::uint32_t processId,
                                  std::uint32_t window) {
    return JsonLine()
        .text("event", "start")
        .text("cmdline", commandLineUtf8)
        .number("pid", processId)
        .number("window", window)
        .str();
}

std::string EventFormatter::record(const Incoming& incoming) {
    JsonLine line;
    line.text("event", "record")
        .number("wParam", incoming.wParam)
        .number("dwData", incoming.dwData)
        .number("size", static_cast<std::int64_t>(incoming.record.size()));
    if (auto code = incoming.record.code()) {
        line.number("code", *code);
    } else {
        line.null("code");
    }
    return line.words("words", incoming.record.words()).number("answer", incoming.answer).str();
}

std::string EventFormatter::activateApp(std::uint32_t wParam, std::int32_t lParam) {
    return JsonLine()
        .text("event", "activateapp")
        .number("wParam", wParam)
        .number("lParam", lParam)
        .str();
}

std::string EventFormatter::ready(std::uint32_t target, const RecordView& sent, int sequence,
                                  long answer) {
    return JsonLine()
        .text("event", "ready")
        .number("target", target)
        .number("sequence", sequence)
        .number("size", static_cast<std::int64_t>(sent.size()))
        .number("code", sent.code().value_or(0))
        .words("words", sent.words())
        .number("answer", answer)
        .str();
}

std::string EventFormatter::view(const char* action, const PageGeometry& geometry,
                                 std::uint32_t window) {
    return JsonLine()
        .text("event", "view")
        .text("action", action)
        .number("page", geometry.page)
        .number("width", geometry.width)
        .number("height", geometry.height)
        .number("window", window)
        .str();
}

std::string EventFormatter::exit(const char* reason) {
    return JsonLine().text("event", "exit").text("reason", reason).str();
}
