#pragma once

#include "text/text_rules.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace quorrin::browse {

// The order of `items` by their sort keys (the plain byte order of
// rules.sortKey), items with equal keys in their present order: element i
// of the result is the index of the item that belongs at place i. Each key
// is built once, and the sort looks at them eight bytes at a time, so that
// a million names do not cost a million scattered reads per pass.
std::vector<std::size_t> orderBySortKey(const text::TextRules& rules, std::span<const std::string> items);

} // namespace quorrin::browse
