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

// The settings file of the program `programName` installed in the running
// executable's folder, found by the same rules as that program finds it: how
// a helper program shares the window's settings.
std::string siblingSettingsFilePath(const text::TextRules& rules, std::string_view programName);

} // namespace quorrin::persist
