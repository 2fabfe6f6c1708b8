// A crash leaves a record: an exception nothing handled, or a C++ exception that
// reached std::terminate, is written to the log (what and where, as module+offset)
// with the lines still queued, and as a minidump in %LOCALAPPDATA%\Orbavel\Crashes.
// Then the system's own error reporting runs and the process ends as it would have.
#pragma once

void InstallCrashHandler();
