#pragma once

#include "text/text_rules.h"

#include <functional>
#include <string>

namespace quorrin::platform::posix {

// Looks up an environment variable; null when it is not set.
using Environment = std::function<const char*(const char* name)>;

// The settings file beside the executable, where its folder can be written
// (a copy unpacked into a folder of the user's own); otherwise, as for an
// installed copy, quorrin/quorrin.ini in the user's configuration folder:
// $XDG_CONFIG_HOME when it holds an absolute path, else $HOME/.config. With
// neither known the file stays beside the executable, and a write pass then
// reports that it cannot write there.
std::string chooseSettingsPath(const text::TextRules& rules, const std::string& besideExecutable,
                               const std::function<bool(const std::string& folder)>& folderWritable,
                               const Environment& environment);

} // namespace quorrin::platform::posix
