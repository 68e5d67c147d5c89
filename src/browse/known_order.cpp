#include "browse/known_order.h"

#include "browse/sort_key_order.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace quorrin::browse {

namespace {

// Past one new name in so many, keying them all costs no more.
constexpr std::size_t newNamesPerKeyedAll = 16;

} // namespace

std::vector<std::size_t> orderAfter(const text::TextRules& rules, std::span<const std::string> items,
                                    std::span<const std::string> previous)
{
    std::unordered_map<std::string_view, std::size_t> placeBefore;
    placeBefore.reserve(previous.size());
    for (std::size_t i = 0; i < previous.size(); ++i) {
        if (!placeBefore.emplace(previous[i], i).second)
            return orderBySortKey(rules, items);
    }
    std::vector<std::pair<std::size_t, std::size_t>> known; // place before, item
    std::vector<std::size_t> fresh;
    std::vector<char> taken(previous.size(), 0);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto it = placeBefore.find(items[i]);
        if (it == placeBefore.end()) {
            fresh.push_back(i);
        } else if (taken[it->second]++ != 0) {
            return orderBySortKey(rules, items);
        } else {
            known.emplace_back(it->second, i);
        }
    }
    if (fresh.size() * newNamesPerKeyedAll > items.size())
        return orderBySortKey(rules, items);
    std::sort(known.begin(), known.end());

    // Each new name goes after the known ones whose keys do not sort after
    // its own; the keys of the known names a search looks at are kept.
    std::unordered_map<std::size_t, std::string> knownKeys;
    auto keyOfKnown = [&](std::size_t at) -> const std::string& {
        const std::size_t item = known[at].second;
        auto it = knownKeys.find(item);
        if (it == knownKeys.end())
            it = knownKeys.emplace(item, rules.sortKey(items[item])).first;
        return it->second;
    };
    struct Placed {
        std::size_t gap; // the known names before it
        std::string key;
        std::size_t item;
    };
    std::vector<Placed> placed;
    placed.reserve(fresh.size());
    for (const std::size_t item : fresh) {
        std::string key = rules.sortKey(items[item]);
        std::size_t low = 0;
        std::size_t high = known.size();
        while (low < high) {
            const std::size_t mid = low + (high - low) / 2;
            if (key < keyOfKnown(mid))
                high = mid;
            else
                low = mid + 1;
        }
        placed.push_back(Placed{low, std::move(key), item});
    }
    // New names that land in the same gap are ordered by their keys.
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed& a, const Placed& b) { return a.gap != b.gap ? a.gap < b.gap : a.key < b.key; });

    std::vector<std::size_t> order;
    order.reserve(items.size());
    auto next = placed.begin();
    for (std::size_t at = 0; at <= known.size(); ++at) {
        for (; next != placed.end() && next->gap == at; ++next)
            order.push_back(next->item);
        if (at < known.size())
            order.push_back(known[at].second);
    }
    return order;
}

} // namespace quorrin::browse
