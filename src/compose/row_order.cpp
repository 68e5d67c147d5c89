#include "compose/row_order.h"

#include "browse/sort_key_order.h"
#include "compose/natural_key.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace quorrin::compose {

namespace {

void appendBigEndian(std::string& keys, std::uint64_t value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        keys += static_cast<char>((value >> shift) & 0xFF);
}

// The size as the size column shows it: none for a folder or a volume label.
std::uint64_t shownSize(const browse::EntryFacts& facts)
{
    return (facts.attributes & (platform::attr::directory | platform::attr::volumeId)) != 0 ? 0 : facts.size;
}

// Signed ticks in the order of their unsigned form.
std::uint64_t orderedTicks(platform::FileTime time)
{
    return static_cast<std::uint64_t>(time.ticks) ^ (std::uint64_t{1} << 63);
}

// Few distinct texts (labels, extensions) among many rows: each text's
// place among the others in the collation, case ignored, is found once and
// the rows are keyed by it. Texts the collation finds equal share a rank.
class TextRanks {
public:
    TextRanks(const text::TextRules& rules, const std::vector<std::string_view>& texts)
    {
        std::vector<std::pair<std::string, std::string_view>> keyed;
        for (const std::string_view text : texts)
            if (ranks_.try_emplace(text, 0).second)
                keyed.emplace_back(collationPart(rules.sortKey(text)), text);
        std::sort(keyed.begin(), keyed.end());
        std::uint32_t rank = 0;
        for (std::size_t i = 0; i < keyed.size(); ++i) {
            if (i > 0 && keyed[i].first != keyed[i - 1].first)
                ++rank;
            ranks_[keyed[i].second] = rank;
        }
    }
    std::uint32_t operator[](std::string_view text) const { return ranks_.at(text); }

private:
    std::unordered_map<std::string_view, std::uint32_t> ranks_;
};

std::vector<std::size_t> byExtension(const RowSort& sort, const std::vector<std::string>& items)
{
    std::vector<std::string_view> extensions(items.size());
    std::transform(items.begin(), items.end(), extensions.begin(),
                   [](const std::string& item) { return extensionOf(item); });
    const TextRanks ranks(sort.rules, extensions);
    return browse::orderByKeys(
        items.size(), [&](std::string& keys, std::size_t i) { appendBigEndian(keys, ranks[extensions[i]], 4); },
        sort.descending, 4 * items.size());
}

// Unlabelled rows last in both directions: their flag is the larger one
// ascending, the smaller one descending.
std::vector<std::size_t> byGenre(const RowSort& sort, const std::vector<std::string>& items)
{
    std::vector<std::string> labels(items.size());
    std::transform(items.begin(), items.end(), labels.begin(),
                   [&](const std::string& item) { return sort.classifier.StrFind(item); });
    const TextRanks ranks(sort.rules, std::vector<std::string_view>(labels.begin(), labels.end()));
    return browse::orderByKeys(
        items.size(),
        [&](std::string& keys, std::size_t i) {
            const bool unlabelled = labels[i].empty();
            keys += unlabelled != sort.descending ? '\x01' : '\x00';
            appendBigEndian(keys, ranks[labels[i]], 4);
        },
        sort.descending, 5 * items.size());
}

std::vector<std::size_t> byNaturalName(const RowSort& sort, const std::vector<std::string>& items)
{
    const NaturalKey natural(sort.rules);
    std::size_t itemBytes = 0;
    for (const std::string& item : items)
        itemBytes += item.size();
    return browse::orderByKeys(
        items.size(), [&](std::string& keys, std::size_t i) { natural.append(keys, items[i]); }, sort.descending,
        2 * itemBytes + 4 * items.size());
}

template <typename Value>
std::vector<std::size_t> byNumber(const RowSort& sort, const std::vector<browse::EntryFacts>& facts, const Value& value)
{
    return browse::orderByKeys(
        facts.size(), [&](std::string& keys, std::size_t i) { appendBigEndian(keys, value(facts[i]), 8); },
        sort.descending, 8 * facts.size());
}

} // namespace

std::string_view extensionOf(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? std::string_view{} : name.substr(dot + 1);
}

std::vector<std::size_t> rowOrder(const RowSort& sort, const std::vector<std::string>& items,
                                  const std::vector<browse::EntryFacts>& facts)
{
    switch (sort.key) {
    case listing::SortKey::natural: return byNaturalName(sort, items);
    case listing::SortKey::size: return byNumber(sort, facts, shownSize);
    case listing::SortKey::date:
        return byNumber(sort, facts, [](const browse::EntryFacts& f) { return orderedTicks(f.lastWrite); });
    case listing::SortKey::genre: return byGenre(sort, items);
    case listing::SortKey::ext: return byExtension(sort, items);
    case listing::SortKey::name: break;
    }
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (sort.descending)
        std::reverse(order.begin(), order.end());
    return order;
}

} // namespace quorrin::compose
