#pragma once

#include "listing/genre_rule.h"
#include "persist/settings_file.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorrin::persist {

// The section of the user's genre rules:
//   Table=own (or standard, the built-in table)
//   Rule1=keyword|label       Rule2=mp3|音楽|ext   ...
// numbered from 1; reading stops at the first missing number and passes
// over empty values. Inside a field "\|" is a "|", "\n" and "\r" are line
// breaks and "\\" a backslash; "ext" as a third field marks a rule that
// matches the extension only.
inline constexpr std::string_view genreSection = "Genre";

// One rule as the text of its key, and back. Any text reads as a rule:
// what does not split keeps its bytes in the keyword and label.
std::string genreRuleText(const listing::GenreRule& rule);
listing::GenreRule parseGenreRuleText(std::string_view text);

// The table the file holds: nothing without the section or with
// Table=standard. Works on any settings file, for the window and the
// command line alike.
listing::GenreTable readGenreRules(SettingsFile& file);

// Writes the table; a file that never had the section gets none while the
// built-in table is in use. Keys left over from a longer table are
// emptied, so they cannot come back. Raises SettingsWriteError.
void writeGenreRules(SettingsFile& file, const listing::GenreTable& table);

} // namespace quorrin::persist
