#pragma once

#include "text/text_rules.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorrin::testing::windows_path {

// Windows takes "/" for "\" in every path.
inline constexpr std::string_view separators = "\\/";

// What a path is relative to, read from how it begins.
struct PathStart {
    enum class Kind {
        relative,      // "Sub\x": the current directory
        rootOfCurrent, // "\x": the root of the current drive or share
        driveRelative, // "D:" or "D:x": drive D's own current directory
        driveAbsolute, // "D:\x"
        unc,           // "\\server\share\x"
        malformed,     // "\\server" without a share, "1:x", ...
    };
    Kind kind = Kind::relative;
    char drive = 0;    // upper-case letter for the two drive kinds
    std::string share; // "\\server\share" as written, for unc
    std::string_view rest;
};

PathStart parseStart(const text::TextRules& rules, std::string_view path);

// The names between separators; empty ones (doubled or trailing "\") are
// dropped as Windows does.
std::vector<std::string> splitNames(const text::TextRules& rules, std::string_view path);

// Appends names to an absolute list of names: "." stays, ".." goes up one
// level but never above the root. Purely textual, as Windows resolves a
// path before it looks at the disk.
void appendNames(std::vector<std::string>& base, const std::vector<std::string>& names);

// A name holds none of the characters Windows refuses in file names.
bool isValidName(const text::TextRules& rules, std::string_view name);

} // namespace quorrin::testing::windows_path
