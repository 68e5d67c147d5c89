#include "compose/row_order.h"

#include "browse/sort_key_order.h"
#include "listing/both_code_pages.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorrin::compose {
namespace {

using listing::SortKey;

struct Entry {
    const char* name; // UTF-8
    std::uint64_t size;
    std::int64_t ticks;
};

// One folder with equal sizes, equal times, equal natural keys, two genre
// labels, names without an extension, full-width digits and a time before
// 1601 (negative ticks).
const std::vector<Entry> folder{
    {"README", 0, 70},         {"file10.avi", 100, 20},     {"第2話 アニメ.mp4", 50, -5}, {"a.TXT", 5, 30},
    {"ファイル２.jpg", 1, 50}, {"file02.avi", 7, 20},       {".hidden", 3, 15},           {"第10話 ドラマ.mp4", 50, 40},
    {"b.txt", 5, 10},          {"ファイル１０.jpg", 1, 60}, {"file2.avi", 7, 20},
};

class RowOrderTest : public ::testing::TestWithParam<std::shared_ptr<text::TextRules>> {
protected:
    RowOrderTest() : rules(*GetParam()), classifier(rules)
    {
        // In name order, as a read leaves them.
        std::vector<std::string> names;
        for (const Entry& entry : folder)
            names.push_back(rules.fromUtf8(entry.name));
        for (const std::size_t i : browse::orderBySortKey(rules, names)) {
            items.push_back(names[i]);
            facts.push_back({platform::attr::archive, folder[i].size, platform::FileTime{folder[i].ticks}});
        }
    }

    std::vector<std::string> ordered(SortKey key, bool descending) const
    {
        std::vector<std::string> names;
        for (const std::size_t i : rowOrder(RowSort{key, descending, rules, classifier}, items, facts))
            names.push_back(items[i]);
        return names;
    }

    std::vector<std::string> expected(const std::vector<const char*>& utf8) const
    {
        std::vector<std::string> names;
        for (const char* name : utf8)
            names.push_back(rules.fromUtf8(name));
        return names;
    }

    const text::TextRules& rules;
    const listing::CategoryClassifier classifier;
    std::vector<std::string> items;
    std::vector<browse::EntryFacts> facts;
};

TEST_P(RowOrderTest, EveryKeyInBothDirectionsWithTiesInNameOrder)
{
    const struct {
        SortKey key;
        bool descending;
        std::vector<const char*> names;
    } cases[] = {
        {SortKey::name,
         false,
         {".hidden", "a.TXT", "b.txt", "file02.avi", "file10.avi", "file2.avi", "README", "ファイル１０.jpg",
          "ファイル２.jpg", "第10話 ドラマ.mp4", "第2話 アニメ.mp4"}},
        {SortKey::name,
         true,
         {"第2話 アニメ.mp4", "第10話 ドラマ.mp4", "ファイル２.jpg", "ファイル１０.jpg", "README", "file2.avi",
          "file10.avi", "file02.avi", "b.txt", "a.TXT", ".hidden"}},
        // file02 and file2 are equal by value: the name order decides.
        {SortKey::natural,
         false,
         {".hidden", "a.TXT", "b.txt", "file02.avi", "file2.avi", "file10.avi", "README", "ファイル２.jpg",
          "ファイル１０.jpg", "第2話 アニメ.mp4", "第10話 ドラマ.mp4"}},
        {SortKey::natural,
         true,
         {"第10話 ドラマ.mp4", "第2話 アニメ.mp4", "ファイル１０.jpg", "ファイル２.jpg", "README", "file10.avi",
          "file02.avi", "file2.avi", "b.txt", "a.TXT", ".hidden"}},
        {SortKey::size,
         false,
         {"README", "ファイル１０.jpg", "ファイル２.jpg", ".hidden", "a.TXT", "b.txt", "file02.avi", "file2.avi",
          "第10話 ドラマ.mp4", "第2話 アニメ.mp4", "file10.avi"}},
        {SortKey::size,
         true,
         {"file10.avi", "第10話 ドラマ.mp4", "第2話 アニメ.mp4", "file02.avi", "file2.avi", "a.TXT", "b.txt", ".hidden",
          "ファイル１０.jpg", "ファイル２.jpg", "README"}},
        {SortKey::date,
         false,
         {"第2話 アニメ.mp4", "b.txt", ".hidden", "file02.avi", "file10.avi", "file2.avi", "a.TXT", "第10話 ドラマ.mp4",
          "ファイル２.jpg", "ファイル１０.jpg", "README"}},
        {SortKey::date,
         true,
         {"README", "ファイル１０.jpg", "ファイル２.jpg", "第10話 ドラマ.mp4", "a.TXT", "file02.avi", "file10.avi",
          "file2.avi", ".hidden", "b.txt", "第2話 アニメ.mp4"}},
        // Unlabelled files stay last either way.
        {SortKey::genre,
         false,
         {"第2話 アニメ.mp4", "第10話 ドラマ.mp4", ".hidden", "a.TXT", "b.txt", "file02.avi", "file10.avi", "file2.avi",
          "README", "ファイル１０.jpg", "ファイル２.jpg"}},
        {SortKey::genre,
         true,
         {"第10話 ドラマ.mp4", "第2話 アニメ.mp4", ".hidden", "a.TXT", "b.txt", "file02.avi", "file10.avi", "file2.avi",
          "README", "ファイル１０.jpg", "ファイル２.jpg"}},
        // No extension first ascending; TXT and txt are one extension.
        {SortKey::ext,
         false,
         {".hidden", "README", "file02.avi", "file10.avi", "file2.avi", "ファイル１０.jpg", "ファイル２.jpg",
          "第10話 ドラマ.mp4", "第2話 アニメ.mp4", "a.TXT", "b.txt"}},
        {SortKey::ext,
         true,
         {"a.TXT", "b.txt", "第10話 ドラマ.mp4", "第2話 アニメ.mp4", "ファイル１０.jpg", "ファイル２.jpg", "file02.avi",
          "file10.avi", "file2.avi", ".hidden", "README"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ordered(c.key, c.descending), expected(c.names))
            << listing::sortKeyWord(c.key) << (c.descending ? " descending" : "");
}

TEST_P(RowOrderTest, AnEmptyFolderHasNoRows)
{
    items.clear();
    facts.clear();
    for (const SortKey key :
         {SortKey::name, SortKey::natural, SortKey::size, SortKey::date, SortKey::genre, SortKey::ext})
        EXPECT_TRUE(ordered(key, true).empty());
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
