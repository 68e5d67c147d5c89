#pragma once

#include "platform/file_system.h"
#include "text/text_rules.h"

#include <string>

namespace quorrin::browse {

// A relative text typed while the listed directory `listed` has been
// removed: the system can no longer resolve it from there, so it is taken
// from the path the lists entered instead, as an absolute path. Steps that
// only go up ("..", "../..") land on the nearest of those ancestors that
// still exists (or on the root, whose move then reports the failure). Any
// other text, or any text while `listed` exists, comes back unchanged.
std::string fromVanishedDirectory(const platform::FileSystem& fs, const text::TextRules& rules,
                                  const std::string& listed, const std::string& text);

} // namespace quorrin::browse
