#pragma once

#include "platform/file_system.h"
#include "text/text_rules.h"

#include <string>
#include <string_view>

namespace quorrin::browse {

// A typed text taken apart: the drive letter it lands on (0 for a network
// path, and always 0 where paths have no drives), the directory part and the
// file part (empty when the text named a directory).
struct SplitPath {
    char drive = 0;
    std::string dir;
    std::string file;
};

// Splits a typed text the way the file list and the directory list read it.
// It walks the directories the text names, so a part that cannot be entered
// fails with DirectoryChangeError; either way the process's current
// directory is put back to where it was.
SplitPath SplitPathText(platform::FileSystem& fs, const text::TextRules& rules, std::string_view text);

} // namespace quorrin::browse
