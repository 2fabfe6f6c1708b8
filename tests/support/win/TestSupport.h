// The helpers of the Windows tests in one include: waiting while messages flow,
// scratch folders, the current folder, a stand-in for the game's window and
// Wine's view of Linux paths.
#pragma once

#include "CurrentDirectory.h"
#include "FakeGameWindow.h"
#include "GdiCapacity.h"
#include "MessagePump.h"
#include "ScratchFolder.h"
#include "WinePath.h"
