#pragma once

#include "browse/file_type.h"
#include "platform/dir_entry.h"
#include "platform/file_system.h"
#include "text/text_rules.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::browse {

// What a read keeps of a listed entry beside its item text: what the row
// composer shows, so it never has to ask the file system again.
struct EntryFacts {
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    platform::FileTime lastWrite;
};

// The outcome of one read: item texts in list order ("[name]" for a
// directory) and, at the same index, the facts of each entry.
struct ListedEntries {
    std::vector<std::string> items;
    std::vector<EntryFacts> facts;
    // Stopped by its progress answer: nothing is listed then.
    bool stopped = false;
};

// Raised with true once a read has found more than this many entries, and
// with false when that read ends, however it ends.
inline constexpr std::size_t busyAfterEntries = 100;
using BusySignal = std::function<void(bool busy)>;

// Told how many entries a read has found so far, after every
// `progressEveryEntries` of them; false stops the read.
inline constexpr std::size_t progressEveryEntries = 256;
using ReadProgress = std::function<bool(std::size_t entriesSoFar)>;

// Searches `dir` with every ";"-separated piece of `mask`, each used exactly
// as written (an empty piece matches nothing, a name two pieces match is
// listed twice), keeps the entries `type` asks for and sorts them once, in
// the locale's order without regard to case; equal keys keep the order they
// were found in. `previous`, the items of the last read of the same folder
// with the same mask and type, spares collating the names found again.
ListedEntries readEntries(const platform::FileSystem& fs, const text::TextRules& rules, const std::string& dir,
                          std::string_view mask, FileType type, const BusySignal& busy,
                          const ReadProgress& progress = {}, std::span<const std::string> previous = {});

} // namespace quorrin::browse
