#include "compose/listing_composer.h"

#include "compose/listed_facts.h"
#include "compose/row_order.h"
#include "listing/row_composer.h"

#include <iterator>

namespace quorrin::compose {

namespace {

std::vector<std::string> folderLines(const ListingFormat& format, std::string_view dir,
                                     const std::vector<std::string>& items,
                                     const std::vector<browse::EntryFacts>& facts, bool header)
{
    const RowSort sort{format.output.sort, format.output.descending, format.rules, format.classifier};
    const std::vector<std::size_t> order = rowOrder(sort, items, facts);
    const ListedFacts source(items, facts, order);
    const listing::ListingContext context{format.settings, dir,          format.typedSeparator, source,
                                          format.locale,   format.rules, format.classifier,     format.output.dates,
                                          header};
    return listing::ListDataSet(context, items, order);
}

} // namespace

std::vector<std::string> composeListing(const ListingFormat& format, std::string_view dir,
                                        const std::vector<std::string>& items,
                                        const std::vector<browse::EntryFacts>& facts, const browse::FolderTree& tree)
{
    std::vector<std::string> lines = folderLines(format, dir, items, facts, format.output.header);
    appendLines(lines, composeFoldersBelow(format, tree));
    return lines;
}

std::vector<std::string> composeFoldersBelow(const ListingFormat& format, const browse::FolderTree& tree,
                                             std::stop_token stop)
{
    std::vector<std::string> lines;
    lines.reserve(tree.entryCount);
    for (const browse::ListedFolder& folder : tree.folders) {
        if (stop.stop_requested())
            break;
        appendLines(lines, folderLines(format, folder.path, folder.entries.items, folder.entries.facts, false));
    }
    return lines;
}

void appendLines(std::vector<std::string>& listing, std::vector<std::string>&& lines)
{
    if (listing.empty() && listing.capacity() < lines.size()) {
        listing = std::move(lines);
        return;
    }
    listing.insert(listing.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
}

} // namespace quorrin::compose
