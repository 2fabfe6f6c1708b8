#pragma once

#include <string>

// Where the demo game's settings come from: the [demo] section of its
// settings file in the game, a plain map in the tests.
class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    virtual int integer(const char* key, int fallback) const = 0;
    virtual std::string text(const char* key) const = 0;
};
