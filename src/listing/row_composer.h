#pragma once

#include "listing/category_classifier.h"
#include "listing/file_info_source.h"
#include "listing/list_settings.h"
#include "listing/output_options.h"
#include "platform/date_time_settings.h"
#include "text/text_rules.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::listing {

// Everything one rebuild of the listing reads besides the names.
struct ListingContext {
    const ListSettings& settings;
    std::string_view directory;      // the path column: the directory list's CurrentDir
    std::string_view typedSeparator; // the separator selector's text, used when TabNo is no fixed choice
    const FileInfoSource& files;
    const platform::LocaleSettings& locale;
    const text::TextRules& rules;
    const CategoryClassifier& classifier;
    DateStyle dates = DateStyle::system;
    bool header = false; // a first line of column captions
};

// The separator for a choice: the fixed text of choices 0-7, the typed text
// for any other value.
std::string_view TabStr(std::int32_t tabNo, std::string_view typedText);

// The size of a listed file; 0 for a name with no entry, a directory or a
// volume label. Hidden and system files show their real size.
std::uint64_t GetFileSize(const FileInfoSource& files, std::string_view name);

// The listing: one line per name, in the names' order. Column 1 has no
// separator; columns 2-5 have the separator in front unless their kind is
// none. With `header`, a first line holds each column's selector caption,
// separated and quoted like the data. Linear in the number of names.
//
// Each field: with quoting on every kind but none is enclosed in QuoteStr,
// and a QuoteStr inside the field is doubled so the line stays valid CSV.
// Kinds outside the table give an empty field (two quotes when quoting);
// the date of a file whose time cannot be read or shown in the 1980-2107
// file-date range is empty too. Without quoting, the path and name fields
// write every control character below 0x20 in caret notation (TAB "^I", LF
// "^J", CR "^M") and "^" as "^^", so a control character in a name never
// splits the listing's line or adds a field.
std::vector<std::string> ListDataSet(const ListingContext& context, std::span<const std::string> names);

// The same for the names in `order`: one line for names[order[0]], then
// names[order[1]], and so on.
std::vector<std::string> ListDataSet(const ListingContext& context, std::span<const std::string> names,
                                     std::span<const std::size_t> order);

} // namespace quorrin::listing
