#include "CrashText.h"

#include <cinttypes>
#include <cstdio>

namespace {

struct CodeName {
    uint32_t nCode;
    const char* pszName;
};

const CodeName kCodeNames[] = {
    {0xC0000005, "EXCEPTION_ACCESS_VIOLATION"},
    {0xC00000FD, "EXCEPTION_STACK_OVERFLOW"},
    {0xC0000094, "EXCEPTION_INT_DIVIDE_BY_ZERO"},
    {0xC0000095, "EXCEPTION_INT_OVERFLOW"},
    {0xC000001D, "EXCEPTION_ILLEGAL_INSTRUCTION"},
    {0xC0000096, "EXCEPTION_PRIV_INSTRUCTION"},
    {0xC0000006, "EXCEPTION_IN_PAGE_ERROR"},
    {0xC000008C, "EXCEPTION_ARRAY_BOUNDS_EXCEEDED"},
    {0xC000008D, "EXCEPTION_FLT_DENORMAL_OPERAND"},
    {0xC000008E, "EXCEPTION_FLT_DIVIDE_BY_ZERO"},
    {0xC000008F, "EXCEPTION_FLT_INEXACT_RESULT"},
    {0xC0000090, "EXCEPTION_FLT_INVALID_OPERATION"},
    {0xC0000091, "EXCEPTION_FLT_OVERFLOW"},
    {0xC0000092, "EXCEPTION_FLT_STACK_CHECK"},
    {0xC0000093, "EXCEPTION_FLT_UNDERFLOW"},
    {0x80000002, "EXCEPTION_DATATYPE_MISALIGNMENT"},
    {0x80000003, "EXCEPTION_BREAKPOINT"},
    {0x80000004, "EXCEPTION_SINGLE_STEP"},
    {0x80000001, "EXCEPTION_GUARD_PAGE"},
    {0xC0000025, "EXCEPTION_NONCONTINUABLE_EXCEPTION"},
    {0xC0000026, "EXCEPTION_INVALID_DISPOSITION"},
    {0xC0000008, "EXCEPTION_INVALID_HANDLE"},
    {0xC0000374, "STATUS_HEAP_CORRUPTION"},
    {0xC0000409, "STATUS_STACK_BUFFER_OVERRUN"},
    {0xC0000017, "STATUS_NO_MEMORY"},
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
