#pragma once

#include "text/text_rules.h"

#include <string>
#include <string_view>

namespace quorrin::persist {

// The program's title, fixed once from the executable's file name: the name
// after the last path delimiter, cut before its first ".", its first
// character as it stands and every later letter A-Z in lower case
// ("ZIDAZ.EXE" gives "Zidaz"). It captions error boxes and follows the file
// name in the window caption after a save.
std::string applicationTitle(const text::TextRules& rules, std::string_view executablePath,
                             std::string_view delimiters);

} // namespace quorrin::persist
