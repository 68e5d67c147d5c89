#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorrin::persist {

// The text form of a list as it is saved and copied: every item followed by
// the line end (CR LF unless the user chose another), the last one too;
// bytes unchanged, no byte-order mark.
std::string listText(const std::vector<std::string>& items, std::string_view lineEnd = "\r\n");
// The same appended to `out`, which may already hold a byte-order mark.
void appendListText(std::string& out, const std::vector<std::string>& items, std::string_view lineEnd);

} // namespace quorrin::persist
