// GDI objects in use, counted by what is left: GetGuiResources reads 0 under Wine,
// so a leak test creates solid brushes until creation fails and deletes them again.
// The free capacity falls by exactly the number of objects a process holds on to.
#pragma once

int FreeGdiCapacity();
