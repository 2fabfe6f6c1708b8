// GDI+ for the launcher's code: its headers use min and max, which NOMINMAX hides.
#pragma once

#include <windows.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
