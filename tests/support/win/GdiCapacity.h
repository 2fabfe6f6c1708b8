// Counting what a process holds where GetGuiResources reads 0 (as under Wine):
// the GDI objects it can still create, and the windows of the calling thread.
#pragma once

// How many more GDI objects this process can create now: solid brushes are made
// until creation fails, then deleted. A leak of n objects lowers it by n.
int FreeGdiCapacity();

// The windows of the calling thread, top-level and child, hidden ones included.
int CountThreadWindows();
