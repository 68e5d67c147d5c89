#pragma once

#include "platform/write_outcome.h"
#include "text/text_rules.h"

#include <string>
#include <string_view>

namespace quorrin::platform::win32 {

// Makes `bytes` the whole content of the file at `path`. A new file in the
// same folder replaces the old one in one move, keeping its hidden, system
// and archive attributes, so a failure leaves the old file as it was and
// nothing beside it. A file with a second hard link, a symbolic link in the
// file's place, or a folder that refuses a new file is written in place
// instead: the free space is checked first, and the old bytes that the
// write covers are written back when it fails part way; only when that too
// fails is the outcome `leftIncomplete`. A file that cannot be opened for
// writing (read-only, denied, a folder) is refused; a character device
// (NUL, a printer port) takes the bytes in place; a pipe is refused.
WriteOutcome writeWholeFile(const text::TextRules& rules, const std::string& path, std::string_view bytes);

} // namespace quorrin::platform::win32
