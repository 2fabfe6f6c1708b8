// The text of a message box, of this process or another, in the ANSI code page:
// the box's static control 0xFFFF, on Windows as under Wine 8.
#pragma once

#include <windows.h>

#include <string>

std::string MessageBoxText(HWND hBox);
