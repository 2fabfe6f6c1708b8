// The text of a message box, of this process or another, once it is set: the box's
// static control 0xFFFF (on Windows as under Wine 8), in UTF-16, as a path in no code
// page shows.
#pragma once

#include <windows.h>

#include <string>

std::wstring MessageBoxText(HWND hBox);
