#include "CStringDict.h"

#include <cstring>

namespace {

// Lower case of a byte taken as a signed 8-bit value, as the C locale has it: only A-Z
// fold. The C library's tolower would depend on the current locale and is undefined for
// the negative values of bytes 0x80-0xFF, so both builds would not be sure to agree.
int FoldByte(char ch) {
    int n = static_cast<signed char>(ch);
    return (n >= 'A' && n <= 'Z') ? n + ('a' - 'A') : n;
}

bool IsLeadByte(unsigned char ch) {
    return ch >= 0x81 && ch <= 0xFE;
}

// Next character of a code page 936 string, advancing *pp. A single byte gives its value
// (ASCII capitals folded to lower case), a lead byte and its trail byte give
// lead * 256 + trail with the trail byte untouched. A lead byte just before the
// terminator gives lead * 256 and stops at the terminator, so nothing past the end of
// the string is read.
unsigned int NextChar(const unsigned char*& p) {
    unsigned int c = *p;
    if (c == 0) return 0;
    ++p;
    if (IsLeadByte(static_cast<unsigned char>(c))) {
        unsigned int trail = *p;
        if (trail != 0) ++p;
        return (c << 8) | trail;
    }
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

}  // namespace

void* CStringDict::Find(const char* pszKey) const {
    if (pszKey == nullptr) return nullptr;
    auto it = m_buckets.find(BucketKey(pszKey));
    if (it == m_buckets.end()) return nullptr;
    for (const Entry& entry : it->second) {
        if (CompareNoCase(entry.strKey.c_str(), pszKey) == 0) return entry.pValue;
    }
    return nullptr;
}

std::uint32_t CStringDict::Insert(const char* pszKey, void* pValue) {
    if (pszKey == nullptr || Find(pszKey) != nullptr) return 0;
    std::uint32_t nBucket = BucketKey(pszKey);
    m_buckets[nBucket].push_back(Entry{std::string(pszKey), pValue});
    return nBucket;
}

std::uint32_t CStringDict::BucketKey(const char* pszKey) {
    std::uint32_t nLength = static_cast<std::uint32_t>(std::strlen(pszKey));
    std::uint32_t nSum = 0;
    std::uint32_t nXor = 0;
    for (const char* p = pszKey; *p != '\0'; ++p) {
        std::uint32_t nByte = static_cast<std::uint32_t>(FoldByte(*p));
        nSum += nByte;
        nXor ^= nByte;
    }
    return ((nLength * 256u | nXor) << 16) | nSum;
}

int CStringDict::CompareNoCase(const char* pszA, const char* pszB) {
    const unsigned char* pA = reinterpret_cast<const unsigned char*>(pszA);
    const unsigned char* pB = reinterpret_cast<const unsigned char*>(pszB);
    for (;;) {
        unsigned int cA = NextChar(pA);
        unsigned int cB = NextChar(pB);
        if (cA != cB) return cA < cB ? -1 : 1;
        if (cA == 0) return 0;
    }
}
