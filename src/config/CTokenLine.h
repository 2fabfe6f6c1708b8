// One line of the site configuration file, cut into blank-separated tokens. Keeps a
// private copy of the line in which every token is zero-terminated.
#pragma once

#include <memory>

#include "CString.h"

class CTokenLine {
public:
    enum { MAX_TOKENS = 32 };

    // Tokenises the zero-terminated line pszLine (its bytes up to the first zero byte).
    explicit CTokenLine(const char* pszLine);
    CTokenLine(const CTokenLine&) = delete;
    CTokenLine& operator=(const CTokenLine&) = delete;

    int GetCount() const { return m_nCount; }
    // The i-th token (0-based); empty text when there is no such token.
    CString GetToken(int i) const;
    // The i-th token as zero-terminated text inside the private copy; null when there is
    // no such token.
    const char* GetTokenText(int i) const;
    // Length in bytes of the line as it was given, line feed included.
    int GetLength() const { return m_nLength; }

private:
    struct Token {
        int nOffset;
        int nLength;
        const char* pszText;
    };
    Token m_tokens[MAX_TOKENS] = {};
    int m_nCount = 0;
    std::unique_ptr<char[]> m_pText;
    int m_nLength = 0;
};
