#pragma once

#include "browse/file_list_read.h"
#include "listing/category_classifier.h"
#include "listing/output_options.h"
#include "text/text_rules.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quorrin::compose {

// What orders one folder's rows besides its entries.
struct RowSort {
    listing::SortKey key = listing::SortKey::name;
    bool descending = false;
    const text::TextRules& rules;
    const listing::CategoryClassifier& classifier;
};

// The order of a folder's rows: element i is the index of the entry whose
// row stands at place i. The entries come in name order, as a read leaves
// them, and rows with equal keys keep it in both directions, so the order
// is the same on every run.
std::vector<std::size_t> rowOrder(const RowSort& sort, const std::vector<std::string>& items,
                                  const std::vector<browse::EntryFacts>& facts);

// The extension the "ext" order goes by: what follows the name's last dot,
// unless that dot starts the name; empty without one.
std::string_view extensionOf(std::string_view name);

} // namespace quorrin::compose
