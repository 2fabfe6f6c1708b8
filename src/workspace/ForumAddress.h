// The address of the game's community forum page. Portable: no <windows.h>.
#pragma once

#include "CString.h"

// The bytes with every byte other than a letter, digit, '-', '_', '.' or '~'
// written as %XX (upper-case hexadecimal).
CString PercentEncode(const CString& bytes);

// The forum service's page for a name given in GBK bytes: path "/f", query "kw".
CString MakeForumAddress(const CString& gbkName);
