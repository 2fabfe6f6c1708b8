// Counting what a process holds where GetGuiResources reads 0 (as under Wine):
// the GDI objects it can still create, and the windows of the calling thread.
#pragma once

#include <windows.h>

#include <vector>

// Takes every GDI object this process can still create but nLeft (solid brushes,
// made until creation fails) and gives them back when it goes.
class GdiShortage {
public:
    explicit GdiShortage(int nLeft);
    ~GdiShortage();
    GdiShortage(const GdiShortage&) = delete;
    GdiShortage& operator=(const GdiShortage&) = delete;

    int Taken() const { return static_cast<int>(m_brushes.size()); }

private:
    std::vector<HBRUSH> m_brushes;
};

// How many more GDI objects this process can create now. A leak of n objects
// lowers it by n.
int FreeGdiCapacity();

// The windows of the calling thread, top-level and child, hidden ones included.
int CountThreadWindows();
