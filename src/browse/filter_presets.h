#pragma once

#include "text/text_rules.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorrin::browse {

// A filter selector's presets: what the user sees, and the mask beside it.
struct FilterPresets {
    std::vector<std::string> descriptions;
    std::vector<std::string> masks;
};

// Reads "description|mask|description|mask...". A "|" counts only as a
// character of its own, never as the second byte of a double-byte one. A
// trailing description without a mask is dropped, an empty mask is kept,
// and a text without any "|" has no presets.
FilterPresets parseFilter(const text::TextRules& rules, std::string_view filter);

// A selector's Filter until it is given one (UTF-8; converted to the code
// page with TextRules::fromUtf8).
inline constexpr std::string_view defaultFilterUtf8 = "すべてのファイル (*.*)|*.*";

// The eight presets of the main window (UTF-8).
inline constexpr std::string_view mainWindowFilterUtf8 =
    "実行ファイル|*.exe;*.com"
    "|テキスト (*.TXT, *.DOC)|*.txt;*.doc"
    "|動画 (*.AVI, *.MPG, ASF)|*.avi;*.mpg;*.mpeg;*.asf"
    "|イメージ (*.jpg, *.bmp, *.ico, *.wmf, *.emf)|*.jpg;*.bmp;*.ico;*.wmf;*.emf"
    "|ビットマップ (*.bmp)|*.bmp"
    "|アイコン (*.ico)|*.ico"
    "|メタ (*.wmf, *.emf)|*.wmf;*.emf"
    "|すべて (*.*)|*.*";

} // namespace quorrin::browse
