#include "browse/subdirectories.h"

#include <algorithm>
#include <set>
#include <utility>

namespace quorrin::browse {

namespace {

// The entries in the locale's order of their names, without regard to
// case; equal keys keep the order they were found in.
template <typename Entry> std::vector<Entry> sortedByKey(std::vector<std::pair<std::string, Entry>>& keyed)
{
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Entry> sorted;
    sorted.reserve(keyed.size());
    for (auto& [key, entry] : keyed)
        sorted.push_back(std::move(entry));
    return sorted;
}

} // namespace

std::optional<std::vector<Subdirectory>>
readSubdirectories(const platform::FileSystem& fs, const text::TextRules& rules, const std::string& dir, bool foldCase)
{
    std::vector<std::pair<std::string, Subdirectory>> keyed; // sort key, entry
    std::set<std::string> folded;
    const bool readable = fs.subdirectories(dir, [&](const std::string& name, bool isLink) {
        if (!foldCase || folded.insert(rules.lowerAsFileName(name)).second)
            keyed.emplace_back(rules.sortKey(name), Subdirectory{name, isLink});
    });
    if (!readable)
        return std::nullopt;
    return sortedByKey(keyed);
}

std::optional<std::vector<std::string>> readSubdirectoriesToWalk(const platform::FileSystem& fs,
                                                                 const text::TextRules& rules, const std::string& dir)
{
    std::vector<std::pair<std::string, std::string>> keyed; // sort key, name
    const bool readable =
        fs.subdirectoriesToWalk(dir, [&](const std::string& name) { keyed.emplace_back(rules.sortKey(name), name); });
    if (!readable)
        return std::nullopt;
    return sortedByKey(keyed);
}

} // namespace quorrin::browse
