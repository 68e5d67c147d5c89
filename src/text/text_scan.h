#pragma once

#include "text/text_rules.h"

#include <string_view>

namespace quorrin::text {

// Scans that must never mistake the second byte of a double-byte character
// for a path delimiter: they step through s one character at a time.

// Offset of the last character that is one of `chars`, or npos.
std::size_t findLastOf(const TextRules& rules, std::string_view s, std::string_view chars);

// Offset of the first character that is one of `chars`, or npos.
std::size_t findFirstOf(const TextRules& rules, std::string_view s, std::string_view chars);

// Offset where the last character of s begins (npos for an empty text).
std::size_t lastCharStart(const TextRules& rules, std::string_view s);

// True when the last character of s is the single byte c.
bool endsWithChar(const TextRules& rules, std::string_view s, char c);

// The value of a hexadecimal digit (either case), or -1 for any other byte.
int hexDigitValue(char c);

} // namespace quorrin::text
