// The caption a tab can show: a byte budget from its width in pixels, and the
// caption shortened to it without cutting a double-byte character of code page
// 936. Portable: no <windows.h>.
#pragma once

#include "CString.h"

// Bytes a caption may take in budgetPixels: ten pixels a byte.
int CaptionByteBudget(int budgetPixels);

// The caption as drawn in budgetPixels: whole if it fits, else its first bytes
// followed by "...", or nothing at all for a budget of 3 bytes or fewer. A lead
// byte (0x81-0xFE) is kept together with the byte after it.
CString FitCaption(const CString& caption, int budgetPixels);
