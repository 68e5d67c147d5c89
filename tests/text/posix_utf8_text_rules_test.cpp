#include "text/utf8_text_rules.h"
#include "text/wildcard.h"

#include <gtest/gtest.h>

#include <clocale>

namespace quorrin::text {
namespace {

TEST(Utf8TextRules, CharactersAreWholeValidSequencesOnly)
{
    const Utf8TextRules rules;
    const std::pair<std::string, std::size_t> cases[] = {
        {"a", 1},
        {"é", 2},
        {"日", 3},
        {"\xF0\x9F\x98\x80", 4},
        {"\xE0\x80\xAE", 1},     // overlong "."
        {"\xC0\xAE", 1},         // overlong "." in two bytes
        {"\xED\xA0\x80", 1},     // a UTF-16 surrogate
        {"\xF4\x90\x80\x80", 1}, // beyond U+10FFFF
        {"\xE6\x97", 1},         // cut short
        {"\xFF", 1},
    };
    for (const auto& [text, length] : cases)
        EXPECT_EQ(rules.charLength(text, 0), length) << testing::PrintToString(text);
    EXPECT_FALSE(matchesPattern(rules, "a\xE0\x80\xAEtxt", "*.txt"));
    EXPECT_TRUE(matchesPattern(rules, "a.TXT", "*.txt"));
}

TEST(Utf8TextRules, AsciiFoldsAsAsciiWhateverTheLocale)
{
    const Utf8TextRules rules;
    const std::string before = std::setlocale(LC_CTYPE, nullptr);
    // In a Turkish locale towlower('I') is a dotless i.
    if (std::setlocale(LC_CTYPE, "tr_TR.UTF-8") == nullptr)
        GTEST_SKIP() << "no Turkish locale on this machine";
    EXPECT_EQ(rules.lowerAsFileName("README.TXT"), "readme.txt");
    EXPECT_EQ(rules.upperAsFileName("readme.txt"), "README.TXT");
    std::setlocale(LC_CTYPE, before.c_str());
}

} // namespace
} // namespace quorrin::text
