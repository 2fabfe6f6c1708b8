// Any bytes as the site list file: the reader must never read outside them or leak, and
// what it builds must hang together. The two halves of the input also exercise the
// dictionary's comparison and bucket key on arbitrary text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "config/CSiteConfig.h"

#define FUZZ_CHECK(condition)                                       \
    do {                                                            \
        if (!(condition)) {                                         \
            std::fprintf(stderr, "check failed: %s\n", #condition); \
            std::abort();                                           \
        }                                                           \
    } while (0)

namespace {

int Sign(int n) {
    return (n > 0) - (n < 0);
}

void CheckLine(const CTokenLine& line) {
    FUZZ_CHECK(line.GetCount() >= 1 && line.GetCount() <= CTokenLine::MAX_TOKENS);
    // one fgets read of a 1024-byte buffer
    FUZZ_CHECK(line.GetLength() >= 1 && line.GetLength() <= 1023);
    for (int i = 0; i < line.GetCount(); ++i) {
        const char* pszToken = line.GetTokenText(i);
        FUZZ_CHECK(pszToken != nullptr && *pszToken != '\0');
        for (const char* p = pszToken; *p != '\0'; ++p) {
            unsigned char ch = static_cast<unsigned char>(*p);
            // "^" became a blank; "=" and every other separator split tokens
            FUZZ_CHECK(ch == ' ' || ch > 0x20);
            FUZZ_CHECK(ch != '^' && ch != '=');
        }
    }
}

// Orders text as the dictionary compares it, to tell the first of equal names.
struct KeyLess {
    bool operator()(const std::string& strA, const std::string& strB) const {
        return CStringDict::CompareNoCase(strA.c_str(), strB.c_str()) < 0;
    }
};

void CheckConfig(const CSiteConfig& config) {
    for (int i = 0; i < config.GetLineCount(); ++i) CheckLine(*config.GetLine(i));

    // FindSection gives the first section of each name, FindLine the first line of each
    // key in its section, and GetValue that line's second token.
    std::map<std::string, const CConfigSection*, KeyLess> firstSections;
    int nKeyLines = 0;
    for (int s = 0; s < config.GetSectionCount(); ++s) {
        const CConfigSection* pSection = config.GetSection(s);
        const CConfigSection* pFirst =
            firstSections.emplace(pSection->GetName().str(), pSection).first->second;
        FUZZ_CHECK(config.FindSection(pSection->GetName()) == pFirst);

        std::map<std::string, const CTokenLine*, KeyLess> firstLines;
        for (int l = 0; l < pSection->GetLineCount(); ++l) {
            const CTokenLine* pLine = pSection->GetLine(l);
            const char* pszKey = pLine->GetTokenText(0);
            const CTokenLine* pFirstLine = firstLines.emplace(pszKey, pLine).first->second;
            FUZZ_CHECK(pSection->FindLine(pszKey) == pFirstLine);
            FUZZ_CHECK(pSection->GetValue(pszKey) == pFirstLine->GetToken(1));
        }
        nKeyLines += pSection->GetLineCount();
    }
    // every header and key line is among all lines
    FUZZ_CHECK(nKeyLines + config.GetSectionCount() <= config.GetLineCount());
    FUZZ_CHECK(config.GetCurrentSection() == config.FindSection("main"));
}

void CheckComparison(const std::string& strA, const std::string& strB) {
    const char* pszA = strA.c_str();
    const char* pszB = strB.c_str();
    int nAB = Sign(CStringDict::CompareNoCase(pszA, pszB));
    FUZZ_CHECK(nAB == -Sign(CStringDict::CompareNoCase(pszB, pszA)));
    FUZZ_CHECK(CStringDict::CompareNoCase(pszA, pszA) == 0);
    // keys that compare equal must share a bucket, or the dictionary could not find them
    if (nAB == 0) FUZZ_CHECK(CStringDict::BucketKey(pszA) == CStringDict::BucketKey(pszB));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* pData = reinterpret_cast<const char*>(data);
    CSiteConfig config;
    config.LoadFromBuffer(pData, size);
    CheckConfig(config);
    CheckComparison(std::string(pData, size / 2), std::string(pData + size / 2, size - size / 2));
    return 0;
}
