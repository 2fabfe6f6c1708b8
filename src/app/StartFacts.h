// What the log says of the machine at start: the launcher's version and folders,
// the system's version and code page, the screen, its monitors and their scaling.
#pragma once

// bOtherLauncher: another launcher already runs, and this one ends.
void LogStartFacts(bool bOtherLauncher);
