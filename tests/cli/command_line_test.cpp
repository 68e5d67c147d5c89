#include "cli/column_words.h"
#include "cli/command_line.h"
#include "cli/refusal.h"

#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <array>

namespace quorrin::cli {
namespace {

const text::Utf8TextRules rules;
const Texts english(rules, Language::english);
const Texts japanese(rules, Language::japanese);

ListRequest requestFrom(const std::vector<std::string>& arguments)
{
    auto parsed = parseCommandLine(arguments, english, "1.2.3");
    if (const auto* answer = std::get_if<ImmediateAnswer>(&parsed)) {
        ADD_FAILURE() << answer->text;
        return {};
    }
    return std::get<ListRequest>(parsed);
}

TEST(CommandLine, OptionsLeftOutStayEmptySoTheSettingsDecide)
{
    const ListRequest none = requestFrom({});
    EXPECT_EQ(none.folder, ".");
    EXPECT_FALSE(none.mask || none.columns || none.separator || none.quote || none.sizeInKiB || none.encoding ||
                 none.lineEnd || none.header || none.dates || none.sort || none.replace || none.output ||
                 none.settingsFile || none.noSettings);

    const ListRequest all = requestFrom({"-m",         "*.txt;*.doc", "--columns=name,date",
                                         "-s",         "comma",       "-q",
                                         "--no-kib",   "--encoding",  "shift_jis",
                                         "--eol=lf",   "--header",    "--dates",
                                         "iso",        "--sort",      "ext:desc",
                                         "--replace",  "-o",          "out.txt",
                                         "--settings", "my.ini",      "日本"});
    EXPECT_EQ(all.folder, "日本");
    EXPECT_EQ(all.mask, "*.txt;*.doc");
    EXPECT_EQ(all.columns, "name,date");
    EXPECT_EQ(all.separator, "comma");
    EXPECT_EQ(all.quote, true);
    EXPECT_EQ(all.sizeInKiB, false);
    EXPECT_EQ(all.encoding, "shift_jis");
    EXPECT_EQ(all.lineEnd, "lf");
    EXPECT_EQ(all.header, true);
    EXPECT_EQ(all.dates, "iso");
    EXPECT_EQ(all.sort, "ext:desc");
    EXPECT_TRUE(all.replace);
    EXPECT_EQ(all.output, "out.txt");
    EXPECT_EQ(all.settingsFile, "my.ini");
}

TEST(CommandLine, TheLastOfAFlagAndItsOppositeWins)
{
    using Flags = std::tuple<std::optional<bool>, std::optional<bool>, std::optional<bool>>;
    const std::pair<std::vector<std::string>, Flags> cases[] = {
        {{"-q", "--no-quote"}, {false, std::nullopt, std::nullopt}},
        {{"--no-quote", "-q"}, {true, std::nullopt, std::nullopt}},
        {{"--kib", "--no-kib", "-k"}, {std::nullopt, true, std::nullopt}},
        {{"-qk"}, {true, true, std::nullopt}},
        {{"--header", "--no-header"}, {std::nullopt, std::nullopt, false}},
        {{"--no-header", "-k", "--header"}, {std::nullopt, true, true}},
    };
    for (const auto& [arguments, flags] : cases) {
        const ListRequest request = requestFrom(arguments);
        EXPECT_EQ((Flags{request.quote, request.sizeInKiB, request.header}), flags) << arguments.front();
    }
}

TEST(CommandLine, SubfoldersTakeAnOptionalDepthAndTheLastOfTheirPairWins)
{
    using Walk = std::pair<std::optional<bool>, std::optional<int>>;
    const std::pair<std::vector<std::string>, Walk> cases[] = {
        {{}, {std::nullopt, std::nullopt}},
        {{"-r", "dir"}, {true, 0}},
        {{"--subfolders", "dir"}, {true, 0}},
        {{"--subfolders=2", "dir"}, {true, 2}},
        {{"--subfolders=3", "--no-subfolders"}, {false, std::nullopt}},
        {{"--no-subfolders", "--subfolders=1"}, {true, 1}},
        {{"--subfolders=3", "-r"}, {true, 0}},
    };
    for (const auto& [arguments, walk] : cases) {
        const ListRequest request = requestFrom(arguments);
        EXPECT_EQ((Walk{request.subfolders, request.depth}), walk) << testing::PrintToString(arguments);
    }
    EXPECT_EQ(requestFrom({"-r", "dir"}).folder, "dir");
}

TEST(CommandLine, AnswersAtOnceWithTheStatusAndTheUsersLanguage)
{
    const std::tuple<std::vector<std::string>, const Texts*, int, bool, std::string> cases[] = {
        {{"--version"}, &english, exitListed, false, "quorrin-list 1.2.3\n"},
        {{"--bogus", "dir"}, &english, exitFailed, true, "quorrin-list: unknown option: --bogus\n"},
        {{"--bogus"}, &japanese, exitFailed, true, "quorrin-list: 不明なオプションです: --bogus\n"},
        {{"one", "two"}, &english, exitFailed, true, "quorrin-list: only one folder can be listed, not also two\n"},
        {{"-m"}, &english, exitFailed, true, "quorrin-list: --mask needs a value\n"},
        {{"a", "-c"}, &japanese, exitFailed, true, "quorrin-list: --columns には値が必要です\n"},
        {{"--eol"}, &english, exitFailed, true, "quorrin-list: --eol needs a value\n"},
        {{"--sort"}, &english, exitFailed, true, "quorrin-list: --sort needs a value\n"},
        {{"--settings", "a.ini", "--no-settings"},
         &english,
         exitFailed,
         true,
         "quorrin-list: --settings and --no-settings cannot be given together\n"},
        {{"--subfolders=0"},
         &english,
         exitFailed,
         true,
         "quorrin-list: --subfolders: the depth must be a positive whole number, not \"0\"\n"},
        {{"--subfolders=-1", "dir"},
         &english,
         exitFailed,
         true,
         "quorrin-list: --subfolders: the depth must be a positive whole number, not \"-1\"\n"},
        {{"--subfolders=2x"},
         &japanese,
         exitFailed,
         true,
         "quorrin-list: --subfolders: 階層の深さは正の整数で指定してください (\"2x\" は使えません)\n"},
        {{"--subfolders=all"},
         &english,
         exitFailed,
         true,
         "quorrin-list: --subfolders: the depth must be a positive whole number, not \"all\"\n"},
    };
    for (const auto& [arguments, texts, status, onError, text] : cases) {
        const auto parsed = parseCommandLine(arguments, *texts, "1.2.3");
        ASSERT_TRUE(std::holds_alternative<ImmediateAnswer>(parsed)) << arguments.front();
        const auto& answer = std::get<ImmediateAnswer>(parsed);
        EXPECT_EQ(answer.status, status) << arguments.front();
        EXPECT_EQ(answer.onStandardError, onError) << arguments.front();
        EXPECT_EQ(answer.text, text);
    }
}

TEST(CommandLine, HelpNamesEveryOptionWithItsDefault)
{
    for (const Texts* texts : {&english, &japanese}) {
        const auto answer = std::get<ImmediateAnswer>(parseCommandLine({"--help"}, *texts, "1"));
        EXPECT_EQ(answer.status, exitListed);
        for (const char* option :
             {"--mask",          "--columns",  "--separator", "--quote",    "--no-quote",    "--kib",
              "--no-kib",        "--encoding", "--eol",       "--header",   "--no-header",   "--dates",
              "--sort",          "--replace",  "--output",    "--settings", "--no-settings", "--subfolders",
              "--no-subfolders", "--help",     "--version",   "FOLDER"})
            EXPECT_NE(answer.text.find(option), std::string::npos) << option;
    }
    const auto answer = std::get<ImmediateAnswer>(parseCommandLine({"-h"}, english, "1"));
    for (const char* fallback : {"else *.*", "else name,size", "else tab", "else off", "else bytes", "else system",
                                 "else crlf", "else name)", "current dir", "-r, --subfolders[=DEPTH]"})
        EXPECT_NE(answer.text.find(fallback), std::string::npos) << fallback;
}

TEST(ColumnWords, NameUpToFiveColumnsTheRestStayNone)
{
    using Kinds = std::array<std::int32_t, 5>;
    const std::pair<std::string, Kinds> cases[] = {
        {"name", {1, 5, 5, 5, 5}},
        {"genre,date,size,name,path", {4, 3, 2, 1, 0}},
        {"size,size", {2, 2, 5, 5, 5}},
    };
    for (const auto& [list, kinds] : cases)
        EXPECT_EQ(columnKinds(english, list), kinds) << list;

    const std::pair<std::string, std::string> refused[] = {
        {"", "no column given"},
        {"name,", "unknown column \"\" (columns are path, name, size, date, genre)"},
        {"Name", "unknown column \"Name\" (columns are path, name, size, date, genre)"},
        {"name,size,date,path,genre,name", "at most five columns: name,size,date,path,genre,name"},
    };
    for (const auto& [list, message] : refused) {
        try {
            columnKinds(english, list);
            ADD_FAILURE() << list;
        } catch (const Refusal& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

TEST(ColumnWords, SeparatorWordsAreTheSelectorsChoicesAnyOtherTextIsTyped)
{
    const std::tuple<std::string, std::int32_t, std::string> cases[] = {
        {"none", 0, ""},    {"tab", 2, ""}, {"plus", 7, ""},    {"; ", -1, "; "},
        {"Tab", -1, "Tab"}, {"", -1, ""},   {"\\t", -1, "\\t"},
    };
    for (const auto& [word, tabNo, typed] : cases) {
        const SeparatorChoice choice = separatorChoice(word);
        EXPECT_EQ(choice.tabNo, tabNo) << word;
        EXPECT_EQ(choice.typed, typed) << word;
    }
}

} // namespace
} // namespace quorrin::cli
