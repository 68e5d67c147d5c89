#pragma once

#include "text/text_rules.h"

#include <string_view>

namespace quorrin::text {

// The search-pattern language of masks: "*" any run of characters, "?" one
// character, letters without regard to case. A trailing ".*" also matches a
// name without any dot, so "*.*" lists every name as users expect.
bool matchesPattern(const TextRules& rules, std::string_view name, std::string_view pattern);

// A pattern holding "*" or "?" selects by shape rather than naming one entry.
bool hasWildcard(std::string_view pattern);

} // namespace quorrin::text
