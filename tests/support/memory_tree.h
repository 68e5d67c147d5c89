#pragma once

#include "platform/dir_entry.h"
#include "platform/volume.h"
#include "text/text_rules.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::testing {

// One entry of the in-memory file system. Children keep the order they were
// added in, because a Windows directory search does not sort either: code
// that must show names sorted has to sort them itself.
struct MemoryNode {
    platform::DirEntry entry;
    bool enterDenied = false;  // also keeps a search out, as a denied folder does
    bool searchDenied = false; // can be entered, but a search finds nothing
    MemoryNode* parent = nullptr;
    std::vector<std::unique_ptr<MemoryNode>> children;

    // Names match as Windows file names do: single-byte A-Z without regard to case.
    MemoryNode* find(const text::TextRules& rules, std::string_view name) const;
    MemoryNode& add(platform::DirEntry child);
    void remove(const MemoryNode& child);
    // Stored names from below the root down to this entry.
    std::vector<std::string> namesFromRoot() const;
};

// A drive or a network share: a tree and what the system knows about it.
struct MemoryVolume {
    MemoryVolume() { root.entry.attributes = platform::attr::directory; }

    std::string prefix; // "C:" or "\\server\share"
    platform::DriveType type = platform::DriveType::fixed;
    platform::VolumeInformation info{{}, false, true};
    std::optional<std::string> remoteName;
    bool ready = true;
    MemoryNode root;
    // The volume's own current directory, as stored names.
    std::vector<std::string> current;

    bool isDrive() const { return prefix.size() == 2 && prefix[1] == ':'; }
    // Path text of a location on this volume as Windows reports a current
    // directory: "C:\" but "\\server\share" at the root, "C:\Data" below it.
    std::string format(const std::vector<std::string>& names) const;
};

// The entry that names lead to, or the Windows error code of the search for it.
struct WalkResult {
    MemoryNode* node = nullptr;
    int error = 0;
};

// Follows names down from `root`: 2 when only the last name is missing, 3
// when a name before it is missing or is a file.
WalkResult walk(const text::TextRules& rules, MemoryNode& root, const std::vector<std::string>& names);

} // namespace quorrin::testing
