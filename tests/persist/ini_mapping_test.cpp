#include "persist/ini_mapping.h"
#include "support/file_content.h"
#include "support/shift_jis_text_rules.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <sys/stat.h>
#include <vector>

namespace quorrin::persist {
namespace {

using listing::ListSettings;

const text::Utf8TextRules rules;

using testing::contentOf;

void writeSettings(const std::string& path, ListSettings& settings, const std::string& currentDir,
                   const std::string& typedSeparator = {})
{
    SettingsFile file(rules, path);
    IniWrite(file, settings, currentDir, typedSeparator, {});
}

ListSettings readSettings(const std::string& path, ListSettings settings = {}, std::string* typedSeparator = nullptr)
{
    std::string typed;
    listing::OutputOptions output;
    SettingsFile file(rules, path);
    IniRead(file, settings, typedSeparator != nullptr ? *typedSeparator : typed, output);
    return settings;
}

// Every field in one line, so a whole record is compared at once.
std::string summary(const ListSettings& s)
{
    std::string text;
    for (const auto column : s.columns())
        text += std::to_string(column) + ",";
    return text + " tab=" + std::to_string(s.TabNo) + " kak=" + std::to_string(s.QuoteOn) + s.QuoteStr +
           " byt=" + std::to_string(s.SizeInK) + " filter=" + std::to_string(s.FilterNo) + " edit=" + s.EditText +
           " drive=" + std::to_string(s.DriveChar) + " dir=" + s.DirPath + " sdir=" + s.SavePath;
}

TEST(IniWrite, TheWorkedExampleAndItsChangedValuesVariantByteForByte)
{
    testing::TempDir dir;
    // The default filter is the last preset of their count.
    EXPECT_EQ(listing::defaultListSettings(3).FilterNo, 2);
    ListSettings settings;
    settings.DriveChar = 'c';
    settings.DirPath = "C:\\Old";
    writeSettings(dir / "q.ini", settings, "C:\\Tools");
    EXPECT_EQ(settings.DirPath, "C:\\Tools");
    EXPECT_EQ(contentOf(dir / "q.ini"),
              "[List]\r\n1=1\r\n2=2\r\n3=5\r\n4=5\r\n5=5\r\nTab=2\r\nKak=0\r\nbyt=0\r\n"
              "Filter=7\r\n[File]\r\nEdit=\r\nSDir=\r\n[Disk]\r\nDrive=99\r\nDir=C:\\Tools\r\n"
              "[Output]\r\nEncoding=system\r\nLineEnd=crlf\r\nHeader=0\r\nDates=system\r\nSort=name\r\n"
              "Descending=0\r\n");

    settings.ListCol1 = listing::ckNone;
    settings.TabNo = -1;
    settings.QuoteOn = true;
    settings.SizeInK = true;
    settings.SavePath = "D:\\out\\list.txt";
    writeSettings(dir / "changed.ini", settings, "C:\\Tools", ";");
    EXPECT_EQ(contentOf(dir / "changed.ini"),
              "[List]\r\n1=5\r\n2=2\r\n3=5\r\n4=5\r\n5=5\r\nTab=-1\r\nKak=1\r\nbyt=1\r\nFilter=7\r\nTabText=;\r\n"
              "[File]\r\nEdit=\r\nSDir=D:\\out\\list.txt\r\n[Disk]\r\nDrive=99\r\nDir=C:\\Tools\r\n"
              "[Output]\r\nEncoding=system\r\nLineEnd=crlf\r\nHeader=0\r\nDates=system\r\nSort=name\r\n"
              "Descending=0\r\n");
}

TEST(IniRead, RestoresEveryFieldAsWrittenUnchecked)
{
    testing::TempDir dir;
    ListSettings written;
    written.ListCol1 = 0;
    written.ListCol2 = 9;
    written.ListCol3 = -7;
    written.TabNo = 6;
    written.QuoteOn = true;
    written.SizeInK = true;
    written.FilterNo = 99;
    written.EditText = "*.txt;*.doc";
    written.DriveChar = 355;
    written.SavePath = "/home/u/リスト.txt";
    writeSettings(dir / "q.ini", written, "/home/ユーザー/表示");
    EXPECT_EQ(summary(readSettings(dir / "q.ini")),
              "0,9,-7,5,5, tab=6 kak=1\" byt=1 filter=99 edit=*.txt;*.doc drive=355 dir=/home/ユーザー/表示 "
              "sdir=/home/u/リスト.txt");

    const std::string values[] = {
        "\"quoted\"",      "a = b ; c", "\xff\xfe", "/" + std::string(2047, 'x') + "/" + std::string(3000, 'y'),
        "C:\\\x95\x5c\\x", // 表 in Shift_JIS: its second byte is "\"
    };
    for (const auto& value : values) {
        written.EditText = value;
        written.SavePath = value;
        writeSettings(dir / "q.ini", written, value);
        EXPECT_EQ(summary(readSettings(dir / "q.ini")), "0,9,-7,5,5, tab=6 kak=1\" byt=1 filter=99 edit=" + value +
                                                            " drive=355 dir=" + value + " sdir=" + value);
    }
}

TEST(IniRead, AMissingFileOrSectionKeepsTheDefaults)
{
    testing::TempDir dir;
    ListSettings start;
    start.DirPath = "/start";
    start.DriveChar = 7;
    EXPECT_EQ(summary(readSettings(dir / "none.ini", start)), summary(start));
    EXPECT_FALSE(std::filesystem::exists(dir / "none.ini"));

    dir.writeFile("q.ini", "[List]\r\n1=3\r\nTab=0\r\nKak=1\r\nFilter=2\r\n[File]\r\nEdit=*.c\r\nSDir=/out/l.txt\r\n");
    EXPECT_EQ(summary(readSettings(dir / "q.ini", start)),
              "3,2,5,5,5, tab=0 kak=1\" byt=0 filter=2 edit=*.c drive=7 dir=/start sdir=/out/l.txt");
}

listing::OutputOptions readOutput(const std::string& path)
{
    ListSettings settings;
    std::string typed;
    listing::OutputOptions output;
    SettingsFile file(rules, path);
    IniRead(file, settings, typed, output);
    return output;
}

// Words in any ASCII case count; anything else leaves that one choice at
// its default.
TEST(IniRead, TheOutputSectionTakesItsWordsAndIgnoresTheRest)
{
    using listing::DateStyle;
    using listing::LineEnd;
    using listing::SortKey;
    using listing::TextEncoding;
    const struct {
        const char* section;
        listing::OutputOptions expected;
    } cases[] = {
        {"", {}},
        {"[Output]\r\nEncoding=utf-16le\r\nLineEnd=lf\r\nHeader=1\r\nDates=iso\r\n",
         {TextEncoding::utf16le, LineEnd::lf, true, DateStyle::iso}},
        {"[Output]\r\nEncoding=UTF-8-BOM\r\nLineEnd=CRLF\r\nHeader=0\r\nDates=System\r\n",
         {TextEncoding::utf8Bom, LineEnd::crlf, false, DateStyle::system}},
        {"[Output]\r\nEncoding=Shift_JIS\r\n", {TextEncoding::shiftJis, LineEnd::crlf, false, DateStyle::system}},
        {"[Output]\r\nEncoding=sjis\r\nLineEnd=cr\r\nHeader=2\r\nDates=8601\r\n", {}},
        {"[Output]\r\nEncoding=\r\nHeader=yes\r\n", {}},
        {"[Output]\r\nSort=natural\r\nDescending=1\r\n",
         {TextEncoding::system, LineEnd::crlf, false, DateStyle::system, SortKey::natural, true}},
        {"[Output]\r\nSort=EXT\r\nDescending=0\r\n",
         {TextEncoding::system, LineEnd::crlf, false, DateStyle::system, SortKey::ext, false}},
        {"[Output]\r\nSort=extension\r\nDescending=yes\r\n", {}},
        {"[Output]\r\nSort=\r\nDescending=2\r\n", {}},
    };
    testing::TempDir dir;
    for (const auto& c : cases) {
        dir.writeFile("q.ini", std::string("[List]\r\n1=1\r\n") + c.section);
        EXPECT_TRUE(readOutput(dir / "q.ini") == c.expected) << c.section;
    }
}

TEST(IniWrite, EveryOutputChoiceReadsBack)
{
    using listing::SortKey;
    testing::TempDir dir;
    const auto writeAndRead = [&](const listing::OutputOptions& output) {
        ListSettings settings;
        SettingsFile file(rules, dir / "q.ini");
        IniWrite(file, settings, "/d", "", output);
        return readOutput(dir / "q.ini");
    };
    for (const auto encoding :
         {listing::TextEncoding::system, listing::TextEncoding::utf8, listing::TextEncoding::utf8Bom,
          listing::TextEncoding::shiftJis, listing::TextEncoding::utf16le}) {
        const listing::OutputOptions output{encoding, listing::LineEnd::lf, true, listing::DateStyle::iso};
        EXPECT_TRUE(writeAndRead(output) == output) << listing::encodingWord(encoding);
    }
    EXPECT_TRUE(contentOf(dir / "q.ini")
                    .ends_with("[Output]\r\nEncoding=utf-16le\r\nLineEnd=lf\r\nHeader=1\r\nDates=iso\r\nSort="
                               "name\r\nDescending=0\r\n"));
    for (const auto sort :
         {SortKey::name, SortKey::natural, SortKey::size, SortKey::date, SortKey::genre, SortKey::ext}) {
        listing::OutputOptions output;
        output.sort = sort;
        output.descending = sort != SortKey::size;
        EXPECT_TRUE(writeAndRead(output) == output) << listing::sortKeyWord(sort);
    }
}

// The number rule itself is the settings number test's; here it reaches each field.
TEST(IniRead, NumbersFollowTheNumberRuleAndFlagsAreNumbersThatAreNotZero)
{
    const struct {
        const char* line;
        bool flagBefore;
        std::int32_t tabNo; // from a default of 2
        bool flag;
    } cases[] = {
        // clang-format off
        {"Tab=0x7", false, 7, false}, {"Tab=-1", false, -1, false}, {"Tab=7a", false, 2, false},
        {"Tab=$80000000", false, INT32_MIN, false}, {"Tab=2147483648", false, 2, false}, {"tab = 4 ", false, 4, false},
        {"Kak=2", false, 2, true}, {"Kak=-1", false, 2, true}, {"Kak=0x0", true, 2, false},
        {"Kak=yes", false, 2, false}, {"Kak=yes", true, 2, true}, {"Kak=", true, 2, true},
        // clang-format on
    };
    for (const auto& c : cases) {
        testing::TempDir dir;
        dir.writeFile("q.ini", std::string("[List]\r\n") + c.line + "\r\n");
        ListSettings start;
        start.QuoteOn = c.flagBefore;
        const ListSettings read = readSettings(dir / "q.ini", start);
        EXPECT_EQ(read.TabNo, c.tabNo) << c.line;
        EXPECT_EQ(read.QuoteOn, c.flag) << c.line << " from " << c.flagBefore;
    }
}

TEST(IniWrite, ALineBreakInAValueIsWrittenAsAnEmptyValue)
{
    testing::TempDir dir;
    ListSettings settings;
    settings.EditText = "*.txt\r\n[List]\r\nTab=5";
    writeSettings(dir / "q.ini", settings, "/home/u/evil\n[Disk]\nDrive=120");
    ListSettings start;
    start.EditText = "keep";
    EXPECT_EQ(summary(readSettings(dir / "q.ini", start)),
              "1,2,5,5,5, tab=2 kak=0\" byt=0 filter=7 edit= drive=0 dir= sdir=");
}

TEST(IniRead, TheTypedSeparatorComesBackOnlyWhileItIsTheChoice)
{
    testing::TempDir dir;
    ListSettings settings;
    settings.TabNo = -1;
    writeSettings(dir / "q.ini", settings, "/d", " ");
    std::string typed = "before";
    EXPECT_EQ(readSettings(dir / "q.ini", {}, &typed).TabNo, -1);
    EXPECT_EQ(typed, " ");

    // A later fixed choice leaves the old text in the file, unread.
    settings.TabNo = 3;
    writeSettings(dir / "q.ini", settings, "/d", "ignored");
    EXPECT_NE(contentOf(dir / "q.ini").find("TabText=\" \"\r\n"), std::string::npos);
    typed = "before";
    EXPECT_EQ(readSettings(dir / "q.ini", {}, &typed).TabNo, 3);
    EXPECT_EQ(typed, "before");
}

// A profile service that refuses one key, to show where a pass stops.
class RefusingStore final : public platform::ProfileStore {
public:
    RefusingStore(std::string refused, std::vector<std::string>& log) : refused_(std::move(refused)), log_(log) {}
    std::string read(std::string_view, std::string_view, std::string_view fallback) override
    {
        return std::string(fallback);
    }
    bool write(std::string_view section, std::string_view key, std::string_view) override
    {
        log_.push_back(std::string(section) + "/" + std::string(key));
        return key != refused_;
    }
    platform::WriteOutcome flush() override
    {
        if (refused_ == "flush")
            return platform::WriteOutcome::cannotWrite;
        return refused_ == "flush incomplete" ? platform::WriteOutcome::leftIncomplete
                                              : platform::WriteOutcome::written;
    }

private:
    std::string refused_;
    std::vector<std::string>& log_;
};

TEST(IniWrite, ARefusedKeyEndsThePassWithTheFilesPath)
{
    const std::vector<std::string> allKeys = {"List/1",       "List/2",          "List/3",           "List/4",
                                              "List/5",       "List/Tab",        "List/Kak",         "List/byt",
                                              "List/Filter",  "File/Edit",       "Disk/Drive",       "Disk/Dir",
                                              "File/SDir",    "Output/Encoding", "Output/LineEnd",   "Output/Header",
                                              "Output/Dates", "Output/Sort",     "Output/Descending"};
    const std::string cannotWrite = "/opt/表/quorrin.ini に書き込めません";
    const std::tuple<const char*, std::size_t, std::string> cases[] = {
        {"1", 1, cannotWrite},
        {"Edit", 10, cannotWrite},
        {"Header", 16, cannotWrite},
        {"flush", 19, cannotWrite},
        {"flush incomplete", 19, cannotWrite + "。ファイルは不完全なおそれがあります"},
    };
    for (const auto& [refused, tried, message] : cases) {
        std::vector<std::string> log;
        SettingsFile file(rules, "/opt/表/quorrin.ini", std::make_unique<RefusingStore>(refused, log));
        ListSettings settings;
        try {
            IniWrite(file, settings, "/now", "", {});
            ADD_FAILURE() << "no error for " << refused;
        } catch (const SettingsWriteError& error) {
            EXPECT_EQ(error.what(), message);
        }
        EXPECT_EQ(log, std::vector<std::string>(allKeys.begin(), allKeys.begin() + static_cast<std::ptrdiff_t>(tried)))
            << refused;
        EXPECT_EQ(settings.DirPath, "/now");
    }
    const testing::ShiftJisTextRules shiftJis; // the message is in the system code page
    EXPECT_STREQ(SettingsWriteError(shiftJis, "C:\\\x95\x5c\\Zidaz.ini").what(),
                 "C:\\\x95\x5c\\Zidaz.ini \x82\xc9\x8f\x91\x82\xab\x8d\x9e\x82\xdf\x82\xdc\x82\xb9\x82\xf1");
}

TEST(IniWrite, AWriteProtectedFileRaisesTheErrorUntilItIsWritableAgain)
{
    testing::TempDir dir;
    ASSERT_EQ(chmod(dir.path().c_str(), 0777), 0);
    const std::string path = dir / "q.ini";
    dir.writeFile("q.ini", "[List]\r\nFilter=3\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    ListSettings settings;
    settings.FilterNo = 1;
    const auto pass = [&]() -> std::string {
        try {
            writeSettings(path, settings, "/d");
            return "";
        } catch (const SettingsWriteError& error) {
            return error.what();
        }
    };
    EXPECT_EQ(testing::runUnprivileged([&] {
                  const std::string message = pass();
                  if (message != path + " に書き込めません")
                      return "unexpected outcome: '" + message + "'";
                  return contentOf(path) == "[List]\r\nFilter=3\r\n" ? std::string() : "the file changed";
              }),
              "");
    ASSERT_EQ(chmod(path.c_str(), 0666), 0);
    EXPECT_EQ(testing::runUnprivileged(pass), "");
    EXPECT_EQ(readSettings(path).FilterNo, 1);
}

} // namespace
} // namespace quorrin::persist
