// What a process holds, for leak tests that compare before and after.
#pragma once

// GDI objects in use, counted by what is left: GetGuiResources reads 0 under Wine,
// so this creates solid brushes until creation fails and deletes them again. The
// free capacity falls by exactly the number of objects a process holds on to.
int FreeGdiCapacity();

// the windows of the calling thread
int ThreadWindowCount();
