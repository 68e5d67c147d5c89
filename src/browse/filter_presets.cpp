#include "browse/filter_presets.h"

#include "text/text_scan.h"

namespace quorrin::browse {

namespace {

// Takes the text before the next "|" off the front of `rest`, with the bar;
// all of `rest` when there is none.
std::string takePart(const text::TextRules& rules, std::string_view& rest)
{
    const std::size_t bar = text::findFirstOf(rules, rest, "|");
    std::string part(rest.substr(0, bar));
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    return part;
}

} // namespace

FilterPresets parseFilter(const text::TextRules& rules, std::string_view filter)
{
    FilterPresets presets;
    std::string_view rest = filter;
    while (text::findFirstOf(rules, rest, "|") != std::string_view::npos) {
        presets.descriptions.push_back(takePart(rules, rest));
        presets.masks.push_back(takePart(rules, rest));
    }
    return presets;
}

} // namespace quorrin::browse
