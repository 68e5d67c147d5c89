// Filter strings of any shape: the presets come in pairs, and written back
// with "|" between them they are the text itself up to its last, dropped
// description. On Shift_JIS a "|" that is the second byte of a character
// separates nothing.
#include "fuzz_check.h"

#include "browse/filter_presets.h"
#include "support/shift_jis_text_rules.h"
#include "text/text_scan.h"
#include "text/utf8_text_rules.h"

namespace {

using namespace quorrin;
using fuzz::require;

void check(const text::TextRules& rules, std::string_view filter)
{
    const browse::FilterPresets presets = browse::parseFilter(rules, filter);
    require(presets.descriptions.size() == presets.masks.size(), "every description has its mask");
    std::string joined;
    for (std::size_t i = 0; i < presets.masks.size(); ++i) {
        if (i > 0)
            joined += '|';
        joined += presets.descriptions[i];
        joined += '|';
        joined += presets.masks[i];
    }
    require(filter.starts_with(joined), "the presets are the text, in order");
    std::string_view rest = filter.substr(joined.size());
    if (!presets.masks.empty()) {
        require(rest.empty() || rest.front() == '|', "presets end at a bar or at the end");
        if (!rest.empty())
            rest.remove_prefix(1);
    }
    require(text::findFirstOf(rules, rest, "|") == std::string_view::npos,
            "only a description without a mask is dropped");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const text::Utf8TextRules utf8;
    static const testing::ShiftJisTextRules shiftJis;
    const std::string_view filter = fuzz::asText(data, size);
    check(utf8, filter);
    check(shiftJis, filter);
    return 0;
}
