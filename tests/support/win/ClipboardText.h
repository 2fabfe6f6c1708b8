// Text on the clipboard, as another program puts it there and reads it back.
#pragma once

#include <string>

// Replaces what the clipboard holds by the text (ANSI): FALSE if it could not be opened.
bool PutTextOnClipboard(const char* text);
// The clipboard's text, or "" when it holds none or cannot be opened.
std::string ClipboardText();
