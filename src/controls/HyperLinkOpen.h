// The text side of opening a link: the registered browser's command line for an
// address, and what the user is told when nothing opens it. Portable: no <windows.h>.
#pragma once

#include <string>

// Longest command line the system starts a program with.
constexpr size_t kMaxCommandLine = 32767;

// The browser's registered command cut at its "%1" placeholder (quoted or not),
// then a blank and the address; the whole command with blank and address when it
// has no placeholder. Empty when the result would be too long to run.
std::string MakeBrowserCommand(const std::string& registered, const std::string& url);

// The message box text for a shell or program start result code.
std::string OpenErrorText(int code);
