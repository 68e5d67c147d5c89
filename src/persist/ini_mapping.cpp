#include "persist/ini_mapping.h"

#include "persist/genre_settings.h"
#include "persist/output_settings.h"

#include <type_traits>

namespace quorrin::persist {

namespace {

using listing::ListSettings;

void readKey(SettingsFile& file, const SettingsKey& entry, ListSettings& settings)
{
    std::visit(
        [&](auto member) {
            auto& field = settings.*member;
            using Field = std::remove_reference_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, bool>)
                field = file.ReadFlag(entry.section, entry.key, field);
            else if constexpr (std::is_same_v<Field, std::int32_t>)
                field = file.ReadNumber(entry.section, entry.key, field);
            else
                field = file.ReadText(entry.section, entry.key, field);
        },
        entry.field);
}

void writeKey(SettingsFile& file, const SettingsKey& entry, const ListSettings& settings)
{
    std::visit(
        [&](auto member) {
            const auto& field = settings.*member;
            using Field = std::remove_cvref_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, bool>)
                file.WriteFlag(entry.section, entry.key, field);
            else if constexpr (std::is_same_v<Field, std::int32_t>)
                file.WriteNumber(entry.section, entry.key, field);
            else
                file.WriteText(entry.section, entry.key, field);
        },
        entry.field);
}

} // namespace

void IniRead(SettingsFile& file, ListSettings& settings, std::string& typedSeparator, listing::OutputOptions& output)
{
    for (const auto& entry : settingsKeys)
        readKey(file, entry, settings);
    if (settings.TabNo == typedSeparatorChoice)
        typedSeparator = file.ReadText(typedSeparatorSection, typedSeparatorKey, typedSeparator);
    readOutputSettings(file, output);
}

void IniWrite(SettingsFile& file, ListSettings& settings, std::string_view currentDir, std::string_view typedSeparator,
              const listing::OutputOptions& output, const listing::GenreTable& genre, const MoreSections& moreSections)
{
    settings.DirPath = currentDir;
    for (const auto& entry : settingsKeys)
        writeKey(file, entry, settings);
    if (settings.TabNo == typedSeparatorChoice)
        file.WriteText(typedSeparatorSection, typedSeparatorKey, typedSeparator);
    writeOutputSettings(file, output);
    writeGenreRules(file, genre);
    if (moreSections)
        moreSections(file);
    file.Flush();
}

} // namespace quorrin::persist
