#pragma once

#include "text/text_rules.h"

#include <string>
#include <string_view>

namespace quorrin::persist {

// The executable's path with its extension replaced by ".ini": the extension
// begins at the last "." after the last of the path `delimiters`; without
// one ".ini" is appended. Whole characters only, so the second byte of a
// double-byte character is never taken for a delimiter or a dot.
std::string settingsPathBeside(const text::TextRules& rules, std::string_view executablePath,
                               std::string_view delimiters);

// The settings file of the running executable, computed afresh for every
// pass.
std::string settingsFilePath(const text::TextRules& rules);

} // namespace quorrin::persist
