// Reading the registered file associations: the default value of a key below
// HKEY_CLASSES_ROOT as text, whatever its length.
#pragma once

#include <string>

// The default value of HKEY_CLASSES_ROOT\<key>, or of a key below it (subKey
// non-empty), if it is a string (REG_SZ, or REG_EXPAND_SZ, expanded) no longer
// than the longest command line; false for a missing key or value, a value of
// another type and one that is too long. The key is opened apart from the keys
// below it, so that a long key name does not make the whole path too long.
bool ReadClassesRootText(const std::string& key, const char* subKey, std::string& value);
