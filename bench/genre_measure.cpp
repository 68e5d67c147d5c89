#include "genre_measure.h"

#include "bench_process.h"
#include "listing/category_classifier.h"
#include "platform/native.h"

#include <cstdio>
#include <dirent.h>
#include <stdexcept>
#include <vector>

namespace quorrin::bench {

namespace {

std::vector<std::string> namesIn(const std::string& dir)
{
    DIR* stream = opendir(dir.c_str());
    if (stream == nullptr)
        throw std::runtime_error("cannot read " + dir);
    std::vector<std::string> names;
    while (const dirent* entry = readdir(stream)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(stream);
    return names;
}

// A user's table as it grows: words of their own in kana, kanji and Latin
// letters, most of which the folder's names never hold, and rules by
// extension. The words the names do hold come last, so most names are
// searched for every rule.
std::vector<listing::GenreRule> userRules(const text::TextRules& rules)
{
    std::vector<listing::GenreRule> table;
    for (int i = 0; table.size() < 170; ++i) {
        const std::string n = std::to_string(i);
        table.push_back({rules.fromUtf8("シリーズ" + n), rules.fromUtf8("番組" + n)});
        table.push_back({"project-" + n, "work " + n});
        table.push_back({rules.fromUtf8("ｶﾀﾛｸﾞ" + n), rules.fromUtf8("目録")});
        table.push_back({"ext" + n, "type " + n, true});
    }
    for (const char* keyword : {"mp3", "jpg", "avi"})
        table.push_back({keyword, rules.fromUtf8("種類"), true});
    for (const char* keyword : {"ドラマ", "ライブ", "写真", "映画", "photo", "report", "backup", "TV_show", "ｱﾆﾒ"})
        table.push_back({rules.fromUtf8(keyword), rules.fromUtf8(keyword)});
    while (table.size() < 200)
        table.push_back({rules.fromUtf8("未使用" + std::to_string(table.size())), "x"});
    return table;
}

} // namespace

int measureGenre(const std::string& dir, int runs)
{
    const auto rules = platform::makeNativeTextRules();
    const std::vector<std::string> names = namesIn(dir);
    const std::vector<listing::GenreRule> table = userRules(*rules);
    for (int r = 0; r < runs; ++r) {
        const double start = nowMs();
        const listing::CategoryClassifier classifier(*rules, table);
        std::size_t labelled = 0;
        for (const std::string& name : names)
            labelled += classifier.StrFind(name).empty() ? 0 : 1;
        std::printf("genre_ms %f\nlabelled %zu\n", nowMs() - start, labelled);
    }
    return 0;
}

} // namespace quorrin::bench
