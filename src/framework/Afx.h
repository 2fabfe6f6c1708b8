// Process-wide services of the framework: message boxes, OLE and control hosting
// set-up, and the exceptions the framework raises.
#pragma once

#include <windows.h>

#include "CString.h"

class CWnd;

// Shows string nIDPrompt in a message box captioned with the application's name.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);
// Shows the text (in the ANSI code page) in the same kind of box, owned by pOwner
// (a topmost window's box must be) or else by the main window.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, CWnd* pOwner = nullptr);
// The same for UTF-16 text: the system's own, such as a path in no code page.
int AfxMessageBox(LPCWSTR lpszText, UINT nType, CWnd* pOwner);
BOOL AfxOleInit();
// Ends OLE if AfxOleInit started it: at exit, once every window and control is gone.
void AfxOleTerm();
// Text written in the sources (UTF-8) in the ANSI code page the program runs under.
CString AfxAnsiFromUtf8(const char* pszUtf8);
// UTF-16 text (the system's, OLE's) in the ANSI code page; empty for null.
CString AfxAnsiFromWide(const wchar_t* pszWide);
// Allows ActiveX controls in the application's windows (FALSE: no longer, for
// controls made afterwards).
void AfxEnableControlContainer(BOOL bEnable = TRUE);
BOOL AfxControlContainerEnabled();
// The name of a window class of this module with these attributes, registered on
// first use (window procedure: the system's default, which a CWnd replaces). A class
// others look for by name is given that name; its first registration stands.
LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                           HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr,
                           LPCSTR lpszName = nullptr);
// Loads the rich edit control library; FALSE if it is not there.
BOOL AfxInitRichEdit();

// Raised by framework code on failure. Caught around every window message, where
// the message then ends with its default result.
class CException {
public:
    virtual ~CException() = default;
};
class CMemoryException : public CException {};
class CResourceException : public CException {};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowResourceException();
