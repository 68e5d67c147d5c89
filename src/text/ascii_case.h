#pragma once

#include "text/text_rules.h"

#include <string>
#include <string_view>

namespace quorrin::text {

// Case as a double-byte code page folds file names: only the single-byte
// letters A-Z and a-z change. The rules step over every double-byte
// character whole, since its second byte may equal a letter and must keep
// its value, or the character changes.
std::string lowerAsciiLetters(const TextRules& rules, std::string_view s);
std::string upperAsciiLetters(const TextRules& rules, std::string_view s);

char lowerAscii(char c);
char upperAscii(char c);

} // namespace quorrin::text
