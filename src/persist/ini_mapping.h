#pragma once

#include "listing/genre_rule.h"
#include "listing/list_settings.h"
#include "listing/output_options.h"
#include "persist/settings_file.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

namespace quorrin::persist {

// A field of the settings record; its type is the kind of its key (number,
// flag or text), so a key cannot be read one way and written another.
using SettingsField = std::variant<std::int32_t listing::ListSettings::*, bool listing::ListSettings::*,
                                   std::string listing::ListSettings::*>;

struct SettingsKey {
    std::string_view section;
    std::string_view key;
    SettingsField field;
};

// Every stored field, in the order of reading and writing. The order decides
// the layout of a new file: "File" is opened by "Edit", then "Disk" follows,
// and "SDir" returns to "File".
inline constexpr std::array<SettingsKey, 13> settingsKeys{{
    {"List", "1", &listing::ListSettings::ListCol1},
    {"List", "2", &listing::ListSettings::ListCol2},
    {"List", "3", &listing::ListSettings::ListCol3},
    {"List", "4", &listing::ListSettings::ListCol4},
    {"List", "5", &listing::ListSettings::ListCol5},
    {"List", "Tab", &listing::ListSettings::TabNo},
    {"List", "Kak", &listing::ListSettings::QuoteOn},
    {"List", "byt", &listing::ListSettings::SizeInK},
    {"List", "Filter", &listing::ListSettings::FilterNo},
    {"File", "Edit", &listing::ListSettings::EditText},
    {"Disk", "Drive", &listing::ListSettings::DriveChar},
    {"Disk", "Dir", &listing::ListSettings::DirPath},
    {"File", "SDir", &listing::ListSettings::SavePath},
}};

// The separator choice that stands for the text typed into the selector.
inline constexpr std::int32_t typedSeparatorChoice = -1;

// Where the typed separator is kept while it is the choice, so it survives a
// restart. Added after the other keys, it is the last key of "List".
inline constexpr std::string_view typedSeparatorSection = "List";
inline constexpr std::string_view typedSeparatorKey = "TabText";

// Overlays the record with the file's values, each field's current value
// being its default; nothing is range-checked. While the separator choice
// read is the typed one, `typedSeparator` is overlaid the same way. The
// output choices come from their own section, after the others.
void IniRead(SettingsFile& file, listing::ListSettings& settings, std::string& typedSeparator,
             listing::OutputOptions& output);

// Sections of the later options, written after the keys above and before
// the flush.
using MoreSections = std::function<void(SettingsFile& file)>;

// Takes `currentDir` (the directory list's, at the moment of writing) as the
// directory to restore, then writes every key, the output choices and the
// genre table last (see writeGenreRules), and flushes. The first refused key raises SettingsWriteError and ends the
// pass there.
void IniWrite(SettingsFile& file, listing::ListSettings& settings, std::string_view currentDir,
              std::string_view typedSeparator, const listing::OutputOptions& output,
              const listing::GenreTable& genre = std::nullopt, const MoreSections& moreSections = {});

} // namespace quorrin::persist
