#include "CTokenLine.h"

#include <cstring>

namespace {

// Blanks, tabs, line ends and every other control byte separate tokens; all other bytes,
// including both bytes of a double-byte character, belong to a token.
bool IsSeparator(char ch) {
    return static_cast<unsigned char>(ch) <= 0x20;
}

}  // namespace

CTokenLine::CTokenLine(const char* pszLine) {
    size_t nLength = std::strlen(pszLine);
    m_nLength = static_cast<int>(nLength);
    m_pText = std::make_unique<char[]>(nLength + 1);
    char* pText = m_pText.get();
    std::memcpy(pText, pszLine, nLength + 1);

    int nPos = 0;
    while (nPos < m_nLength && m_nCount < MAX_TOKENS) {
        if (IsSeparator(pText[nPos])) {
            ++nPos;
            continue;
        }
        Token& token = m_tokens[m_nCount];
        token.nOffset = nPos;
        token.pszText = pText + nPos;
        // "^" stands for a blank inside a token.
        for (; nPos < m_nLength && !IsSeparator(pText[nPos]); ++nPos) {
            if (pText[nPos] == '^') pText[nPos] = ' ';
        }
        token.nLength = nPos - token.nOffset;
        // Zero-terminate the token in place; at the end of the line this overwrites the
        // copy's own terminator with another zero.
        pText[nPos] = '\0';
        ++m_nCount;
        // The byte after the token, now zero, was a separator or the end of the line.
        ++nPos;
    }
}

CString CTokenLine::GetToken(int i) const {
    const char* pszText = GetTokenText(i);
    return CString(pszText != nullptr ? pszText : "");
}

const char* CTokenLine::GetTokenText(int i) const {
    if (i < 0 || i >= m_nCount) return nullptr;
    return m_tokens[i].pszText;
}
