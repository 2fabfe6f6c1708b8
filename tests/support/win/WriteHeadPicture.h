// The workspace's head picture in a folder's skin: 1000 pixels wide, the strip's
// width, and of the height given, which the frame adds to its client area.
#pragma once

#include "ScratchFolder.h"

void WriteHeadPicture(const ScratchFolder& folder, int height);
