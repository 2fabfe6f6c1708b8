// The few Windows type names the portable code shares with the Win32 side.
// Identical to the definitions of <windows.h>, so both may be included together.
#pragma once

typedef int BOOL;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
