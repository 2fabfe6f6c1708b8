// The words of a crash record: what an exception code stands for, and where an
// address lies as the build's symbols can tell it, "module+offset".
#pragma once

#include <cstdint>
#include <string>

// "EXCEPTION_ACCESS_VIOLATION" and the like; "unknown exception" for codes not known.
const char* ExceptionCodeName(uint32_t nCode);
// "Skylark.exe+0x1a2b" for an address 0x1a2b bytes into the module of that path
std::string ModuleOffsetText(const std::string& modulePath, uint64_t nOffset);
