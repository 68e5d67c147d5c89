#include "platform/wildcard.h"

#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace quorrin::platform {
namespace {

using quorrin::testing::ShiftJisTextRules;

// Shift_JIS: 表 ends in "\", ア ends in 'A' and ヂ in 'a' after the same lead byte.
const std::string hyo = "\x95\x5C";
const std::string a = "\x83\x41";
const std::string di = "\x83\x61";

struct MatchCase {
    std::string name;
    std::string pattern;
    bool matches;
};

std::ostream& operator<<(std::ostream& out, const MatchCase& c)
{
    return out << '"' << c.name << "\" with \"" << c.pattern << "\" -> " << c.matches;
}

class MatchesPatternTest : public ::testing::TestWithParam<MatchCase> {
protected:
    ShiftJisTextRules rules;
};

TEST_P(MatchesPatternTest, Matches)
{
    const MatchCase& c = GetParam();
    EXPECT_EQ(matchesPattern(rules, c.name, c.pattern), c.matches);
}

INSTANTIATE_TEST_SUITE_P(Star, MatchesPatternTest,
                         ::testing::Values(MatchCase{"a.txt", "*", true}, MatchCase{".", "*", true},
                                           MatchCase{"a.txt", "*.txt", true}, MatchCase{"a.txt.bak", "*.txt", false},
                                           MatchCase{"atxt", "*.txt", false}, MatchCase{"a.txt", "a*t", true},
                                           MatchCase{"a.txt", "*q*", false}, MatchCase{"a.txt", "**.txt", true}));

INSTANTIATE_TEST_SUITE_P(StarDotStar, MatchesPatternTest,
                         ::testing::Values(MatchCase{"readme", "*.*", true}, MatchCase{"..", "*.*", true},
                                           MatchCase{"readme", "readme.*", true},
                                           MatchCase{"readmex", "readme.*", false},
                                           MatchCase{"readme", "*.txt", false}));

INSTANTIATE_TEST_SUITE_P(Question, MatchesPatternTest,
                         ::testing::Values(MatchCase{"abc", "a?c", true}, MatchCase{"ac", "a?c", false},
                                           MatchCase{"x.txt", "*.t?t", true}, MatchCase{hyo + ".txt", "?.txt", true},
                                           MatchCase{hyo + ".txt", "??.txt", false},
                                           MatchCase{"x" + hyo, "x??", false}));

INSTANTIATE_TEST_SUITE_P(LetterCase, MatchesPatternTest,
                         ::testing::Values(MatchCase{"README.TXT", "*.txt", true}, MatchCase{"a.txt", "*.TXT", true},
                                           MatchCase{a + ".TXT", a + ".txt", true},
                                           // Only single-byte letters fold: the 'A' ending ア must stay 'A'.
                                           MatchCase{a, di, false}, MatchCase{di, a, false},
                                           MatchCase{a + "x", di + "*", false}));

INSTANTIATE_TEST_SUITE_P(BlanksAndEmpty, MatchesPatternTest,
                         ::testing::Values(MatchCase{" a.txt", "a.txt", false}, MatchCase{"a.txt", " a.txt", false},
                                           MatchCase{" a.txt", " *", true}, MatchCase{"a", "", false},
                                           MatchCase{"", "", false}));

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

struct WildcardCase {
    const char* pattern;
    bool hasWildcard;
};

TEST(HasWildcardTest, OnlyStarAndQuestionMarkCount)
{
    for (const WildcardCase c :
         {WildcardCase{"*.txt", true}, WildcardCase{"a?c", true}, WildcardCase{"readme.txt", false},
          WildcardCase{"[Sub]", false}, WildcardCase{"", false}})
        EXPECT_EQ(hasWildcard(c.pattern), c.hasWildcard) << c.pattern;
}

} // namespace
} // namespace quorrin::platform
