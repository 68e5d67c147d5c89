#include "cli/progress_line.h"
#include "cli/recording_console.h"

#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

namespace quorrin::cli {
namespace {

using namespace std::chrono_literals;

// The line drawn once the read is slow enough, for folders of every length:
// a long one keeps its end, cut where a character starts.
TEST(ProgressLine, ALongFolderShowsItsEndSoTheLineFitsTheTerminal)
{
    const text::Utf8TextRules rules;
    const Texts texts(rules, Language::english);
    const std::string padding(20, 'x');
    std::string kanji;
    for (int i = 0; i < 20; ++i)
        kanji += "表";
    const std::pair<std::string, std::string> cases[] = {
        {"/short", "/short"},
        {"/" + std::string(60, 'a'), "..." + std::string(48, 'a')},
        {"/" + padding + kanji, "..." + kanji.substr(kanji.size() - 48)},
        {"/" + padding + kanji + "a", "..." + kanji.substr(kanji.size() - 45) + "a"},
        {"/" + padding + "/" + kanji.substr(0, 45), "...xx/" + kanji.substr(0, 45)},
    };
    for (const auto& [folder, shown] : cases) {
        test::RecordingConsole console;
        console.terminal = true;
        auto now = std::chrono::steady_clock::time_point{};
        ProgressLine line(console, texts, rules, folder, [&] { return now; });
        now += 600ms;
        line.entriesSoFar(7);
        EXPECT_EQ(console.err, "\r7 files read in " + shown) << folder;
    }
}

} // namespace
} // namespace quorrin::cli
