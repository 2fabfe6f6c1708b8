#pragma once

#include "SettingsSource.h"

#include <string>

// Reads settings from the [demo] section of an INI file.
class IniSettingsSource : public SettingsSource {
public:
    explicit IniSettingsSource(std::string path) : path_(std::move(path)) {}

    int integer(const char* key, int fallback) const override;
    std::string text(const char* key) const override;

private:
    std::string path_;
};
