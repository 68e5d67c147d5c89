#pragma once

#include "listing/code_tables.h"

#include <array>
#include <cstdint>
#include <string>

namespace quorrin::listing {

// How many presets the built-in filter string of the filter selector holds.
inline constexpr std::int32_t builtInPresetFilterCount = 8;

// Every persistent choice that shapes the listing and the choice of files.
// No field is range-checked: whatever a settings file yields is used, and
// the composer gives out-of-table values their own meaning.
struct ListSettings {
    std::int32_t ListCol1 = ckFileName;
    std::int32_t ListCol2 = ckSize;
    std::int32_t ListCol3 = ckNone;
    std::int32_t ListCol4 = ckNone;
    std::int32_t ListCol5 = ckNone;
    std::int32_t TabNo = 2; // tab
    bool QuoteOn = false;
    std::string QuoteStr = "\""; // set at start, never stored or changed
    bool SizeInK = false;
    std::int32_t FilterNo = builtInPresetFilterCount - 1; // the last preset, "all files"
    std::string EditText;
    std::int32_t DriveChar = 0; // lower-case drive letter code; 0 for none (always on POSIX)
    std::string DirPath;
    std::string SavePath;

    std::array<std::int32_t, 5> columns() const { return {ListCol1, ListCol2, ListCol3, ListCol4, ListCol5}; }
};

// The settings every run starts from, before the settings file overlays
// them. The preset selector's item count decides which preset is the last.
ListSettings defaultListSettings(std::int32_t presetFilterCount);

} // namespace quorrin::listing
