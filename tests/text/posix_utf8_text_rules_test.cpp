#include "text/utf8_text_rules.h"
#include "text/wildcard.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cwctype>

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

// Only the letters a fold changes are handed to the C library; every other
// byte must still come out as the library folds it.
TEST(Utf8TextRules, EveryAsciiByteFoldsAsTheCLibraryFoldsIt)
{
    const Utf8TextRules rules;
    const auto asAscii = [](std::wint_t folded, char c) {
        return std::string(1, folded < 0x80 ? static_cast<char>(folded) : c);
    };
    for (int byte = 1; byte < 0x80; ++byte) {
        const char c = static_cast<char>(byte);
        const std::string one(1, c);
        EXPECT_EQ(rules.lowerAsFileName(one), asAscii(std::towlower(static_cast<std::wint_t>(byte)), c)) << byte;
        EXPECT_EQ(rules.upperAsFileName(one), asAscii(std::towupper(static_cast<std::wint_t>(byte)), c)) << byte;
    }
    EXPECT_EQ(rules.lowerAsFileName("Photo_2024-01.JPG"), "photo_2024-01.jpg");
    EXPECT_EQ(rules.upperAsFileName("Photo_2024-01.jpg"), "PHOTO_2024-01.JPG");
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
