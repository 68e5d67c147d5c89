#include "compose/row_order.h"

#include "browse/sort_key_order.h"
#include "listing/both_code_pages.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorrin::compose {
namespace {

using listing::SortKey;

struct Entry {
    char tag;         // names the entry in the expected orders
    const char* name; // UTF-8
    std::uint64_t size;
    std::int64_t ticks;
};

// One folder with equal sizes, equal times, equal natural keys, two genre
// labels, names without an extension, full-width digits and a time before
// 1601 (negative ticks). Upper-case tags are the "10" of a "2" pair.
const std::vector<Entry> folder{
    {'r', "README", 0, 70},
    {'t', "file10.avi", 100, 20},
    {'d', "第2話 アニメ.mp4", 50, -5},
    {'a', "a.TXT", 5, 30},
    {'w', "ファイル２.jpg", 1, 50},
    {'z', "file02.avi", 7, 20},
    {'h', ".hidden", 3, 15},
    {'D', "第10話 ドラマ.mp4", 50, 40},
    {'b', "b.txt", 5, 10},
    {'W', "ファイル１０.jpg", 1, 60},
    {'2', "file2.avi", 7, 20},
};

class RowOrderTest : public ::testing::TestWithParam<std::shared_ptr<text::TextRules>> {};

TEST_P(RowOrderTest, EveryKeyInBothDirectionsWithTiesInNameOrder)
{
    const text::TextRules& rules = *GetParam();
    const listing::CategoryClassifier classifier(rules);
    // In name order, as a read leaves them.
    std::vector<std::string> names;
    for (const Entry& entry : folder)
        names.push_back(rules.fromUtf8(entry.name));
    std::vector<std::string> items;
    std::vector<browse::EntryFacts> facts;
    std::string tags;
    for (const std::size_t i : browse::orderBySortKey(rules, names)) {
        items.push_back(names[i]);
        facts.push_back({platform::attr::archive, folder[i].size, platform::FileTime{folder[i].ticks}});
        tags += folder[i].tag;
    }

    const struct {
        SortKey key;
        bool descending;
        const char* tags;
    } cases[] = {
        {SortKey::name, false, "habzt2rWwDd"},
        {SortKey::name, true, "dDwWr2tzbah"},
        // file02 and file2 are equal by value: the name order decides.
        {SortKey::natural, false, "habz2trwWdD"},
        {SortKey::natural, true, "DdWwrtz2bah"},
        {SortKey::size, false, "rWwhabz2Ddt"},
        {SortKey::size, true, "tDdz2abhWwr"},
        {SortKey::date, false, "dbhzt2aDwWr"},
        {SortKey::date, true, "rWwDazt2hbd"},
        // Unlabelled files stay last either way.
        {SortKey::genre, false, "dDhabzt2rWw"},
        {SortKey::genre, true, "Ddhabzt2rWw"},
        // No extension first ascending; TXT and txt are one extension.
        {SortKey::ext, false, "hrzt2WwDdab"},
        {SortKey::ext, true, "abDdWwzt2hr"},
    };
    for (const auto& c : cases) {
        std::string ordered;
        for (const std::size_t i : rowOrder(RowSort{c.key, c.descending, rules, classifier}, items, facts))
            ordered += tags[i];
        EXPECT_EQ(ordered, c.tags) << listing::sortKeyWord(c.key) << (c.descending ? " descending" : "");
    }
}

INSTANTIATE_TEST_SUITE_P(CodePages, RowOrderTest, listing::bothCodePages(), listing::codePageName);

TEST(ExtensionOf, IsWhatFollowsTheLastDotUnlessTheDotStartsTheName)
{
    const struct {
        const char* name;
        const char* extension;
    } cases[] = {{"a.tar.gz", "gz"}, {"README", ""}, {".profile", ""}, {"a.", ""}, {"..x", "x"}};
    for (const auto& c : cases)
        EXPECT_EQ(extensionOf(c.name), c.extension) << c.name;
}

} // namespace
} // namespace quorrin::compose
