#include "browse/subdirectories.h"

#include <algorithm>
#include <set>
#include <utility>

namespace quorrin::browse {

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
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Subdirectory> sorted;
    sorted.reserve(keyed.size());
    for (auto& [key, entry] : keyed)
        sorted.push_back(std::move(entry));
    return sorted;
}

} // namespace quorrin::browse
