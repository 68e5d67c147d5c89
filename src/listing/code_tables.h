#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quorrin::listing {

// What a column holds; the value is also the item index of a column selector.
enum ColumnKind : std::int32_t {
    ckPath = 0,
    ckFileName = 1,
    ckSize = 2,
    ckDate = 3,
    ckOption = 4,
    ckNone = 5,
};

// Selector items in code order (UTF-8 literals; converted at the boundary).
inline constexpr std::array<std::string_view, 6> columnKindItems{"パス", "ファイル名", "サイズ",
                                                                 "日付", "オプション", "なし"};

// Separator selector items, in code order, and the separator each stands for.
inline constexpr std::array<std::string_view, 8> separatorItems{
    " なし", " 空白", " Tab", " ， (カンマ)", "－ (ハイフン)", "＿ (アンダーバー)", "／ (スラッシュ)", "＋ (プラス)"};
inline constexpr std::array<std::string_view, 8> separatorTexts{"", " ", "\t", ",", "-", "_", "/", "+"};

// The fixed separator for a choice, or nothing when the choice is the
// user's typed text (-1, or any value outside the table).
const std::string_view* fixedSeparator(std::int32_t choice);

} // namespace quorrin::listing
