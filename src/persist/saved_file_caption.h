#pragma once

#include "text/text_rules.h"

#include <string>
#include <string_view>

namespace quorrin::persist {

// The window caption after the listing was saved over an existing file: the
// file's name without its folders, " - ", the application title
// ("D:\out\list.txt" and "Zidaz" give "list.txt - Zidaz"). Only whole
// characters count as delimiters, never the second byte of a double-byte
// one.
std::string savedFileCaption(const text::TextRules& rules, std::string_view path, std::string_view delimiters,
                             std::string_view applicationTitle);

} // namespace quorrin::persist
