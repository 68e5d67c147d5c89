#pragma once

#include "platform/errors.h"
#include "platform/native.h"
#include "platform/write_outcome.h"
#include "text/text_rules.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::persist {

// Puts bytes into a file as its whole new content; the platform's own writer
// unless a caller needs another.
using WholeFileWriter = std::function<platform::WriteOutcome(const std::string& path, std::string_view bytes)>;

// Saves the listing as its text form (every line ended by CR LF) into the
// file `path`, replacing it as a whole: a save that fails leaves the file as
// it was wherever the system allows. Throws Error, in the rules' code page:
// - "ファイル <path> を作成できません" when the file cannot be made;
// - "ストリームへの書き込みエラー" when it cannot take all the bytes;
// - that message and a warning naming the file when its old content could
//   not be put back either.
void saveListing(const text::TextRules& rules, const std::string& path, const std::vector<std::string>& lines,
                 const WholeFileWriter& write = platform::writeWholeFile);

// The same for a listing already encoded into the bytes of the file.
void saveListingBytes(const text::TextRules& rules, const std::string& path, std::string_view bytes,
                      const WholeFileWriter& write = platform::writeWholeFile);

} // namespace quorrin::persist
