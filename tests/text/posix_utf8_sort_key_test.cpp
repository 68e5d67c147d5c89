#include "text/character_keys.h"
#include "text/utf8_text_rules.h"

#include "text/unicode_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace quorrin::text {
namespace {

// Puts a locale category in force for one test and back afterwards.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name, int category = LC_COLLATE)
        : category_(category), previous_(std::setlocale(category, nullptr))
    {
        available_ = std::setlocale(category, name) != nullptr;
    }
    ~ScopedLocale() { std::setlocale(category_, previous_.c_str()); }
    bool available() const { return available_; }

private:
    int category_;
    std::string previous_;
    bool available_ = false;
};

// The key as the locale defines it: its transformation of the folded name,
// then the name's own bytes to order names the collation finds equal.
std::string keyByTransformation(const Utf8TextRules& rules, const std::string& name)
{
    const std::string folded = rules.lowerAsFileName(name);
    std::string transformed(std::strxfrm(nullptr, folded.c_str(), 0) + 1, '\0');
    transformed.resize(std::strxfrm(transformed.data(), folded.c_str(), transformed.size()));
    return transformed + '\0' + name;
}

const std::vector<std::string> names{"readme.txt",   "README.TXT", "read",   "B",          "b",        "_x",
                                     "-x",           "10",         "9",      "日本語.txt", "日本.txt", "ｶﾀｶﾅ",
                                     "カタカナ",     "ＡＢＣ",     "ａｂｃ", "Ärger",      "ärger",    "éclair",
                                     "e\u0301clair", "\xff\xfe",   "a\x80z", "a b",        "",         "x\xe6\x97"};

// Where the C library collates by plain bytes the keys skip its
// transformation; every locale must still get exactly its own keys.
TEST(Utf8SortKey, EqualsTheLocalesTransformationInEveryLocale)
{
    const Utf8TextRules rules;
    int tried = 0;
    for (const char* locale : {"C", "POSIX", "C.UTF-8", "ja_JP.UTF-8", "en_US.UTF-8", "de_DE.UTF-8"}) {
        const ScopedLocale collation(locale);
        if (!collation.available())
            continue;
        ++tried;
        for (const std::string& name : names) {
            const std::string expected = keyByTransformation(rules, name);
            EXPECT_EQ(rules.sortKey(name), expected) << locale << ": " << name;
            std::string appended = "kept";
            rules.appendSortKey(appended, name);
            EXPECT_EQ(appended, "kept" + expected) << locale << ": " << name;
        }
    }
    EXPECT_GE(tried, 2); // C and POSIX exist everywhere
}

TEST(Utf8SortKey, TheCollationsShapeIsReadFromTheLocale)
{
    const ScopedLocale characters("C.UTF-8", LC_CTYPE);
    const struct {
        const char* locale;
        CollationShape shape;
    } rows[] = {{"C", CollationShape::bytes},
                {"C.UTF-8", CollationShape::bytes},
                {"ja_JP.UTF-8", CollationShape::oneForwardLevel},
                {"en_US.UTF-8", CollationShape::other}};
    for (const auto& row : rows) {
        const ScopedLocale collation(row.locale);
        if (collation.available()) {
            EXPECT_EQ(currentCollationShape(), row.shape) << row.locale;
        }
    }
}

// Names of one to eight characters from where Japanese names draw theirs,
// and from anywhere at all; some hold a byte that is no UTF-8.
std::vector<std::string> randomNames(unsigned seed, std::size_t count)
{
    std::mt19937 random(seed);
    const auto within = [&](char32_t first, char32_t last) {
        return std::uniform_int_distribution<std::uint32_t>(first, last)(random);
    };
    std::vector<std::string> names;
    for (std::size_t n = 0; n < count; ++n) {
        std::string name;
        for (std::uint32_t length = within(1, 8); length > 0; --length) {
            char32_t c = 0;
            switch (within(0, 5)) {
            case 0: c = within(0x20, 0x7E); break;
            case 1: c = within(0x3000, 0x30FF); break;
            case 2: c = within(0x4E00, 0x9FFF); break;
            case 3: c = within(0xFF00, 0xFFEF); break;
            case 4: c = within(0x80, 0x10FFFF); break;
            default: name += static_cast<char>(within(0x80, 0xFF)); continue;
            }
            if (c >= 0xD800 && c <= 0xDFFF)
                c = U'ア';
            char bytes[4];
            name.append(bytes, putUtf8(bytes, c));
        }
        names.push_back(name);
    }
    return names;
}

// Under a one-level collation keys are put together from each character's
// key, filled in by whichever thread meets the character first: two
// threads at once must still make exactly the locale's keys.
TEST(Utf8SortKey, JapaneseKeysPutTogetherByCharacterEqualTheLocalesOwn)
{
    const ScopedLocale collation("ja_JP.UTF-8");
    const ScopedLocale characters("ja_JP.UTF-8", LC_CTYPE);
    if (!collation.available() || !characters.available())
        GTEST_SKIP() << "no ja_JP.UTF-8 locale";
    const Utf8TextRules rules;
    std::vector<std::string> mismatches[2];
    const auto check = [&](unsigned seed) {
        for (const std::string& name : randomNames(seed, 20000)) {
            if (rules.sortKey(name) != keyByTransformation(rules, name))
                mismatches[seed].push_back(name);
        }
    };
    std::thread other(check, 1);
    check(0);
    other.join();
    EXPECT_TRUE(mismatches[0].empty()) << mismatches[0].front();
    EXPECT_TRUE(mismatches[1].empty()) << mismatches[1].front();
}

} // namespace
} // namespace quorrin::text
