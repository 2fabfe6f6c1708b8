#include "JsonLine.h"

namespace {

std::string controlEscape(unsigned char c) {
    switch (c) {
        case '\b':
            return "\\b";
        case '\f':
            return "\\f";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default:
            break;
    }
    const char* hex = "0123456789abcdef";
    return std::string("\\u00") + hex[c >> 4] + hex[c & 15];
}

}  // namespace

std::string JsonLine::escape(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    for (char ch : utf8) {
        auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            out += controlEscape(c);
        } else {
            out += ch;
        }
    }
    return out;
}

void JsonLine::key(const char* name) {
    if (!body_.empty()) body_ += ',';
    body_ += '"';
    body_ += escape(name);
    body_ += "\":";
}

JsonLine& JsonLine::number(const char* name, std::int64_t value) {
    key(name);
    body_ += std::to_string(value);
    return *this;
}

JsonLine& JsonLine::text(const char* name, const std::string& value) {
    key(name);
    body_ += '"' + escape(value) + '"';
    return *this;
}

JsonLine& JsonLine::null(const char* name) {
    key(name);
    body_ += "null";
    return *this;
}

JsonLine& JsonLine::words(const char* name, const std::vector<std::uint32_t>& values) {
    key(name);
    body_ += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) body_ += ',';
        body_ += std::to_string(values[i]);
    }
    body_ += ']';
    return *this;
}
