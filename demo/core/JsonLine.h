#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builds one JSON object on one line, fields in the order they are added.
// Text is expected in UTF-8 and is escaped as JSON requires.
class JsonLine {
public:
    JsonLine& number(const char* name, std::int64_t value);
    JsonLine& text(const char* name, const std::string& value);
    JsonLine& null(const char* name);
    JsonLine& words(const char* name, const std::vector<std::uint32_t>& values);
    std::string str() const { return "{" + body_ + "}"; }

    static std::string escape(const std::string& utf8);

private:
    void key(const char* name);

    std::string body_;
};
