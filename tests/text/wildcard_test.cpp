#include "text/wildcard.h"

#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace quorrin::text {
namespace {

using quorrin::testing::ShiftJisTextRules;

// Shift_JIS: 表 ends in "\", ア ends in 'A' and ヂ in 'a' after the same lead byte.
const std::string hyo = "\x95\x5C";
const std::string a = "\x83\x41";
const std::string di = "\x83\x61";

// "*.*" takes names without a dot too; only single-byte letters fold, so the
// 'A' ending ア must stay 'A'; blanks count.
TEST(MatchesPatternTest, Matches)
{
    const ShiftJisTextRules rules;
    const struct {
        std::string name, pattern;
        bool matches;
    } cases[] = {{"a.txt", "*", true},
                 {"a.txt.bak", "*.txt", false},
                 {"atxt", "*.txt", false},
                 {"a.txt", "*q*", false},
                 {"a.txt", "**.txt", true},
                 {"readme", "*.*", true},
                 {"..", "*.*", true},
                 {"readmex", "readme.*", false},
                 {"ac", "a?c", false},
                 {hyo + ".txt", "?.txt", true},
                 {hyo + ".txt", "??.txt", false},
                 {"x" + hyo, "x??", false},
                 {"README.TXT", "*.txt", true},
                 {a + ".TXT", a + ".txt", true},
                 {a, di, false},
                 {a + "x", di + "*", false},
                 {" a.txt", "a.txt", false},
                 {" a.txt", " *", true},
                 {"", "", false}};
    for (const auto& c : cases)
        EXPECT_EQ(matchesPattern(rules, c.name, c.pattern), c.matches) << c.name << " / " << c.pattern;
}

TEST(MatchesPatternTest, StarsBeforeAMissingLetterFinishQuickly)
{
    // A backtracking matcher tries every way to place the stars: billions
    // of steps for these, where one pass per star position suffices.
    ShiftJisTextRules rules;
    const std::string shortName(200, 'a');
    const std::string longName(100'000, 'a');
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(matchesPattern(rules, shortName, "*a*a*a*a*a*a*b"));
    EXPECT_FALSE(matchesPattern(rules, longName, "*a*a*a*a*b"));
    EXPECT_TRUE(matchesPattern(rules, longName + "b", "*a*a*a*a*b"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(HasWildcardTest, OnlyStarAndQuestionMarkCount)
{
    EXPECT_TRUE(hasWildcard("*.txt") && hasWildcard("a?c"));
    EXPECT_FALSE(hasWildcard("[Sub]") || hasWildcard(""));
}

} // namespace
} // namespace quorrin::text
