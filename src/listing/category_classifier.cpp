#include "listing/category_classifier.h"

#include <array>
#include <initializer_list>

namespace quorrin::listing {

namespace {

struct RowText {
    std::initializer_list<std::string_view> keywords;
    std::string_view label;
};

// Each row names one genre in the spellings people use in file names:
// full-width and half-width katakana, kanji, Latin letters. The label is the
// row's full-width or kanji form.
const std::array<RowText, 10> table{{
    {{"映画"}, "映画"},
    {{"TV", "ＴＶ", "ﾃﾚﾋﾞ", "テレビ"}, "ＴＶ"},
    {{"ﾋﾞﾃﾞｵ", "ビデオ"}, "ビデオ"},
    {{"ﾄﾞﾗﾏ", "ドラマ"}, "ドラマ"},
    {{"ｱﾆﾒ", "アニメ"}, "アニメ"},
    {{"音楽", "ﾐｭｰｼﾞｯｸ", "ミュージック"}, "音楽"},
    {{"AV", "ＡＶ", "ｱﾀﾞﾙﾄ", "アダルト"}, "ＡＶ"},
    {{"邦画"}, "邦画"},
    {{"ｹﾞｰﾑ", "ゲーム"}, "ゲーム"},
    {{"お宝"}, "お宝"},
}};

} // namespace

CategoryClassifier::CategoryClassifier(const text::TextRules& rules) : rules_(rules)
{
    rows_.reserve(table.size());
    for (const RowText& text : table) {
        Row row;
        for (std::string_view keyword : text.keywords)
            row.keywords.push_back(rules.fromUtf8(keyword));
        row.label = rules.fromUtf8(text.label);
        rows_.push_back(std::move(row));
    }
}

std::string CategoryClassifier::StrFind(std::string_view name) const
{
    for (const Row& row : rows_) {
        for (const std::string& keyword : row.keywords) {
            if (occursIn(name, keyword))
                return row.label;
        }
    }
    return {};
}

bool CategoryClassifier::occursIn(std::string_view name, std::string_view keyword) const
{
    // Candidates come from a plain byte search; only those that start where
    // a character of the name starts count. The boundary walk only moves
    // forward, so a name is walked at most once per keyword. A keyword is
    // whole characters itself, so one that starts on a boundary also ends
    // on one.
    std::size_t boundary = 0;
    for (std::size_t found = name.find(keyword); found != std::string_view::npos;
         found = name.find(keyword, boundary)) {
        while (boundary < found)
            boundary += rules_.charLength(name, boundary);
        if (boundary == found)
            return true;
    }
    return false;
}

} // namespace quorrin::listing
