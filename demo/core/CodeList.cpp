#include "CodeList.h"

#include <cctype>
#include <optional>

namespace {

std::string trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
    return text.substr(first, last - first);
}

std::optional<std::uint32_t> parseCode(const std::string& token) {
    if (token.empty() || token.size() > 10) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : token) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

}  // namespace

CodeList CodeList::parse(const std::string& text) {
    CodeList list;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        if (auto code = parseCode(trimmed(text.substr(start, comma - start)))) {
            list.codes_.insert(*code);
        }
        start = comma + 1;
    }
    return list;
}
