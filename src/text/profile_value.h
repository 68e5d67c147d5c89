#pragma once

#include "text/ini_document.h"

#include <string>
#include <string_view>

namespace quorrin::text {

// What a private-profile read hands back from a document: the key's value
// without one pair of enclosing quotes, or the fallback. Our own store
// answers through this, and the Windows build checks it against the
// system's service.
std::string profileValue(const IniDocument& document, std::string_view section, std::string_view key,
                         std::string_view fallback);

} // namespace quorrin::text
