#include "sort_measure.h"

#include "bench_process.h"
#include "browse/file_list_read.h"
#include "compose/row_order.h"
#include "platform/native.h"

#include <clocale>
#include <cstdio>
#include <string>

namespace quorrin::bench {

int measureSort(const std::string& dir, int runs)
{
    // As the window's application object does: the user's locale decides
    // the order of names.
    std::setlocale(LC_ALL, "");
    const auto rules = platform::makeNativeTextRules();
    const auto fs = platform::makeNativeFileSystem(*rules);
    const browse::ListedEntries entries = browse::readEntries(*fs, *rules, dir, "*.*", browse::mainWindowFileType, {});
    const listing::CategoryClassifier classifier(*rules);
    using listing::SortKey;
    for (int r = 0; r < runs; ++r) {
        for (const SortKey key :
             {SortKey::name, SortKey::natural, SortKey::size, SortKey::date, SortKey::genre, SortKey::ext}) {
            const double start = nowMs();
            const auto order = compose::rowOrder({key, r % 2 == 1, *rules, classifier}, entries.items, entries.facts);
            std::printf("sort_ms_%s %f\n", std::string(listing::sortKeyWord(key)).c_str(), nowMs() - start);
            if (order.size() != entries.items.size())
                return 1;
        }
    }
    std::fflush(stdout);
    return 0;
}

} // namespace quorrin::bench
