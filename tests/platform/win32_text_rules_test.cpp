#include "platform/win32/ansi_text_rules.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorrin::platform::win32 {
namespace {

// Each run of the suite has one ANSI code page (1252 in the default
// locale, 932 under ja_JP); the cases for the other one are skipped.
bool japaneseCodePage()
{
    return GetACP() == 932;
}

TEST(AnsiTextRules, ShiftJisLeadBytesMakeOneCharacterOfTwoBytes)
{
    if (!japaneseCodePage())
        GTEST_SKIP() << "code page " << GetACP();
    const AnsiTextRules rules;
    const std::string s = "a\x95\x5C\x83\x41z\x81"; // a, 表, ア, z, a lone lead byte at the end
    EXPECT_EQ(rules.charLength(s, 0), 1u);
    EXPECT_EQ(rules.charLength(s, 1), 2u);
    EXPECT_EQ(rules.charLength(s, 3), 2u);
    EXPECT_EQ(rules.charLength(s, 6), 1u);
    // Half-width katakana are single bytes.
    EXPECT_EQ(rules.charLength("\xB1\xB2", 0), 1u);
}

TEST(AnsiTextRules, OnShiftJisOnlyTheLettersAToZFold)
{
    if (!japaneseCodePage())
        GTEST_SKIP() << "code page " << GetACP();
    const AnsiTextRules rules;
    // ア is 0x83 0x41: its second byte is "A" and must not become "a".
    EXPECT_EQ(rules.lowerAsFileName("\x83\x41"
                                    "AbC"),
              "\x83\x41"
              "abc");
    EXPECT_EQ(rules.upperAsFileName("\x83\x61"
                                    "aBc"),
              "\x83\x61"
              "ABC");
    // Full-width letters keep their case.
    EXPECT_EQ(rules.lowerAsFileName("\x82\x60"), "\x82\x60");
    EXPECT_TRUE(rules.sameFileName("README.TXT", "readme.txt"));
    EXPECT_FALSE(rules.sameFileName("\x83\x41", "\x83\x61"));
}

TEST(AnsiTextRules, OnASingleByteCodePageAccentedLettersFoldToo)
{
    if (japaneseCodePage())
        GTEST_SKIP() << "code page " << GetACP();
    const AnsiTextRules rules;
    EXPECT_EQ(rules.charLength("\x95\x5C", 0), 1u);
    EXPECT_EQ(rules.lowerAsFileName("\xC0"
                                    "BC"),
              "\xE0"
              "bc");                                            // ÀBC
    EXPECT_EQ(rules.upperAsFileName("\xE9t\xE9"), "\xC9T\xC9"); // été
    EXPECT_TRUE(rules.sameFileName("\xC9T\xC9.TXT", "\xE9t\xE9.txt"));
}

TEST(AnsiTextRules, CompareFollowsTheLocaleAndSeesCase)
{
    const AnsiTextRules rules;
    EXPECT_LT(rules.compare("abc", "abd"), 0);
    EXPECT_NE(rules.compare("abc", "ABC"), 0);
    // The locale's order, not the bytes': "B" (0x42) sorts after "a" (0x61).
    EXPECT_LT(rules.compare("a", "B"), 0);
}

TEST(AnsiTextRules, SortKeysOrderWithoutRegardToCaseAndNeverTie)
{
    const AnsiTextRules rules;
    std::vector<std::string> names{"banana", "Apple", "cherry", "apple", "Banana", "APPLE", "a", "ab", ""};
    std::sort(names.begin(), names.end(),
              [&](const std::string& a, const std::string& b) { return rules.sortKey(a) < rules.sortKey(b); });
    ASSERT_EQ(names.size(), 9u);
    EXPECT_EQ(names[0], "");
    EXPECT_EQ(names[1], "a");
    EXPECT_EQ(names[2], "ab");
    for (int i = 3; i < 6; ++i)
        EXPECT_TRUE(rules.sameFileName(names[i], "apple")) << names[i];
    EXPECT_TRUE(rules.sameFileName(names[6], "banana"));
    EXPECT_TRUE(rules.sameFileName(names[7], "banana"));
    EXPECT_EQ(names[8], "cherry");
    EXPECT_NE(rules.sortKey("apple"), rules.sortKey("Apple"));
    EXPECT_LT(rules.compareIgnoreCase("Apple", "banana"), 0);
}

TEST(AnsiTextRules, Utf8LiteralsComeOutInTheCodePage)
{
    const AnsiTextRules rules;
    EXPECT_EQ(rules.fromUtf8("plain.txt"), "plain.txt");
    if (japaneseCodePage()) {
        EXPECT_EQ(rules.fromUtf8("表"), "\x95\x5C");
        EXPECT_EQ(rules.fromUtf8("ｱ"), "\xB1");
    } else {
        EXPECT_EQ(rules.fromUtf8("é"), "\xE9");
        // What the code page lacks shows as the system's default character.
        EXPECT_EQ(rules.fromUtf8("表"), "?");
    }
}

} // namespace
} // namespace quorrin::platform::win32
