#pragma once

#include "platform/text_rules.h"
#include "platform/write_outcome.h"

#include <string>
#include <string_view>

namespace quorrin::platform::win32 {

// Makes `bytes` the whole content of the file at `path`: they go to a new
// file in the same folder, which then replaces the old one in one move, so
// a failure leaves the old file as it was and nothing beside it. A file
// that cannot be opened for writing (read-only, denied, a folder) is
// refused; a character device (NUL, a printer port) takes the bytes in
// place; a pipe is refused.
WriteOutcome replaceFileAtomically(const TextRules& rules, const std::string& path, std::string_view bytes);

} // namespace quorrin::platform::win32
