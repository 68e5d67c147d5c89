#include "listing/genre_rule.h"

#include <array>
#include <initializer_list>
#include <string_view>

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

std::vector<GenreRule> standardGenreRules(const text::TextRules& rules)
{
    std::vector<GenreRule> out;
    for (const RowText& row : table) {
        for (std::string_view keyword : row.keywords)
            out.push_back({rules.fromUtf8(keyword), rules.fromUtf8(row.label)});
    }
    return out;
}

} // namespace quorrin::listing
