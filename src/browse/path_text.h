#pragma once

#include "platform/file_system.h"
#include "text/text_rules.h"

#include <string>
#include <string_view>

namespace quorrin::browse {

// The drive part of a path: "X:" when the second character is ":", or for a
// path that begins with two separators the server and share up to (not
// including) the fourth separator. Empty where the syntax has no drives.
std::string drivePart(const text::TextRules& rules, platform::PathSyntax syntax, std::string_view path);

// `dir` and `name` with a separator between them, unless `dir` already ends
// in one (a root such as "C:\" or "/").
std::string joinPath(const text::TextRules& rules, platform::PathSyntax syntax, std::string_view dir,
                     std::string_view name);

} // namespace quorrin::browse
