#pragma once

#include "browse/folder_tree_read.h"
#include "listing/row_composer.h"

#include <string>
#include <vector>

namespace quorrin::ui {

// Appends the lines of every folder of the tree, in its order, composed as
// `context` composes the listed folder's but with each folder's own path in
// the path column and its own entries.
void appendTreeLines(std::vector<std::string>& lines, const listing::ListingContext& context,
                     const browse::FolderTree& tree);

} // namespace quorrin::ui
