#include "text/text_scan.h"

#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace quorrin::text {
namespace {

using quorrin::testing::ShiftJisTextRules;

constexpr std::size_t npos = std::string_view::npos;

// 表 and ソ in Shift_JIS: their second byte is "\".
const std::string hyo = "\x95\x5C";
const std::string so = "\x83\x5C";

TEST(TextScanTest, SeesOnlyRealBackslashes)
{
    const ShiftJisTextRules rules;
    const struct {
        std::string text;
        std::size_t last, first;
        bool endsWith;
    } cases[] = {{"C:\\Data\\a", 7, 2, false}, {"C:\\" + hyo, 2, 2, false},  {"C:\\" + hyo + "\\", 5, 2, true},
                 {so + "\\x", 2, 2, false},    {"a\x95", npos, npos, false}, // a lone lead byte at the end
                 {"", npos, npos, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(findLastOf(rules, c.text, "\\"), c.last) << c.text;
        EXPECT_EQ(findFirstOf(rules, c.text, "\\"), c.first) << c.text;
        EXPECT_EQ(endsWithChar(rules, c.text, '\\'), c.endsWith) << c.text;
    }
}

TEST(TextScanTest, FindsAnyOfSeveralDelimitersAndStepsBackOverWholeChars)
{
    ShiftJisTextRules rules;
    const std::string path = "C:" + hyo + "\\b.txt";
    EXPECT_EQ(findLastOf(rules, path, "\\:"), 4u);
    EXPECT_EQ(findFirstOf(rules, path, "\\:"), 1u);
    EXPECT_EQ(lastCharStart(rules, "ab" + hyo), 2u);
    // A lead byte with nothing after it counts as a character of its own.
    EXPECT_EQ(lastCharStart(rules, "ab\x95"), 2u);
    EXPECT_EQ(lastCharStart(rules, ""), npos);
}

} // namespace
} // namespace quorrin::text
