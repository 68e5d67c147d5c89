#pragma once

#include <string>
#include <vector>

namespace quorrin::persist {

// The text form of a list as it is saved and copied: every item followed by
// CR LF, the last one too; bytes unchanged, no header, no byte-order mark.
std::string listText(const std::vector<std::string>& items);

} // namespace quorrin::persist
