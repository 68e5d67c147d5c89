#include "listing/match_folding.h"

#include <algorithm>

namespace quorrin::listing {

namespace {

// Half-width katakana and signs beside their full-width forms, one
// three-byte UTF-8 character each, and the voiced and semi-voiced pairs
// that become one full-width character.
constexpr std::string_view halfWidth = "｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ";
constexpr std::string_view fullWidth = "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテト"
                                       "ナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
constexpr std::string_view voiceable = "ｳｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾊﾋﾌﾍﾎ";
constexpr std::string_view voiced = "ヴガギグゲゴザジズゼゾダヂヅデドバビブベボ";
constexpr std::string_view semiVoiceable = "ﾊﾋﾌﾍﾎ";
constexpr std::string_view semiVoiced = "パピプペポ";
constexpr std::size_t utf8Width = 3;

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string utf8Of(char32_t c)
{
    return {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
            static_cast<char>(0x80 | (c & 0x3F))};
}

} // namespace

MatchFolding::MatchFolding(const text::TextRules& rules, bool fold) : rules_(&rules), fold_(fold)
{
    if (!fold)
        return;
    auto add = [&](const std::string& from, const std::string& to) {
        // A code page without the character gives "?" or a best fit in
        // ASCII, which the case folding already covers.
        const std::string key = rules.fromUtf8(from);
        if (std::all_of(key.begin(), key.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            return;
        mayReplace_[static_cast<unsigned char>(key[0])] = true;
        replacements_.emplace(key, apply(rules.fromUtf8(to)));
    };
    // Full-width ASCII, U+FF01 to U+FF5E, and the ideographic space.
    for (char32_t c = 0xFF01; c <= 0xFF5E; ++c)
        add(utf8Of(c), std::string(1, lowerAscii(static_cast<char>(c - 0xFEE0))));
    add(utf8Of(0x3000), " ");
    auto addPairs = [&](std::string_view from, std::string_view to, std::string_view mark) {
        for (std::size_t i = 0; i < from.size(); i += utf8Width)
            add(std::string(from.substr(i, utf8Width)) + std::string(mark), std::string(to.substr(i, utf8Width)));
    };
    addPairs(halfWidth, fullWidth, "");
    addPairs(voiceable, voiced, "ﾞ");
    addPairs(semiVoiceable, semiVoiced, "ﾟ");
}

void MatchFolding::apply(std::string_view text, std::string& out, std::vector<char>& starts) const
{
    out.clear();
    starts.clear();
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = rules_->charLength(text, i);
        const std::size_t before = out.size();
        std::size_t used = length;
        if (!fold_)
            out.append(text, i, length);
        else if (length == 1 && !mayReplace_[static_cast<unsigned char>(text[i])])
            out += lowerAscii(text[i]);
        else
            used = foldAt(text, i, length, out);
        starts.resize(out.size(), 0);
        starts[before] = 1;
        i += used;
    }
}

std::string MatchFolding::apply(std::string_view text) const
{
    std::string out;
    std::vector<char> starts;
    apply(text, out, starts);
    return out;
}

std::size_t MatchFolding::foldAt(std::string_view text, std::size_t i, std::size_t length, std::string& out) const
{
    if (mayReplace_[static_cast<unsigned char>(text[i])]) {
        // A kana with its voiced mark first, so ｶﾞ gives ガ and not カ゛.
        if (i + length < text.size()) {
            const std::size_t next = rules_->charLength(text, i + length);
            const auto pair = replacements_.find(std::string(text.substr(i, length + next)));
            if (pair != replacements_.end()) {
                out += pair->second;
                return length + next;
            }
        }
        const auto single = replacements_.find(std::string(text.substr(i, length)));
        if (single != replacements_.end()) {
            out += single->second;
            return length;
        }
    }
    out.append(text, i, length);
    if (length == 1)
        out.back() = lowerAscii(out.back());
    return length;
}

} // namespace quorrin::listing
