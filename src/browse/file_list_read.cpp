#include "browse/file_list_read.h"

#include "browse/known_order.h"
#include "browse/path_text.h"
#include "browse/sort_key_order.h"

#include <utility>

namespace quorrin::browse {

namespace {

// Clears the busy signal when the read ends, also when it ends by an error.
class BusyScope {
public:
    explicit BusyScope(const BusySignal& busy) : busy_(busy) {}
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope()
    {
        if (raised_ && busy_)
            busy_(false);
    }

    void entriesSoFar(std::size_t count)
    {
        if (!raised_ && count > busyAfterEntries) {
            raised_ = true;
            if (busy_)
                busy_(true);
        }
    }

private:
    const BusySignal& busy_;
    bool raised_ = false;
};

std::vector<std::string_view> maskPieces(std::string_view mask)
{
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t semicolon = mask.find(';'); semicolon != std::string_view::npos;
         semicolon = mask.find(';', start)) {
        pieces.push_back(mask.substr(start, semicolon - start));
        start = semicolon + 1;
    }
    pieces.push_back(mask.substr(start));
    return pieces;
}

// The entries in `order` (element i is the index of the entry that belongs
// at i). Gathered into new arrays rather than moved round in place: the
// reads are independent of each other, so the processor overlaps them,
// where following the permutation's cycles waits for every one in turn.
ListedEntries inOrder(ListedEntries& entries, const std::vector<std::size_t>& order)
{
    ListedEntries sorted;
    sorted.items.reserve(order.size());
    sorted.facts.reserve(order.size());
    for (const std::size_t i : order) {
        sorted.items.push_back(std::move(entries.items[i]));
        sorted.facts.push_back(entries.facts[i]);
    }
    return sorted;
}

// Thrown out of a search that its progress answer stopped.
struct ReadStopped {};

} // namespace

ListedEntries readEntries(const platform::FileSystem& fs, const text::TextRules& rules, const std::string& dir,
                          std::string_view mask, FileType type, const BusySignal& busy, const ReadProgress& progress,
                          std::span<const std::string> previous)
{
    const platform::PathSyntax syntax = fs.pathSyntax();
    const std::uint32_t searchAttr = searchAttribute(type);
    const bool anyAttributes = (type & ftNormal) != 0;

    ListedEntries found;
    BusyScope busyScope(busy);
    try {
        for (const std::string_view piece : maskPieces(mask)) {
            if (piece.empty())
                continue;
            fs.search(joinPath(rules, syntax, dir, piece), searchAttr, [&](const platform::DirEntry& entry) {
                if (!anyAttributes && (entry.attributes & searchAttr) == 0)
                    return;
                found.items.push_back(entry.isDirectory() ? "[" + entry.name + "]" : entry.name);
                found.facts.push_back(EntryFacts{entry.attributes, entry.size, entry.lastWrite});
                busyScope.entriesSoFar(found.items.size());
                if (progress && found.items.size() % progressEveryEntries == 0 && !progress(found.items.size()))
                    throw ReadStopped{};
            });
        }
    } catch (const ReadStopped&) {
        // The search has closed the folder on its way out.
        return ListedEntries{{}, {}, true};
    }

    // One key per entry and one sort: collating on every comparison, or
    // inserting into a sorted array, would not keep up with huge folders.
    return inOrder(found,
                   previous.empty() ? orderBySortKey(rules, found.items) : orderAfter(rules, found.items, previous));
}

} // namespace quorrin::browse
