#pragma once

#include "listing/output_options.h"
#include "platform/charset_converter.h"
#include "text/text_rules.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quorrin::persist {

// The bytes of a saved listing, and the lines that could not be written as
// they stand.
struct EncodedListing {
    std::string bytes;
    // Lines holding a character the encoding has no code for; each such
    // character is written as the geta mark "〓" instead (in UTF-16LE too,
    // where only bytes that are no character of the system's code page
    // count). Their indexes, in order.
    std::vector<std::size_t> unmappableLines;
};

// The listing's lines as a file's bytes: each line ended by `lineEnd`;
// `utf8Bom` and `utf16le` start with their byte-order mark. `system` and,
// where the system's code page is UTF-8, `utf8` and `utf8Bom` write the
// lines' bytes unchanged. Throws Error (text in the rules' code page) when
// the system has no converter for the encoding; nothing is written then.
EncodedListing encodeListing(const std::vector<std::string>& lines, listing::TextEncoding encoding,
                             listing::LineEnd lineEnd, const platform::CharsetConverter& converter,
                             const text::TextRules& rules);

} // namespace quorrin::persist
