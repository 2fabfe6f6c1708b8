// The dictionary's comparison against the C runtime's _mbsicmp under code page 936, the
// comparison the launcher's keys are defined by.
#include <gtest/gtest.h>
#include <mbctype.h>
#include <mbstring.h>

#include <cstring>
#include <string>
#include <vector>

#include "config/CStringDict.h"

// Bytes above 0x7F are written as octal escapes (\201 is 0x81, \376 is 0xFE): a hex
// escape would run on into a following letter A-F.

namespace {

int Sign(int n) {
    return (n > 0) - (n < 0);
}

class CrtCompareTest : public testing::Test {
protected:
    void SetUp() override {
        m_nPreviousCodePage = _getmbcp();
        ASSERT_EQ(_setmbcp(936), 0);
    }
    void TearDown() override { _setmbcp(m_nPreviousCodePage); }

    // After a lead byte right before the terminator the C runtime steps over the
    // terminator and goes on reading; every string is therefore compared inside a buffer
    // padded with zeros, where that read finds another terminator.
    static int CrtSign(const std::string& strA, const std::string& strB) {
        unsigned char a[32] = {};
        unsigned char b[32] = {};
        std::memcpy(a, strA.c_str(), strA.size());
        std::memcpy(b, strB.c_str(), strB.size());
        return Sign(_mbsicmp(a, b));
    }
    static int OurSign(const std::string& strA, const std::string& strB) {
        return Sign(CStringDict::CompareNoCase(strA.c_str(), strB.c_str()));
    }

private:
    int m_nPreviousCodePage = 0;
};

TEST_F(CrtCompareTest, TrickyStringsCompareAsTheCrtDoes) {
    const char* const strings[] = {
        "", "a", "A", "abc", "ABD", "ab", "_", "[", "`", "Z", "z", "@", "~", "\177",
        // trail bytes that look like letters or brackets
        "\201A", "\201a", "\201Z", "\201z", "\201[", "\201@", "\201AB", "\201Ab",
        // a trail byte that is also a lead byte
        "\201\201A", "\201\201a", "\201\201\201A", "\201\201\201a", "\376\376", "\376A", "\376a",
        // single bytes at both ends of the lead-byte range
        "\200", "\200A", "\200a", "\377", "\377A", "\377a",
        // invalid trail bytes
        "\201 ", "\201!", "\2010", "\201\177", "\201\377",
        // lead bytes at the very end
        "\201", "\202", "\376", "a\201", "A\201", "a\201\201", "ab\376", "AB\376",
        // Chinese text: 论坛, 首页
        "\302\333\314\263", "\312\327\322\263", "\302\333\314\263a", "\302\333\314\263A"};
    int nCompared = 0;
    for (const char* pszA : strings) {
        for (const char* pszB : strings) {
            SCOPED_TRACE(testing::PrintToString(pszA) + " vs " + testing::PrintToString(pszB));
            EXPECT_EQ(OurSign(pszA, pszB), CrtSign(pszA, pszB));
            ++nCompared;
        }
    }
    EXPECT_GT(nCompared, 2500);
}

TEST_F(CrtCompareTest, EveryShortStringCompareAsTheCrtDoes) {
    // Every string of up to 3 bytes over letters of both cases, the bytes between "Z" and
    // "a", both ends of the lead-byte range and the single bytes just outside it.
    // Double-byte letters are left out on purpose: the runtime under Wine also folds
    // full-width, Greek and Cyrillic letters, which the dictionary does not, because its
    // bucket key folds ASCII capitals only and keys that compare equal must share a bucket.
    const char alphabet[] = {'A', 'a', 'Z', 'z', '_', '@', '\201', '\376', '\200', '\377'};
    std::vector<std::string> strings = {""};
    for (size_t nFrom = 0; nFrom < strings.size() && strings[nFrom].size() < 3; ++nFrom) {
        for (char ch : alphabet) strings.push_back(strings[nFrom] + ch);
    }
    ASSERT_EQ(strings.size(), 1u + 10u + 100u + 1000u);

    int nMismatches = 0;
    for (const std::string& strA : strings) {
        for (const std::string& strB : strings) {
            if (OurSign(strA, strB) == CrtSign(strA, strB)) continue;
            if (++nMismatches <= 10) {
                ADD_FAILURE() << testing::PrintToString(strA) << " vs "
                              << testing::PrintToString(strB) << ": ours " << OurSign(strA, strB)
                              << ", CRT " << CrtSign(strA, strB);
            }
        }
    }
    EXPECT_EQ(nMismatches, 0);
}

}  // namespace
