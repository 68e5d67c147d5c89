#include "listing/category_classifier.h"

#include "both_code_pages.h"

#include <gtest/gtest.h>

#include <memory>

namespace quorrin::listing {
namespace {

struct Case {
    const char* name;  // UTF-8
    const char* label; // UTF-8; empty for none
};

// Every keyword of every row, the earliest-row rule, case and width.
const Case cases[] = {
    // clang-format off
    {"映画.avi", "映画"}, {"TV.avi", "ＴＶ"}, {"ＴＶ.avi", "ＴＶ"}, {"ﾃﾚﾋﾞ.avi", "ＴＶ"}, {"テレビ.avi", "ＴＶ"},
    {"ﾋﾞﾃﾞｵ.avi", "ビデオ"}, {"ビデオ.avi", "ビデオ"}, {"ﾄﾞﾗﾏ.avi", "ドラマ"}, {"ドラマ.avi", "ドラマ"},
    {"ｱﾆﾒ.avi", "アニメ"}, {"アニメ.avi", "アニメ"}, {"音楽.mp3", "音楽"}, {"ﾐｭｰｼﾞｯｸ.mp3", "音楽"},
    {"ミュージック.mp3", "音楽"}, {"ＡＶ.mpg", "ＡＶ"}, {"ｱﾀﾞﾙﾄ.mpg", "ＡＶ"}, {"アダルト.mpg", "ＡＶ"},
    {"邦画.avi", "邦画"}, {"ｹﾞｰﾑ.iso", "ゲーム"}, {"ゲーム.iso", "ゲーム"}, {"お宝.zip", "お宝"},
    // The earliest row wins, wherever its keyword stands.
    {"アニメ映画.avi", "映画"}, {"ドラマTV.mpg", "ＴＶ"}, {"お宝ゲーム.zip", "ゲーム"}, {"邦画ドラマ.avi", "ドラマ"},
    // Case and width are not folded; the extension takes part.
    {"tv.avi", ""}, {"av.avi", ""}, {"ｔｖ.avi", ""}, {"AVI.txt", "ＡＶ"}, {"SAVE.AVI", "ＡＶ"}, {"readme.txt", ""},
    {"", ""},
    // clang-format on
};

class CategoryClassifierTest : public ::testing::TestWithParam<std::shared_ptr<text::TextRules>> {};

TEST_P(CategoryClassifierTest, GivesTheEarliestRowWithAKeywordInTheName)
{
    const text::TextRules& rules = *GetParam();
    const CategoryClassifier classifier(rules);
    for (const Case& c : cases)
        EXPECT_EQ(classifier.StrFind(rules.fromUtf8(c.name)), rules.fromUtf8(c.label)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(CodePages, CategoryClassifierTest, bothCodePages(), codePageName);

// In code page 932 the second byte of a double-byte character can be a
// letter or the first byte of another character; such bytes only look like
// a keyword. サ is 83 54 ("T" second), ア is 83 41 ("A"), モ is 83 82 (the
// first byte of ＴＶ's characters).
TEST(CategoryClassifierShiftJis, KeywordBytesAcrossTwoCharactersDoNotCount)
{
    const testing::ShiftJisTextRules rules;
    const CategoryClassifier classifier(rules);
    const Case table[] = {
        {"サV.avi", ""},      // 83 54 56: "TV" from サ's second byte
        {"アV.avi", ""},      // 83 41 56: "AV" from ア's second byte
        {"モsＶ.avi", ""},    // 83 82 73 82 75: "ＴＶ" from モ's second byte on
        {"サTV.avi", "ＴＶ"}, // a real keyword after a double-byte character
    };
    for (const auto& c : table) {
        const std::string name = rules.fromUtf8(c.name);
        EXPECT_EQ(classifier.StrFind(name), rules.fromUtf8(c.label)) << c.name;
    }
}

TEST(CategoryClassifierUtf8, NamesThatAreNotValidUtf8AreSearchedByteForByte)
{
    const text::Utf8TextRules rules;
    const CategoryClassifier classifier(rules);
    EXPECT_EQ(classifier.StrFind("\xff\xfeTV.avi"), "ＴＶ");
    EXPECT_EQ(classifier.StrFind("\x83TV"), "ＴＶ");
}

} // namespace
} // namespace quorrin::listing
