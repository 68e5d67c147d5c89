#include "compose/listing_composer.h"

#include "support/fixed_locale.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

namespace quorrin::compose {
namespace {

browse::ListedEntries entries(const std::vector<std::pair<std::string, std::uint64_t>>& sizes)
{
    browse::ListedEntries listed;
    for (const auto& [name, size] : sizes) {
        listed.items.push_back(name);
        listed.facts.push_back({platform::attr::archive, size, {}});
    }
    return listed;
}

// Each folder's rows follow the order with their own sizes; the folders
// keep the tree's order and the header stays on top.
TEST(ComposeListing, SortsEachFolderOnItsOwnUnderOneHeader)
{
    const text::Utf8TextRules rules;
    const testing::FixedLocale locale;
    const listing::CategoryClassifier classifier(rules);
    listing::ListSettings settings;
    settings.ListCol1 = listing::ckPath;
    settings.ListCol2 = listing::ckFileName;
    settings.ListCol3 = listing::ckSize;
    settings.TabNo = 3; // a comma
    listing::OutputOptions output;
    output.header = true;
    output.sort = listing::SortKey::size;
    output.descending = true;
    const ListingFormat format{settings, "", locale, rules, classifier, output};

    const browse::ListedEntries top = entries({{"a", 1}, {"b", 3}, {"c", 2}});
    browse::FolderTree tree;
    tree.folders.push_back({"/t/z", entries({{"x", 5}, {"y", 9}})});
    tree.folders.push_back({"/t/a", entries({{"m", 0}, {"n", 0}, {"o", 4}})});
    EXPECT_EQ(composeListing(format, "/t", top.items, top.facts, tree),
              (std::vector<std::string>{"パス,ファイル名,サイズ", "/t,b,3", "/t,c,2", "/t,a,1", "/t/z,y,9", "/t/z,x,5",
                                        "/t/a,o,4", "/t/a,m,0", "/t/a,n,0"}));

    output.sort = listing::SortKey::name;
    output.header = false;
    EXPECT_EQ(composeListing(format, "/t", top.items, top.facts, {}),
              (std::vector<std::string>{"/t,c,2", "/t,b,3", "/t,a,1"}));
}

} // namespace
} // namespace quorrin::compose
