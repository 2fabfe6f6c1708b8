#include "IniSettingsSource.h"

#include <windows.h>

namespace {

const char kSection[] = "demo";

}  // namespace

int IniSettingsSource::integer(const char* key, int fallback) const {
    return static_cast<int>(GetPrivateProfileIntA(kSection, key, fallback, path_.c_str()));
}

std::string IniSettingsSource::text(const char* key) const {
    char buffer[512] = {};
    GetPrivateProfileStringA(kSection, key, "", buffer, sizeof(buffer), path_.c_str());
    return buffer;
}
