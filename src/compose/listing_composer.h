#pragma once

#include "browse/file_list_read.h"
#include "browse/folder_tree_read.h"
#include "listing/category_classifier.h"
#include "listing/list_settings.h"
#include "listing/output_options.h"
#include "platform/date_time_settings.h"
#include "text/text_rules.h"

#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::compose {

// What every folder's rows of one listing share.
struct ListingFormat {
    const listing::ListSettings& settings;
    std::string_view typedSeparator; // the separator selector's text, used when TabNo is no fixed choice
    const platform::LocaleSettings& locale;
    const text::TextRules& rules;
    const listing::CategoryClassifier& classifier;
    const listing::OutputOptions& output; // the date style, the header row and the order
};

// The listing of the listed folder `dir` (its entries in name order, as a
// read leaves them) and then of every folder of `tree`, in the tree's
// order, each with its own path in the path column and its rows in the
// output's order. The header row, if any, stands once at the top.
std::vector<std::string> composeListing(const ListingFormat& format, std::string_view dir,
                                        const std::vector<std::string>& items,
                                        const std::vector<browse::EntryFacts>& facts, const browse::FolderTree& tree);

// The lines of the tree's folders alone, as composeListing puts them after
// the listed folder's: a walk composes them beside the listing it joins.
// A stop asked for ends it between two folders, with the lines cut short.
std::vector<std::string> composeFoldersBelow(const ListingFormat& format, const browse::FolderTree& tree,
                                             std::stop_token stop = {});

// Moves `lines` to the end of `listing`.
void appendLines(std::vector<std::string>& listing, std::vector<std::string>&& lines);

} // namespace quorrin::compose
