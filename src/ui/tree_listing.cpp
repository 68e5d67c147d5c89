#include "ui/tree_listing.h"

#include "ui/file_list_facts.h"

#include <iterator>

namespace quorrin::ui {

void appendTreeLines(std::vector<std::string>& lines, const listing::ListingContext& context,
                     const browse::FolderTree& tree)
{
    for (const browse::ListedFolder& folder : tree.folders) {
        const FolderFacts facts(folder.entries);
        // The folders below follow the listed folder's date style; the
        // header row, if any, stands once at the top.
        const listing::ListingContext below{
            context.settings, folder.path,        context.typedSeparator, facts, context.locale,
            context.rules,    context.classifier, context.dates,          false};
        auto folderLines = listing::ListDataSet(below, folder.entries.items);
        lines.insert(lines.end(), std::make_move_iterator(folderLines.begin()),
                     std::make_move_iterator(folderLines.end()));
    }
}

} // namespace quorrin::ui
