#pragma once

#include "text/text_rules.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace quorrin::browse {

// The order orderBySortKey gives `items`, found from `previous`: the items
// of the last read of the same folder, already in that order. Names found
// again keep their order among themselves, so only the new ones get a key,
// each placed by a binary search; a folder read again after a few files
// changed is ordered without collating every name. Where many names are
// new, or a name is listed twice, every item gets its key as usual. Names
// whose keys are equal keep the order they had before.
std::vector<std::size_t> orderAfter(const text::TextRules& rules, std::span<const std::string> items,
                                    std::span<const std::string> previous);

} // namespace quorrin::browse
