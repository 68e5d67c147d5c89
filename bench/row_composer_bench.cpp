// Rebuilding the listing of a large folder: every column set, quoting on,
// real locale and text rules. Reports lines per second; the figure should
// stay flat as the folder grows, since the composer is linear.
#include "listing/row_composer.h"
#include "platform/native.h"

#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace {

using namespace quorrin;

// The names, the way the file list serves them: looked up by name in what
// the read returned.
class IndexedEntries final : public listing::FileInfoSource {
public:
    explicit IndexedEntries(std::vector<platform::DirEntry> entries) : entries_(std::move(entries))
    {
        index_.reserve(entries_.size());
        for (const platform::DirEntry& entry : entries_)
            index_.emplace(entry.name, &entry);
    }

    const platform::DirEntry* entry(std::string_view name) const override
    {
        const auto found = index_.find(name);
        return found == index_.end() ? nullptr : found->second;
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        out.reserve(entries_.size());
        for (const platform::DirEntry& entry : entries_)
            out.push_back(entry.name);
        return out;
    }

private:
    std::vector<platform::DirEntry> entries_;
    std::unordered_map<std::string_view, const platform::DirEntry*> index_;
};

std::vector<platform::DirEntry> makeEntries(std::size_t count, const text::TextRules& rules)
{
    const std::string stems[] = {rules.fromUtf8("ドラマ第"),   "holiday_",
                                 rules.fromUtf8("アニメ映画"), "TV_show_",
                                 rules.fromUtf8("音楽ライブ"), "report\"draft\"_"};
    std::vector<platform::DirEntry> entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        platform::DirEntry entry;
        entry.name = stems[i % std::size(stems)] + std::to_string(i) + ".avi";
        entry.attributes = platform::attr::archive;
        entry.size = (i * 7919) % (5ull << 30);
        // Spread over 2000-2024 so dates and times vary.
        entry.lastWrite = platform::fileTimeFromUnix(946684800 + static_cast<std::int64_t>(i) * 7907);
        entries.push_back(std::move(entry));
    }
    return entries;
}

void composeListing(benchmark::State& state)
{
    const auto count = static_cast<std::size_t>(state.range(0));
    const auto rules = platform::makeNativeTextRules();
    const auto locale = platform::makeNativeLocaleSettings();
    const listing::CategoryClassifier classifier(*rules);
    const IndexedEntries files(makeEntries(count, *rules));
    const std::vector<std::string> names = files.names();

    listing::ListSettings settings = listing::defaultListSettings(listing::builtInPresetFilterCount);
    settings.ListCol1 = listing::ckPath;
    settings.ListCol2 = listing::ckFileName;
    settings.ListCol3 = listing::ckSize;
    settings.ListCol4 = listing::ckDate;
    settings.ListCol5 = listing::ckOption;
    settings.QuoteOn = true;
    settings.TabNo = 3;
    const listing::ListingContext context{settings, "/home/user/videos", "", files, *locale, *rules, classifier};

    for (auto _ : state) {
        std::vector<std::string> lines = listing::ListDataSet(context, names);
        benchmark::DoNotOptimize(lines.data());
    }
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(composeListing)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
