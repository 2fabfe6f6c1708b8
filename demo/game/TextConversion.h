#pragma once

#include <string>

// Text in the system's ANSI code page (GBK on the target systems) to UTF-8.
class TextConversion {
public:
    static std::string ansiToUtf8(const char* ansi);
};
