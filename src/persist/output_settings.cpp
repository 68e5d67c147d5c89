#include "persist/output_settings.h"

#include <string>

namespace quorrin::persist {

namespace {

template <typename Choice, typename Parse>
void readWord(SettingsFile& file, std::string_view key, Choice& choice, Parse parse)
{
    if (const auto read = parse(file.ReadText(outputSection, key, "")))
        choice = *read;
}

// Only the two values the program writes count; "yes" or "2" are no
// choice of ours and keep the default.
void readFlag(SettingsFile& file, std::string_view key, bool& flag)
{
    const std::string value = file.ReadText(outputSection, key, "");
    if (value == "0" || value == "1")
        flag = value == "1";
}

} // namespace

void readOutputSettings(SettingsFile& file, listing::OutputOptions& output)
{
    readWord(file, "Encoding", output.encoding, listing::parseEncoding);
    readWord(file, "LineEnd", output.lineEnd, listing::parseLineEnd);
    readWord(file, "Dates", output.dates, listing::parseDateStyle);
    readWord(file, "Sort", output.sort, listing::parseSortKey);
    readFlag(file, "Header", output.header);
    readFlag(file, "Descending", output.descending);
}

void writeOutputSettings(SettingsFile& file, const listing::OutputOptions& output)
{
    file.WriteText(outputSection, "Encoding", listing::encodingWord(output.encoding));
    file.WriteText(outputSection, "LineEnd", listing::lineEndWord(output.lineEnd));
    file.WriteFlag(outputSection, "Header", output.header);
    file.WriteText(outputSection, "Dates", listing::dateStyleWord(output.dates));
    file.WriteText(outputSection, "Sort", listing::sortKeyWord(output.sort));
    file.WriteFlag(outputSection, "Descending", output.descending);
}

} // namespace quorrin::persist
