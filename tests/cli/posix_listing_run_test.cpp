#include "cli/command_line.h"
#include "cli/listing_run.h"
#include "cli/recording_console.h"

#include "platform/native.h"
#include "platform/posix/posix_file_system.h"
#include "support/fixed_locale.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

// Requests are written with designated initializers naming only the
// options a case gives, as on a command line.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quorrin::cli {
namespace {

using namespace std::chrono_literals;

using test::RecordingConsole;

// A folder "list" with three files, a hidden one and a subfolder, all
// written at 2006-01-28 09:05:07 UTC; the window's settings file beside it.
class ListingRun : public ::testing::Test {
protected:
    ListingRun()
    {
        dir.makeDirectory("list");
        for (const auto& [name, bytes] :
             {std::pair{"a.txt", "aaaa"}, {"b.doc", "bb"}, {"日本.txt", "n"}, {".rc", ""}}) {
            dir.writeFile(std::string("list/") + name, bytes);
            dir.setModificationTime(std::string("list/") + name, 1138439107);
        }
        dir.makeDirectory("list/sub");
        locale.settings.shortDateFormat = "yyyy/mm/dd";
    }

    int run(ListRequest request)
    {
        if (request.folder == ".")
            request.folder = dir / "list";
        const ListServices services{fs,
                                    rules,
                                    locale,
                                    *charsets,
                                    [this] { return dir / "quorrin.ini"; },
                                    console,
                                    texts,
                                    [this] { return now += tick; },
                                    platform::writeWholeFile};
        return runListing(request, services);
    }

    std::string read(const std::string& name) const
    {
        std::ifstream in(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    testing::TempDir dir;
    text::Utf8TextRules rules;
    platform::posix::PosixFileSystem fs{rules};
    testing::FixedLocale locale;
    std::unique_ptr<platform::CharsetConverter> charsets = platform::makeNativeCharsetConverter();
    Texts texts{rules, Language::english};
    RecordingConsole console;
    std::chrono::steady_clock::time_point now;
    std::chrono::milliseconds tick{0};
};

TEST_F(ListingRun, TheWindowsSettingsAreTheDefaultsAndFlagsOverrideThem)
{
    const std::string all = ".rc\t0\r\na.txt\t4\r\nb.doc\t2\r\n日本.txt\t1\r\n";
    const std::tuple<std::string, ListRequest, std::string> cases[] = {
        {"", {}, all},
        {"[List]\r\nFilter=1\r\n", {}, "a.txt\t4\r\nb.doc\t2\r\n日本.txt\t1\r\n"},
        {"[List]\r\nFilter=99\r\n", {}, all},
        {"[List]\r\nFilter=4\r\n", ListRequest{.mask = "*.doc"}, "b.doc\t2\r\n"},
        {"[List]\r\nFilter=4\r\n", ListRequest{.noSettings = true}, all},
        {"[List]\r\n1=0\r\n2=1\r\n3=3\r\nTab=3\r\nKak=1\r\n", ListRequest{.mask = "b*"},
         "\"" + dir / "list" + "\",\"b.doc\",\"2006/01/28 9:05:06\"\r\n"},
        {"[List]\r\nTab=-1\r\nTabText=<>\r\n", ListRequest{.mask = "a*"}, "a.txt<>4\r\n"},
        {"[List]\r\nTab=-1\r\nTabText=<>\r\nKak=1\r\nbyt=1\r\n",
         ListRequest{.mask = "a*", .columns = "genre,size", .separator = "none", .quote = false}, "1\r\n"},
        {"", ListRequest{.mask = "a*", .separator = "::", .sizeInKiB = true}, "a.txt::1\r\n"},
        {"[List]\r\nFilter=4\r\n", {}, ""},
        // The window's own genre rules label and order the rows here too.
        {"[Genre]\r\nTable=own\r\nRule1=doc|文書|ext\r\nRule2=日本|和\r\n",
         ListRequest{.columns = "name,genre", .sort = "genre"}, "日本.txt\t和\r\nb.doc\t文書\r\n.rc\t\r\na.txt\t\r\n"},
    };
    for (const auto& [settings, request, expected] : cases) {
        std::filesystem::remove(dir / "quorrin.ini");
        if (!settings.empty())
            dir.writeFile("quorrin.ini", settings);
        console.out.clear();
        EXPECT_EQ(run(request), exitListed) << settings;
        EXPECT_EQ(console.out, expected) << settings;
        EXPECT_EQ(console.err, "");
    }
}

TEST_F(ListingRun, OutputFlagsOverrideTheOutputSection)
{
    using namespace std::string_literals;
    const std::tuple<std::string, ListRequest, std::string> cases[] = {
        {"[Output]\r\nEncoding=utf-16le\r\nLineEnd=lf\r\nHeader=1\r\n",
         ListRequest{.mask = "a*", .encoding = "utf-8", .lineEnd = "CRLF", .header = false}, "a.txt\t4\r\n"},
        {"[Output]\r\nEncoding=utf-8-bom\r\nHeader=1\r\n", ListRequest{.mask = "a*"},
         "\xEF\xBB\xBFファイル名\tサイズ\r\na.txt\t4\r\n"},
        {"", ListRequest{.mask = "日*", .encoding = "shift_jis", .lineEnd = "lf"}, "\x93\xFA\x96\x7B.txt\t1\n"},
        {"", ListRequest{.mask = "b*", .encoding = "utf-16le"},
         "\xFF\xFE"
         "b\0.\0d\0o\0c\0\t\0"
         "2\0\r\0\n\0"s},
        {"[Output]\r\nDates=iso\r\n", ListRequest{.mask = "a*", .columns = "date", .header = true},
         "日付\r\n2006-01-28 09:05:07\r\n"},
        {"[Output]\r\nDates=iso\r\n", ListRequest{.mask = "a*", .columns = "date", .dates = "system"},
         "2006/01/28 9:05:06\r\n"},
        {"[Output]\r\nEncoding=shift_jis\r\n", ListRequest{.mask = "日*", .encoding = "system"}, "日本.txt\t1\r\n"},
        {"[Output]\r\nSort=size\r\nDescending=1\r\n", ListRequest{.mask = "*.*"},
         "a.txt\t4\r\nb.doc\t2\r\n日本.txt\t1\r\n.rc\t0\r\n"},
        // A key without ":desc" is ascending, whatever the settings say.
        {"[Output]\r\nSort=size\r\nDescending=1\r\n", ListRequest{.mask = "*.*", .sort = "name"},
         ".rc\t0\r\na.txt\t4\r\nb.doc\t2\r\n日本.txt\t1\r\n"},
        {"", ListRequest{.mask = "*.*", .sort = "EXT:Desc"}, "a.txt\t4\r\n日本.txt\t1\r\nb.doc\t2\r\n.rc\t0\r\n"},
    };
    for (const auto& [settings, request, expected] : cases) {
        dir.writeFile("quorrin.ini", settings);
        console.out.clear();
        EXPECT_EQ(run(request), exitListed) << settings;
        EXPECT_EQ(console.out, expected) << settings;
        EXPECT_EQ(console.err, "");
    }
}

TEST_F(ListingRun, NamesTheEncodingCannotHoldAreRefusedUnlessTheGetaMarkIsAskedFor)
{
    dir.writeFile("list/café.txt", "c");
    dir.writeFile("list/naïve.txt", "n");
    dir.writeFile("quorrin.ini", "[Output]\r\nEncoding=shift_jis\r\n");
    const std::tuple<ListRequest, int, std::string, std::string> cases[] = {
        {ListRequest{.mask = "c*;n*"}, exitPartly, "",
         "quorrin-list: shift_jis cannot hold this line, nothing was written: café.txt\n"
         "quorrin-list: shift_jis cannot hold this line, nothing was written: naïve.txt\n"},
        {ListRequest{.mask = "c*;n*", .replace = true}, exitListed, "caf\x81\xAC.txt\r\nna\x81\xACve.txt\r\n", ""},
        {ListRequest{.mask = "c*;n*", .encoding = "utf-8"}, exitListed, "café.txt\r\nnaïve.txt\r\n", ""},
    };
    for (const auto& [request, status, written, errors] : cases) {
        std::filesystem::remove(dir / "out.txt");
        console.err.clear();
        ListRequest toFile = request;
        toFile.columns = "name";
        toFile.output = dir / "out.txt";
        EXPECT_EQ(run(toFile), status) << errors;
        EXPECT_EQ(console.err, errors);
        EXPECT_EQ(std::filesystem::exists(dir / "out.txt"), status == exitListed);
        if (status == exitListed) {
            EXPECT_EQ(read("out.txt"), written);
        }
    }
}

TEST_F(ListingRun, TheSettingsFileIsOnlyRead)
{
    const std::string settings = "[List]\r\nKak=1\r\n";
    dir.writeFile("quorrin.ini", settings);
    dir.setModificationTime("quorrin.ini", 1000000000);
    EXPECT_EQ(run(ListRequest{.separator = "comma", .quote = false}), exitListed);
    EXPECT_EQ(read("quorrin.ini"), settings);
    struct stat st {};
    ASSERT_EQ(stat((dir / "quorrin.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtime, 1000000000);
}

TEST_F(ListingRun, RefusalsSayWhyAndWriteNothing)
{
    dir.writeFile("plain", "x");
    const std::string list = dir / "list";
    const std::pair<ListRequest, std::string> cases[] = {
        {ListRequest{.folder = dir / "missing"}, dir / "missing" + ": no such folder"},
        {ListRequest{.folder = dir / "plain"}, dir / "plain" + ": not a folder"},
        {ListRequest{.folder = list + "/\xff"}, list + "/\xff: the folder name is not valid text in the system's "
                                                       "encoding (UTF-8)"},
        {ListRequest{.mask = ""}, "the mask is empty"},
        {ListRequest{.mask = "*.txt;../*"}, "a mask names files in the folder, not another folder: *.txt;../*"},
        {ListRequest{.columns = "name,title"}, "unknown column \"title\" (columns are path, name, size, date, genre)"},
        {ListRequest{.encoding = "latin1"},
         "unknown encoding \"latin1\" (encodings are system, utf-8, utf-8-bom, shift_jis, utf-16le)"},
        {ListRequest{.encoding = ""},
         "unknown encoding \"\" (encodings are system, utf-8, utf-8-bom, shift_jis, utf-16le)"},
        {ListRequest{.lineEnd = "cr"}, "unknown line end \"cr\" (line ends are crlf, lf)"},
        {ListRequest{.dates = "local"}, "unknown date style \"local\" (date styles are system, iso)"},
        {ListRequest{.sort = "kind"}, "unknown sort order \"kind\" (orders are name, natural, size, date, genre, ext, "
                                      "each optionally followed by :desc)"},
        {ListRequest{.sort = "size:up"}, "unknown sort order \"size:up\" (orders are name, natural, size, date, genre, "
                                         "ext, each optionally followed by :desc)"},
        {ListRequest{.settingsFile = dir / "none.ini"}, dir / "none.ini" + ": no such settings file"},
        {ListRequest{.output = dir / "nowhere/out.txt"}, "cannot create " + dir / "nowhere/out.txt"},
        {ListRequest{.output = "/dev/full"}, "/dev/full: write error, nothing was saved (is the disk full?)"},
    };
    for (const auto& [request, message] : cases) {
        console.out.clear();
        console.err.clear();
        EXPECT_EQ(run(request), exitFailed) << message;
        EXPECT_EQ(console.out, "");
        EXPECT_EQ(console.err, "quorrin-list: " + message + "\n");
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "nowhere"));

    console.err.clear();
    console.outputWorks = false;
    EXPECT_EQ(run({}), exitFailed);
    EXPECT_EQ(console.err, "quorrin-list: cannot write to standard output\n");
}

TEST_F(ListingRun, AFolderThatCanBeEnteredButNotReadIsRefused)
{
    dir.makeDirectory("secret");
    ASSERT_EQ(chmod((dir / "secret").c_str(), 0333), 0);
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    const std::string failure = testing::runUnprivileged([&] {
        const int status = run(ListRequest{.folder = dir / "secret"});
        const std::string expected = "quorrin-list: " + dir / "secret" + ": cannot read the folder\n";
        return status == exitFailed && console.err == expected ? std::string() : console.err;
    });
    EXPECT_EQ(failure, "");
}

// "list/sub" gets a file, and a folder below it another one.
TEST_F(ListingRun, SubfoldersComeFromTheScanSectionUnlessAFlagSaysOtherwise)
{
    dir.writeFile("list/sub/c.txt", "ccc");
    dir.makeDirectory("list/sub/deep");
    dir.writeFile("list/sub/deep/d.txt", "d");
    const std::string top = dir / "list" + "\ta.txt\r\n";
    const std::string sub = dir / "list/sub" + "\tc.txt\r\n";
    const std::string deep = dir / "list/sub/deep" + "\td.txt\r\n";
    const std::tuple<std::string, ListRequest, std::string> cases[] = {
        {"", {}, top},
        {"[Scan]\r\nSubfolders=1\r\n", {}, top + sub + deep},
        {"[Scan]\r\nSubfolders=1\r\nDepth=1\r\n", {}, top + sub},
        {"[Scan]\r\nSubfolders=1\r\nDepth=1\r\n", ListRequest{.depth = 0}, top + sub + deep},
        {"[Scan]\r\nSubfolders=0\r\nDepth=1\r\n", ListRequest{.subfolders = true}, top + sub},
        {"", ListRequest{.subfolders = true, .depth = 1}, top + sub},
        {"[Scan]\r\nSubfolders=1\r\n", ListRequest{.subfolders = false}, top},
        {"[Scan]\r\nSubfolders=1\r\n", ListRequest{.noSettings = true}, top},
    };
    for (const auto& [settings, request, expected] : cases) {
        dir.writeFile("quorrin.ini", settings);
        ListRequest asked = request;
        asked.mask = "?.txt";
        asked.columns = "path,name";
        console.out.clear();
        EXPECT_EQ(run(asked), exitListed) << settings;
        EXPECT_EQ(console.out, expected) << settings;
        EXPECT_EQ(console.err, "");
    }

    // The header stands once, above the listed folder's rows.
    console.out.clear();
    EXPECT_EQ(run(ListRequest{.mask = "?.txt", .columns = "name", .header = true, .subfolders = true}), exitListed);
    EXPECT_EQ(console.out, "ファイル名\r\na.txt\r\nc.txt\r\nd.txt\r\n");
}

TEST_F(ListingRun, ASubfolderThatCannotBeReadIsNamedAndTheRestIsListed)
{
    dir.makeDirectory("list/closed");
    dir.writeFile("list/sub/c.txt", "ccc");
    ASSERT_EQ(chmod((dir / "list/closed").c_str(), 0), 0);
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(chmod((dir / "list").c_str(), 0755), 0);
    const std::string failure = testing::runUnprivileged([&] {
        const int status = run(ListRequest{.mask = "c*", .columns = "name", .subfolders = true});
        const std::string expected =
            "quorrin-list: " + dir / "list/closed" + ": cannot read the folder; it is left out of the listing\n";
        if (status != exitPartly || console.err != expected)
            return "status " + std::to_string(status) + ": " + console.err;
        return console.out == "c.txt\r\n" ? std::string() : "listed: " + console.out;
    });
    EXPECT_EQ(failure, "");
}

TEST_F(ListingRun, AnOutputFileGetsTheListingAndARelativeOneIsTakenFromWhereTheUserIs)
{
    fs.changeDirectory(dir.path());
    EXPECT_EQ(run(ListRequest{.mask = "a*", .output = "out.txt"}), exitListed);
    EXPECT_EQ(read("out.txt"), "a.txt\t4\r\n");
    EXPECT_EQ(console.out, "");
    EXPECT_EQ(fs.currentDirectory(), dir.path());
}

TEST_F(ListingRun, ALongReadShowsItsProgressOnATerminalOnlyAndErasesIt)
{
    for (int i = 0; i < 600; ++i)
        dir.writeFile("list/f" + std::to_string(i), "");
    const std::string line = "512 files read in " + dir / "list";
    const std::string drawnAndErased = "\r" + line + "\r" + std::string(line.size(), ' ') + "\r";
    const std::tuple<bool, std::chrono::milliseconds, std::string> cases[] = {
        {true, 300ms, drawnAndErased},
        {true, 1ms, ""},
        {false, 300ms, ""},
    };
    for (const auto& [terminal, step, expected] : cases) {
        console.err.clear();
        console.terminal = terminal;
        tick = step;
        EXPECT_EQ(run({}), exitListed);
        EXPECT_EQ(console.err, expected) << terminal << " " << step.count();
    }
}

} // namespace
} // namespace quorrin::cli
