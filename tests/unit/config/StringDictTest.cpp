#include <gtest/gtest.h>

#include <string>

#include "config/CStringDict.h"

// Bytes above 0x7F are written as octal escapes (\201 is 0x81, \376 is 0xFE): a hex
// escape would run on into a following letter A-F.

namespace {

int Sign(int n) {
    return (n > 0) - (n < 0);
}

TEST(StringDictTest, BucketKeyTakesBytesAsSignedAndFoldsOnlyAsciiCapitals) {
    // ((1 * 256 | 0x61) << 16) | 0x61
    EXPECT_EQ(CStringDict::BucketKey("a"), 0x01610061u);
    EXPECT_EQ(CStringDict::BucketKey("A"), 0x01610061u);
    // sum 0x61 + 0x62, exclusive-or 0x61 ^ 0x62, length 2
    EXPECT_EQ(CStringDict::BucketKey("Ab"), 0x020300C3u);
    EXPECT_EQ(CStringDict::BucketKey(""), 0u);
    // 0x80 counts as -128: sum and exclusive-or are 0xFFFFFF80, which swamps the length
    EXPECT_EQ(CStringDict::BucketKey("\200"), 0xFFFFFF80u);
    // 0xC1 is a capital letter in some single-byte code pages but must not fold
    EXPECT_EQ(CStringDict::BucketKey("\301"), 0xFFFFFFC1u);
    EXPECT_NE(CStringDict::BucketKey("\301"), CStringDict::BucketKey("\341"));
    // 256 bytes: the length shifted left by 24 leaves 32 bits, the even exclusive-or is 0
    EXPECT_EQ(CStringDict::BucketKey(std::string(256, 'A').c_str()), 256u * 0x61u);
}

TEST(StringDictTest, InsertKeepsTheFirstValueOfAKey) {
    CStringDict dict;
    int first = 0, second = 0;
    EXPECT_EQ(dict.Insert("Name", &first), CStringDict::BucketKey("Name"));
    EXPECT_EQ(dict.Insert("NAME", &second), 0u);
    EXPECT_EQ(dict.Find("name"), &first);
    EXPECT_EQ(dict.Find("nAmE"), &first);
    EXPECT_EQ(dict.Find("Names"), nullptr);
    EXPECT_EQ(dict.Find("Nam"), nullptr);
    EXPECT_EQ(dict.Find(nullptr), nullptr);
    EXPECT_EQ(dict.Insert(nullptr, &second), 0u);

    // The empty key is a key like any other, though its bucket key, and so the result
    // of inserting it, is 0.
    EXPECT_EQ(dict.Find(""), nullptr);
    EXPECT_EQ(dict.Insert("", &second), 0u);
    EXPECT_EQ(dict.Find(""), &second);
}

TEST(StringDictTest, KeysSharingABucketStayApart) {
    CStringDict dict;
    int ab = 0, ba = 0, leadUpper = 0, leadLower = 0;
    // Same length, sum and exclusive-or: one bucket, two keys.
    ASSERT_EQ(CStringDict::BucketKey("ab"), CStringDict::BucketKey("BA"));
    EXPECT_NE(dict.Insert("ab", &ab), 0u);
    EXPECT_NE(dict.Insert("BA", &ba), 0u);
    EXPECT_EQ(dict.Find("AB"), &ab);
    EXPECT_EQ(dict.Find("ba"), &ba);

    // A trail byte that looks like a letter is part of a double-byte character and keeps
    // its case: these share a bucket but are different keys.
    ASSERT_EQ(CStringDict::BucketKey("\201A"), CStringDict::BucketKey("\201a"));
    EXPECT_NE(dict.Insert("\201A", &leadUpper), 0u);
    EXPECT_NE(dict.Insert("\201a", &leadLower), 0u);
    EXPECT_EQ(dict.Find("\201A"), &leadUpper);
    EXPECT_EQ(dict.Find("\201a"), &leadLower);

    // Clear forgets every key.
    dict.Clear();
    EXPECT_EQ(dict.Find("ab"), nullptr);
    EXPECT_EQ(dict.Find("\201A"), nullptr);
}

TEST(StringDictTest, CompareNoCaseWalksDoubleByteCharacters) {
    struct Case {
        const char* pszA;
        const char* pszB;
        int nSign;
    };
    const Case cases[] = {
        {"abc", "ABC", 0},
        {"abc", "abd", -1},
        {"ab", "abc", -1},
        {"abc", "AB", 1},
        {"", "", 0},
        // letters fold to lower case: "_" (0x5F) lies between "Z" and "a"
        {"_", "a", -1},
        {"_", "A", -1},
        {"Z", "[", 1},
        // a trail byte is never folded
        {"\201A", "\201a", -1},
        {"\201a", "\201A", 1},
        {"\201AB", "\201Ab", 0},
        // the second 0x81 is a trail byte, so "A" is a character of its own and folds
        {"\201\201A", "\201\201a", 0},
        {"\201\201\201A", "\201\201\201a", -1},
        // the lead bytes run from 0x81 to 0xFE; 0x80 and 0xFF are single bytes
        {"\376A", "\376a", -1},
        {"\200A", "\200a", 0},
        {"\377A", "\377a", 0},
        // characters, not bytes, are compared: 0xFF is a single byte, below 0x81 0x40
        {"\377", "\201@", -1},
        {"\200", "\201@", -1},
        {"z", "\201@", -1},
        // a lead byte at the very end is a character of its own
        {"a\201", "A\201", 0},
        {"a\201", "a", 1},
        {"a\201", "a\201@", -1},
        {"a\201", "a\377", 1},
        {"\201", "\202", -1},
        // double-byte letters (full-width, Greek) keep their case
        {"\243\301", "\243\341", -1},
        {"\246\241", "\246\301", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.pszA) + " vs " + testing::PrintToString(c.pszB));
        EXPECT_EQ(Sign(CStringDict::CompareNoCase(c.pszA, c.pszB)), c.nSign);
        EXPECT_EQ(Sign(CStringDict::CompareNoCase(c.pszB, c.pszA)), -c.nSign);
    }
}

}  // namespace
