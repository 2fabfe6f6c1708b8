#include "CrashText.h"

#include <cinttypes>
#include <cstdio>

namespace {

struct CodeName {
    uint32_t nCode;
    const char* pszName;
};

// the ones a program's own faults raise
const CodeName kCodeNames[] = {
    {0xC0000005, "EXCEPTION_ACCESS_VIOLATION"},
    {0xC00000FD, "EXCEPTION_STACK_OVERFLOW"},
    {0xC0000094, "EXCEPTION_INT_DIVIDE_BY_ZERO"},
    {0xC000001D, "EXCEPTION_ILLEGAL_INSTRUCTION"},
    {0xC0000096, "EXCEPTION_PRIV_INSTRUCTION"},
    {0xC0000006, "EXCEPTION_IN_PAGE_ERROR"},
    {0xC000008C, "EXCEPTION_ARRAY_BOUNDS_EXCEEDED"},
    {0xC000008E, "EXCEPTION_FLT_DIVIDE_BY_ZERO"},
    {0xC0000090, "EXCEPTION_FLT_INVALID_OPERATION"},
    {0x80000002, "EXCEPTION_DATATYPE_MISALIGNMENT"},
    {0x80000003, "EXCEPTION_BREAKPOINT"},
    {0xC0000374, "STATUS_HEAP_CORRUPTION"},
    {0xC0000409, "STATUS_STACK_BUFFER_OVERRUN"},
    {0x20474343, "C++ exception (GCC)"},
    {0xE06D7363, "C++ exception (Visual C++)"},
};

}  // namespace

const char* ExceptionCodeName(uint32_t nCode) {
    for (const CodeName& entry : kCodeNames) {
        if (entry.nCode == nCode) return entry.pszName;
    }
    return "unknown exception";
}

std::string ModuleOffsetText(const std::string& modulePath, uint64_t nOffset) {
    const size_t nSlash = modulePath.find_last_of("\\/");
    char offset[24];
    std::snprintf(offset, sizeof(offset), "+0x%" PRIx64, nOffset);
    return (nSlash == std::string::npos ? modulePath : modulePath.substr(nSlash + 1)) + offset;
}
