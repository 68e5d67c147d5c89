#include "browse/sort_key_order.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace quorrin::browse {

namespace {

// A key in the shared buffer, with the eight bytes that the current pass
// compares copied beside it.
// A name's key is at most a few kilobytes, and a folder holds fewer than
// four billion names: 32 bits each keep a million of these small.
struct KeyRef {
    std::uint64_t chunk = 0;
    std::size_t start = 0;
    std::uint32_t length = 0;
    std::uint32_t index = 0;
};

constexpr std::size_t chunkBytes = sizeof(std::uint64_t);

// Bytes [depth * 8, depth * 8 + 8) of the key, big-endian so that numbers
// compare as the bytes do; past its end a key reads as zero bytes.
std::uint64_t chunkAt(std::string_view keys, const KeyRef& key, std::size_t depth)
{
    std::uint64_t chunk = 0;
    const std::size_t from = depth * chunkBytes;
    for (std::size_t i = 0; i < chunkBytes; ++i) {
        chunk <<= 8;
        if (from + i < key.length)
            chunk |= static_cast<unsigned char>(keys[key.start + from + i]);
    }
    return chunk;
}

bool endsWithin(const KeyRef& key, std::size_t depth)
{
    return key.length <= (depth + 1) * chunkBytes;
}

// Sorts keys that agree on their first depth * 8 bytes. With equal chunks,
// a key that ends within the chunk is a prefix of any longer one, so it
// goes first (last when descending); keys that go on are ordered by the
// next pass, on their own. Equal keys keep their index order either way.
void sortFrom(std::string_view keys, std::span<KeyRef> range, std::size_t depth, bool descending)
{
    // Past the first chunk the keys of a range lie all over the buffer.
    constexpr std::size_t fetchAhead = 8;
    for (std::size_t i = 0; i < range.size(); ++i) {
        if (i + fetchAhead < range.size())
            __builtin_prefetch(keys.data() + range[i + fetchAhead].start + depth * chunkBytes);
        range[i].chunk = chunkAt(keys, range[i], depth);
    }
    std::sort(range.begin(), range.end(), [depth, descending](const KeyRef& a, const KeyRef& b) {
        if (a.chunk != b.chunk)
            return descending ? a.chunk > b.chunk : a.chunk < b.chunk;
        const bool aEnds = endsWithin(a, depth);
        const bool bEnds = endsWithin(b, depth);
        if (aEnds != bEnds)
            return descending ? bEnds : aEnds;
        if (!aEnds)
            return false;
        if (a.length != b.length)
            return descending ? a.length > b.length : a.length < b.length;
        return a.index < b.index;
    });
    for (std::size_t i = 0; i < range.size();) {
        std::size_t end = i + 1;
        if (!endsWithin(range[i], depth)) {
            while (end < range.size() && range[end].chunk == range[i].chunk)
                ++end;
            if (end - i > 1)
                sortFrom(keys, range.subspan(i, end - i), depth + 1, descending);
        }
        i = end;
    }
}

} // namespace

std::vector<std::size_t> orderBySortKey(const text::TextRules& rules, std::span<const std::string> items)
{
    std::size_t itemBytes = 0;
    for (const std::string& item : items)
        itemBytes += item.size();
    return orderByKeys(
        items.size(), [&](std::string& keys, std::size_t i) { rules.appendSortKey(keys, items[i]); }, false,
        2 * itemBytes + items.size());
}

std::vector<std::size_t> orderByKeys(std::size_t count, const AppendKey& appendKey, bool descending,
                                     std::size_t expectedKeyBytes)
{
    std::string keys;
    keys.reserve(expectedKeyBytes);
    std::vector<KeyRef> refs(count);
    for (std::size_t i = 0; i < count; ++i) {
        refs[i].start = keys.size();
        appendKey(keys, i);
        refs[i].length = static_cast<std::uint32_t>(keys.size() - refs[i].start);
        refs[i].index = static_cast<std::uint32_t>(i);
    }
    sortFrom(keys, refs, 0, descending);

    std::vector<std::size_t> order;
    order.reserve(refs.size());
    for (const KeyRef& ref : refs)
        order.push_back(ref.index);
    return order;
}

} // namespace quorrin::browse
