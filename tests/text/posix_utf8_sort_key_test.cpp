#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>
#include <vector>

namespace quorrin::text {
namespace {

// Puts the collation locale in force for one test and back afterwards.
class ScopedCollation {
public:
    explicit ScopedCollation(const char* name) : previous_(std::setlocale(LC_COLLATE, nullptr))
    {
        available_ = std::setlocale(LC_COLLATE, name) != nullptr;
    }
    ~ScopedCollation() { std::setlocale(LC_COLLATE, previous_.c_str()); }
    bool available() const { return available_; }

private:
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
        const ScopedCollation collation(locale);
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

} // namespace
} // namespace quorrin::text
