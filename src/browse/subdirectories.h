#pragma once

#include "platform/file_system.h"
#include "text/text_rules.h"

#include <optional>
#include <string>
#include <vector>

namespace quorrin::browse {

struct Subdirectory {
    std::string name;
    bool isLink = false; // a symbolic link to a directory
};

// The subdirectories of `dir` as the directory list shows them, in its
// order: sorted in the locale's order without regard to case. Where the
// volume folds case (`foldCase`), of two names that differ only in case the
// first one read; elsewhere both are folders of their own. Nothing when
// `dir` cannot be read.
std::optional<std::vector<Subdirectory>>
readSubdirectories(const platform::FileSystem& fs, const text::TextRules& rules, const std::string& dir, bool foldCase);

// The subdirectories of `dir` a walk goes down into, in the same order:
// those above less the links. A volume that folds case cannot hold two
// names that differ only in case, so none is dropped. Nothing when `dir`
// cannot be read.
std::optional<std::vector<std::string>> readSubdirectoriesToWalk(const platform::FileSystem& fs,
                                                                 const text::TextRules& rules, const std::string& dir);

} // namespace quorrin::browse
