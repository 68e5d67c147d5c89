#include "browse/sort_key_order.h"

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

// What the order must be: a stable sort by plain byte order of the keys,
// equal keys in their present order in either direction.
std::vector<std::size_t> expectedOrder(const std::vector<std::string>& keys, bool descending = false)
{
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return descending ? keys[a] > keys[b] : keys[a] < keys[b]; });
    return order;
}

TEST(OrderBySortKey, MatchesAStableByteSortOnManyRandomKeys)
{
    const BytesAreKeys rules;
    std::mt19937 random(20240601);
    // Few distinct bytes and lengths across several 8-byte chunks, so that
    // prefixes, duplicates, zero bytes and late decisions are common.
    const std::string alphabet{'\0', 'a', 'b', '\x7f', '\x80', '\xff'};
    std::uniform_int_distribution<std::size_t> length(0, 26);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::vector<std::string> keys(5000);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::string& key = keys[i];
        key.resize(length(random));
        for (char& c : key)
            c = alphabet[pick(random)];
        if (i % 2 == 0)
            key.insert(0, std::string(40, 'x'));
    }
    EXPECT_EQ(orderBySortKey(rules, keys), expectedOrder(keys));
    EXPECT_EQ(orderBySortKey(rules, std::vector<std::string>{}), std::vector<std::size_t>{});
    for (const bool descending : {false, true}) {
        const auto appendKey = [&](std::string& out, std::size_t i) { out += keys[i]; };
        EXPECT_EQ(orderByKeys(keys.size(), appendKey, descending), expectedOrder(keys, descending)) << descending;
    }
}

} // namespace
} // namespace quorrin::browse
