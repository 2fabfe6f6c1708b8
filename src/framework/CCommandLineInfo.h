// What the command line asks the application to do at start: a new document, or
// the document of the first argument that is not a flag ("-x" or "/x").
#pragma once

#include "CString.h"

class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen };

    ShellCommand m_nShellCommand = FileNew;
    CString m_strFileName;

    // One argument; bFlag when it began with '-' or '/' (then without that character).
    void ParseParam(const char* pszParam, bool bFlag);
};
