#pragma once

#include "browse/subdirectories.h"
#include "platform/file_system.h"
#include "text/text_rules.h"

#include <string>
#include <vector>

namespace quorrin::browse {

enum class DirectoryRowKind {
    ancestor,     // the root and every directory on the way down
    current,      // the directory itself
    subdirectory, // one of its subdirectories
};

// One row of the directory tree. The view indents a row by its depth (4
// pixels a level) and picks its glyph by kind.
struct DirectoryRow {
    std::string text;
    DirectoryRowKind kind = DirectoryRowKind::ancestor;
    int depth = 0;

    friend bool operator==(const DirectoryRow&, const DirectoryRow&) = default;
};

// The rows for one directory and the position of the row that stands for it
// (the share's root row at the root of a network share, which has no
// current row of its own).
struct DirectoryTree {
    std::vector<DirectoryRow> rows;
    int currentPosition = -1;
};

// The root row's text for a directory: "C:\", "\\server\share\" or "/".
std::string treeRoot(const text::TextRules& rules, platform::PathSyntax syntax, const std::string& dir);

// Root, ancestors and current row for `dir`, which need no look at the disk.
DirectoryTree directoryPathRows(const text::TextRules& rules, platform::PathSyntax syntax, const std::string& dir);

// The subdirectory rows after the current row; none for a directory that
// could not be read (`subdirectories` empty), which is no error.
void appendSubdirectoryRows(DirectoryTree& tree, std::optional<std::vector<Subdirectory>> subdirectories);

// Root, ancestors and current row for `dir`, then its subdirectories: hidden,
// system and volume-label entries are passed over, the rest sorted without
// regard to case. On a volume that folds case a name that differs from an
// earlier one only in case is dropped (it opens the same folder); elsewhere
// both are folders of their own. A directory that cannot be searched simply
// has none.
DirectoryTree buildDirectoryTree(const platform::FileSystem& fs, const text::TextRules& rules, const std::string& dir,
                                 bool foldCase);

// The full path a row of `tree` stands for; empty for an index past the rows.
std::string directoryRowPath(const text::TextRules& rules, platform::PathSyntax syntax, const std::string& dir,
                             const std::vector<DirectoryRow>& rows, int index);

} // namespace quorrin::browse
