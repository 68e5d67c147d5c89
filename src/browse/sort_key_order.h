#pragma once

#include "text/text_rules.h"

#include <cstddef>
#include <functional>
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

// Appends the key of item `index` to `keys`.
using AppendKey = std::function<void(std::string& keys, std::size_t index)>;

// The same for `count` items whose keys `appendKey` builds, by plain byte
// order, descending when asked; items with equal keys keep their present
// order in both directions. All keys share one buffer, reserved at
// `expectedKeyBytes` so that a million keys are not copied while it grows.
std::vector<std::size_t> orderByKeys(std::size_t count, const AppendKey& appendKey, bool descending = false,
                                     std::size_t expectedKeyBytes = 0);

} // namespace quorrin::browse
