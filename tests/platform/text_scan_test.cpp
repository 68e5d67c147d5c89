#include "platform/text_scan.h"

#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace quorrin::platform {
namespace {

using quorrin::testing::ShiftJisTextRules;

constexpr std::size_t npos = std::string_view::npos;

// 表 and ソ in Shift_JIS: their second byte is "\".
const std::string hyo = "\x95\x5C";
const std::string so = "\x83\x5C";

struct ScanCase {
    const char* what;
    std::string text;
    std::size_t lastBackslash;
    std::size_t firstBackslash;
    bool endsWithBackslash;
};

class TextScanTest : public ::testing::TestWithParam<ScanCase> {
protected:
    ShiftJisTextRules rules;
};

TEST_P(TextScanTest, SeesOnlyRealBackslashes)
{
    const ScanCase& c = GetParam();
    EXPECT_EQ(findLastOf(rules, c.text, "\\"), c.lastBackslash);
    EXPECT_EQ(findFirstOf(rules, c.text, "\\"), c.firstBackslash);
    EXPECT_EQ(endsWithChar(rules, c.text, '\\'), c.endsWithBackslash);
}

INSTANTIATE_TEST_SUITE_P(ShiftJis, TextScanTest,
                         ::testing::Values(ScanCase{"plain path", "C:\\Data\\a", 7, 2, false},
                                           ScanCase{"trail byte only", hyo, npos, npos, false},
                                           ScanCase{"trail byte at the end", "C:\\" + hyo, 2, 2, false},
                                           ScanCase{"trail byte before a separator", "C:\\" + hyo + "\\", 5, 2, true},
                                           ScanCase{"trail byte first", so + "\\x", 2, 2, false},
                                           ScanCase{"lone lead byte at the end", "a\x95", npos, npos, false},
                                           ScanCase{"empty", "", npos, npos, false}),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST(TextScanTest, FindsAnyOfSeveralDelimiters)
{
    ShiftJisTextRules rules;
    const std::string path = "C:" + hyo + "\\b.txt";
    EXPECT_EQ(findLastOf(rules, path, "\\:"), 4u);
    EXPECT_EQ(findFirstOf(rules, path, "\\:"), 1u);
    EXPECT_EQ(findLastOf(rules, path, "."), 6u);
}

TEST(TextScanTest, LastCharStartStepsBackOverAWholeDoubleByteChar)
{
    ShiftJisTextRules rules;
    EXPECT_EQ(lastCharStart(rules, "ab" + hyo), 2u);
    EXPECT_EQ(lastCharStart(rules, hyo + "b"), 2u);
    // A lead byte with nothing after it counts as a character of its own.
    EXPECT_EQ(lastCharStart(rules, "ab\x95"), 2u);
    EXPECT_EQ(lastCharStart(rules, ""), npos);
}

TEST(ShiftJisConversion, SourceLiteralsBecomeCodePageBytes)
{
    const ShiftJisTextRules rules;
    EXPECT_EQ(rules.fromUtf8("表"), hyo);
    EXPECT_EQ(rules.fromUtf8("ｱﾆﾒ"), "\xB1\xC6\xD2");
    EXPECT_EQ(rules.fromUtf8("TV"), "TV");
    EXPECT_THROW(rules.fromUtf8("\xF0\x9F\x98\x80"), std::runtime_error);
}

} // namespace
} // namespace quorrin::platform
