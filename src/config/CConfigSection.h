// One section of the site configuration file: its name and its key lines. The lines
// belong to the reader (CSiteConfig); the section only refers to them.
#pragma once

#include <vector>

#include "CStringDict.h"
#include "CTokenLine.h"
#include "CString.h"

class CConfigSection {
public:
    explicit CConfigSection(const CString& strName) : m_strName(strName) {}
    CConfigSection(const CConfigSection&) = delete;
    CConfigSection& operator=(const CConfigSection&) = delete;

    const CString& GetName() const { return m_strName; }

    // Every key line of the section in file order, repeated keys included.
    int GetLineCount() const { return static_cast<int>(m_lines.size()); }
    CTokenLine* GetLine(int i) const;

    // The first line whose first token equals pszKey, ignoring the case of ASCII letters.
    CTokenLine* FindLine(const char* pszKey) const;
    // The second token of FindLine(pszKey), or empty text if there is no such line or it
    // has a single token.
    CString GetValue(const char* pszKey) const;

    // Appends a line (at least one token) and indexes it under its first token unless
    // an earlier line of the section has that key.
    void AddLine(CTokenLine* pLine);

private:
    CString m_strName;
    CStringDict m_keys;
    std::vector<CTokenLine*> m_lines;
};
