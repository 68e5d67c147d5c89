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

} // namespace

void readOutputSettings(SettingsFile& file, listing::OutputOptions& output)
{
    readWord(file, "Encoding", output.encoding, listing::parseEncoding);
    readWord(file, "LineEnd", output.lineEnd, listing::parseLineEnd);
    readWord(file, "Dates", output.dates, listing::parseDateStyle);
    // Only the two values the program writes count; "yes" or "2" are no
    // choice of ours and keep the default.
    const std::string header = file.ReadText(outputSection, "Header", "");
    if (header == "0" || header == "1")
        output.header = header == "1";
}

void writeOutputSettings(SettingsFile& file, const listing::OutputOptions& output)
{
    file.WriteText(outputSection, "Encoding", listing::encodingWord(output.encoding));
    file.WriteText(outputSection, "LineEnd", listing::lineEndWord(output.lineEnd));
    file.WriteFlag(outputSection, "Header", output.header);
    file.WriteText(outputSection, "Dates", listing::dateStyleWord(output.dates));
}

} // namespace quorrin::persist
