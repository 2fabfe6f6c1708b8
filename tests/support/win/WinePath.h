// Windows path of a file in the Linux file system (Wine's Z: drive).
#pragma once

#include <string>

std::string WinePath(const std::string& unixPath);
