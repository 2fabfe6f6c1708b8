// Texts the launcher puts together: paths below its working directory and its
// version number.
#pragma once

#include <cstdint>

#include "CString.h"

// The longest path, terminator included, the launcher builds.
constexpr int kMaxPathBytes = 260;

// directory + "\" + name, or the empty text when that and its terminating zero
// would not fit in kMaxPathBytes bytes. The name is taken as given.
CString JoinWorkingPath(const char* pszDirectory, const CString& name);

// "a.b.c.d" from the two 32-bit halves of a version: the high and low words of the
// most significant half, then those of the least significant one.
CString FormatVersion(uint32_t versionMS, uint32_t versionLS);
