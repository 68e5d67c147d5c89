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

TEST(AnsiTextRules, ShiftJisPairsAreOneCharacterWhoseTrailByteNeverFolds)
{
    if (!japaneseCodePage())
        GTEST_SKIP() << "code page " << GetACP();
    const AnsiTextRules rules;
    const std::string s = "a\x95\x5C\x83\x41z\x81\xB1"; // a, 表, ア, z, a lone lead byte, half-width ｱ
    std::vector<std::size_t> lengths;
    for (std::size_t i = 0; i < s.size(); i += lengths.back())
        lengths.push_back(rules.charLength(s, i));
    EXPECT_EQ(lengths, (std::vector<std::size_t>{1, 2, 2, 1, 2}));
    EXPECT_EQ(rules.charLength("\xB1\xB2", 0), 1u);
    // ア is 0x83 0x41: its second byte is "A" and must not become "a";
    // full-width letters keep their case.
    const std::string ya = "\x83\x41", di = "\x83\x61", fullWidthA = "\x82\x60";
    EXPECT_EQ(rules.lowerAsFileName(ya + fullWidthA + "AbC"), ya + fullWidthA + "abc");
    EXPECT_EQ(rules.upperAsFileName(di + "aBc"), di + "ABC");
    EXPECT_FALSE(rules.sameFileName("\x83\x41", "\x83\x61"));
}

TEST(AnsiTextRules, OnASingleByteCodePageAccentedLettersFoldToo)
{
    if (japaneseCodePage())
        GTEST_SKIP() << "code page " << GetACP();
    const AnsiTextRules rules;
    EXPECT_EQ(rules.charLength("\x95\x5C", 0), 1u);
    EXPECT_EQ(rules.lowerAsFileName(std::string("\xC0") + "BC"), std::string("\xE0") + "bc"); // ÀBC
    EXPECT_EQ(rules.upperAsFileName("\xE9t\xE9"), "\xC9T\xC9");                               // été
    EXPECT_TRUE(rules.sameFileName("\xC9T\xC9.TXT", "\xE9t\xE9.txt"));
}

TEST(AnsiTextRules, SortKeysOrderWithoutRegardToCaseAndNeverTieAndCompareSeesCase)
{
    const AnsiTextRules rules;
    std::vector<std::string> names{"banana", "Apple", "cherry", "apple", "Banana", "a", "ab", ""};
    std::sort(names.begin(), names.end(),
              [&](const std::string& a, const std::string& b) { return rules.sortKey(a) < rules.sortKey(b); });
    std::string folded;
    for (const std::string& name : names)
        folded += rules.lowerAsFileName(name) + ",";
    EXPECT_EQ(folded, ",a,ab,apple,apple,banana,banana,cherry,");
    EXPECT_NE(rules.sortKey("apple"), rules.sortKey("Apple"));
    EXPECT_NE(rules.compare("abc", "ABC"), 0);
    // The locale's order, not the bytes': "B" (0x42) sorts after "a" (0x61).
    EXPECT_LT(rules.compare("a", "B"), 0);
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
