#pragma once

#include "listing/output_options.h"
#include "persist/settings_file.h"

#include <string_view>

namespace quorrin::persist {

// The section that holds the output choices, after every older section:
// Encoding, LineEnd, Dates and Sort as their words, Header and Descending
// as 0 or 1.
inline constexpr std::string_view outputSection = "Output";

// A missing value, or one that is not among the words, leaves that choice
// at its value in `output`.
void readOutputSettings(SettingsFile& file, listing::OutputOptions& output);

// Writes all six keys; raises SettingsWriteError like every write.
void writeOutputSettings(SettingsFile& file, const listing::OutputOptions& output);

} // namespace quorrin::persist
