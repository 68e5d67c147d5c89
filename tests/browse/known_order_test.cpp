#include "browse/known_order.h"

#include "bytes_are_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace quorrin::browse {
namespace {

using test::BytesAreKeys;

// A folder of 2,000 names read before, then again after `gone` of them
// went and `added` came (one of them listed twice when `twice`), found in
// a shuffled order: the order must be the sorted one, and only a read with
// few new names may spare keys.
TEST(OrderAfter, GivesTheSortedOrderAndKeysOnlyNewNamesWhenFewAreNew)
{
    const struct {
        const char* what;
        std::size_t gone;
        std::size_t added;
        bool twice;
        std::size_t mostKeys;
    } cases[] = {
        {"one file came", 0, 1, false, 40},
        {"some went, some came", 50, 30, false, 30 * 40},
        {"many came", 0, 500, false, 2500},
        {"a name listed twice", 0, 1, true, 2002},
    };
    std::mt19937 random(7);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> previous;
        for (int i = 0; i < 2000; ++i)
            previous.push_back("名前" + std::to_string(random()));
        std::sort(previous.begin(), previous.end());
        std::vector<std::string> items(previous.begin() + static_cast<std::ptrdiff_t>(c.gone), previous.end());
        for (std::size_t i = 0; i < c.added; ++i)
            items.push_back("新しい" + std::to_string(random()));
        if (c.twice)
            items.push_back(items.front());
        std::shuffle(items.begin(), items.end(), random);

        const BytesAreKeys rules;
        const std::vector<std::size_t> order = orderAfter(rules, items, previous);
        std::vector<std::size_t> sorted(items.size());
        std::iota(sorted.begin(), sorted.end(), std::size_t{0});
        std::stable_sort(sorted.begin(), sorted.end(), [&](auto a, auto b) { return items[a] < items[b]; });
        std::vector<std::string> got;
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < items.size(); ++i) {
            got.push_back(items[order[i]]);
            expected.push_back(items[sorted[i]]);
        }
        EXPECT_EQ(got, expected);
        EXPECT_LE(rules.keysMade, c.mostKeys);
    }
}

} // namespace
} // namespace quorrin::browse
