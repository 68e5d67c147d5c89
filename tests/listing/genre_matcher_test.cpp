#include "listing/category_classifier.h"

#include "both_code_pages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quorrin::listing {
namespace {

struct RuleText {
    const char* keyword; // UTF-8
    const char* label;
    bool extensionOnly = false;
};

struct Case {
    const char* name;  // UTF-8
    const char* label; // UTF-8; empty for none
};

const RuleText userRules[] = {
    {"テレビ", "番組"}, {"Live", "ライブ"}, {"mp3", "音声", true}, {".FLAC", "音声", true}, {"ｶﾞｲﾄﾞ", "案内"},
    {"", "空"},         {"ＰＤＦ", "文書"}, {"live", "後の規則"},  {"パパ", "家族"},
};

const Case userCases[] = {
    // clang-format off
    // Width and case fold both ways; the voiced mark joins its kana.
    {"ﾃﾚﾋﾞ欄.txt", "番組"}, {"てれびテレビ", "番組"}, {"LIVE_2020.mov", "ライブ"}, {"ｌｉｖｅ.mov", "ライブ"},
    {"ガイド.txt", "案内"}, {"ｶﾞｲﾄﾞ.txt", "案内"}, {"ｶｲﾄﾞ.txt", ""}, {"manual.pdf", "文書"},
    {"ﾊﾟﾊﾟ.jpg", "家族"}, {"ﾊﾊﾟ.jpg", ""},
    // The earliest rule wins, not the earliest place in the name.
    {"live on テレビ.mp3", "番組"}, {"live.mp3", "ライブ"},
    // Extension rules want the whole extension, with or without their dot.
    {"song.MP3", "音声"}, {"song.flac", "音声"}, {"mp3list.txt", ""}, {"song.mp3x", ""}, {"mp3", ""},
    {".mp3", ""},
    // An empty keyword matches nothing.
    {"anything", ""}, {"", ""},
    // clang-format on
};

std::vector<GenreRule> tableOf(const text::TextRules& rules)
{
    std::vector<GenreRule> table;
    for (const RuleText& r : userRules)
        table.push_back({rules.fromUtf8(r.keyword), rules.fromUtf8(r.label), r.extensionOnly});
    return table;
}

class UserGenreRules : public ::testing::TestWithParam<std::shared_ptr<text::TextRules>> {};

TEST_P(UserGenreRules, FoldCaseAndWidthAndKeepTheirOrder)
{
    const text::TextRules& rules = *GetParam();
    const CategoryClassifier classifier(rules, tableOf(rules));
    for (const Case& c : userCases)
        EXPECT_EQ(classifier.StrFind(rules.fromUtf8(c.name)), rules.fromUtf8(c.label)) << c.name;
}

TEST_P(UserGenreRules, AnEmptyTableLabelsNothing)
{
    const text::TextRules& rules = *GetParam();
    const CategoryClassifier classifier(rules, std::vector<GenreRule>{});
    EXPECT_EQ(classifier.StrFind(rules.fromUtf8("TV.avi")), "");
}

INSTANTIATE_TEST_SUITE_P(CodePages, UserGenreRules, bothCodePages(), codePageName);

TEST(UserGenreRulesShiftJis, FoldedKeywordsStillStartOnACharacter)
{
    // サ is 83 54: its second byte is "T", which folds to nothing else.
    const testing::ShiftJisTextRules rules;
    const CategoryClassifier classifier(rules, std::vector<GenreRule>{{"tv", "x"}});
    EXPECT_EQ(classifier.StrFind(rules.fromUtf8("サV.avi")), "");
    EXPECT_EQ(classifier.StrFind(rules.fromUtf8("サｔｖ.avi")), "x");
}

TEST(UserGenreRulesUtf8, AKeywordThatIsNotValidUtf8MeetsTheSameBytes)
{
    const text::Utf8TextRules rules;
    const CategoryClassifier classifier(rules, std::vector<GenreRule>{{"\xff\xfe", "bad"}});
    EXPECT_EQ(classifier.StrFind("a\xff\xfe.txt"), "bad");
    EXPECT_EQ(classifier.StrFind("a\xff.txt"), "");
}

TEST(UserGenreRulesUtf8, TenThousandRulesFindTheEarliestOfThem)
{
    const text::Utf8TextRules rules;
    std::vector<GenreRule> table;
    for (int i = 0; i < 10000; ++i)
        table.push_back({"key" + std::to_string(i) + "_", "label" + std::to_string(i)});
    const CategoryClassifier classifier(rules, table);
    EXPECT_EQ(classifier.StrFind("x_key9999_key12_.txt"), "label12");
    EXPECT_EQ(classifier.StrFind("KEY9999_.txt"), "label9999");
    EXPECT_EQ(classifier.StrFind("key10000.txt"), "");
}

} // namespace
} // namespace quorrin::listing
