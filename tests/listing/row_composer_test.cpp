#include "listing/row_composer.h"

#include "platform/posix/utf8_text_rules.h"
#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace quorrin::listing {
namespace {

using platform::DirEntry;
using platform::FileTime;
using platform::LocalDateTime;
namespace attr = platform::attr;

constexpr std::uint64_t GiB = 1024ull * 1024 * 1024;

class MapFiles final : public FileInfoSource {
public:
    void add(DirEntry entry) { entries_[entry.name] = std::move(entry); }

    const DirEntry* entry(std::string_view name) const override
    {
        const auto found = entries_.find(name);
        return found == entries_.end() ? nullptr : &found->second;
    }

private:
    std::map<std::string, DirEntry, std::less<>> entries_;
};

// Local time by table: tests choose for each file time what the locale
// makes of it, or that it cannot be converted at all.
class TableLocale final : public platform::LocaleSettings {
public:
    platform::DateTimeSettings settings;
    std::map<std::int64_t, LocalDateTime> times;

    const platform::DateTimeSettings& dateTimeSettings() const override { return settings; }
    void reread() override {}
    std::optional<LocalDateTime> toLocalTime(FileTime time) const override
    {
        const auto found = times.find(time.ticks);
        if (found == times.end())
            return std::nullopt;
        return found->second;
    }
};

constexpr FileTime morningTime{1};
constexpr FileTime midnightTime{2};
constexpr FileTime before1980Time{3};
constexpr FileTime after2107Time{4};
constexpr FileTime unconvertibleTime{5};

class RowComposerTest : public ::testing::Test {
protected:
    RowComposerTest()
    {
        locale.settings.shortDateFormat = "yyyy/MM/dd";
        locale.settings.longTimeFormat = "h:mm:ss";
        locale.times[morningTime.ticks] = {2006, 1, 28, 9, 5, 7};
        locale.times[midnightTime.ticks] = {2006, 1, 28, 0, 0, 0};
        locale.times[before1980Time.ticks] = {1979, 12, 31, 23, 59, 59};
        locale.times[after2107Time.ticks] = {2108, 1, 1, 0, 0, 0};
        files.add({"a.txt", attr::archive, 1234, morningTime});
    }

    ListingContext context() const
    {
        return ListingContext{settings, directory, typed, files, locale, rules, classifier};
    }

    std::vector<std::string> compose(const std::vector<std::string>& names) const
    {
        return ListDataSet(context(), names);
    }

    std::string line(const std::string& name) const { return compose({name}).at(0); }

    void setColumns(std::array<std::int32_t, 5> kinds)
    {
        settings.ListCol1 = kinds[0];
        settings.ListCol2 = kinds[1];
        settings.ListCol3 = kinds[2];
        settings.ListCol4 = kinds[3];
        settings.ListCol5 = kinds[4];
    }

    platform::posix::Utf8TextRules rules;
    CategoryClassifier classifier{rules};
    ListSettings settings = defaultListSettings(builtInPresetFilterCount);
    std::string directory = "C:\\Data";
    std::string typed;
    MapFiles files;
    TableLocale locale;
};

TEST_F(RowComposerTest, ColumnLayouts)
{
    const struct {
        std::array<std::int32_t, 5> kinds;
        bool quote;
        std::int32_t tabNo;
        const char* line;
    } table[] = {
        {{1, 2, 5, 5, 5}, false, 2, "a.txt\t1234"}, // a fresh start
        {{1, 2, 5, 5, 5}, true, 3, "\"a.txt\",\"1234\""},
        {{1, 5, 2, 5, 5}, true, 3, "\"a.txt\",\"1234\""}, // none contributes nothing, not even a separator
        {{5, 1, 5, 5, 5}, false, 3, ",a.txt"},            // column 1 has no separator of its own
        {{5, 1, 5, 5, 2}, true, 3, ",\"a.txt\",\"1234\""},
        {{0, 1, 2, 3, 4}, false, 3, "C:\\Data,a.txt,1234,2006/01/28 9:05:06,"},
        {{0, 1, 2, 3, 4}, true, 1, "\"C:\\Data\" \"a.txt\" \"1234\" \"2006/01/28 9:05:06\" \"\""},
        // Kinds outside the table: an empty field, the separator still in front.
        {{1, 9, 5, 5, 5}, false, 3, "a.txt,"},
        {{1, 9, 5, 5, 5}, true, 3, "\"a.txt\",\"\""},
        {{-1, 1, 5, 5, 5}, false, 3, ",a.txt"},
    };
    for (const auto& row : table) {
        setColumns(row.kinds);
        settings.QuoteOn = row.quote;
        settings.TabNo = row.tabNo;
        EXPECT_EQ(line("a.txt"), row.line) << row.line;
    }
}

TEST_F(RowComposerTest, EveryFixedSeparatorAndTheTypedOne)
{
    typed = " | ";
    const std::pair<std::int32_t, const char*> table[] = {
        {0, "a.txt1234"},     {1, "a.txt 1234"},   {2, "a.txt\t1234"},          {3, "a.txt,1234"},
        {4, "a.txt-1234"},    {5, "a.txt_1234"},   {6, "a.txt/1234"},           {7, "a.txt+1234"},
        {-1, "a.txt | 1234"}, {8, "a.txt | 1234"}, {INT32_MIN, "a.txt | 1234"},
    };
    for (const auto& [tabNo, expected] : table) {
        settings.TabNo = tabNo;
        EXPECT_EQ(line("a.txt"), expected) << tabNo;
    }
    typed.clear();
    settings.TabNo = -1;
    EXPECT_EQ(line("a.txt"), "a.txt1234") << "a restart leaves the typed text empty";
}

TEST_F(RowComposerTest, OneLinePerNameInOrderEvenWhenEveryColumnIsNone)
{
    files.add({"b.txt", attr::archive, 5, morningTime});
    setColumns({5, 5, 5, 5, 5});
    EXPECT_EQ(compose({"b.txt", "a.txt", "b.txt"}), (std::vector<std::string>{"", "", ""}));
    setColumns({1, 5, 5, 5, 5});
    EXPECT_EQ(compose({"b.txt", "a.txt", "b.txt"}), (std::vector<std::string>{"b.txt", "a.txt", "b.txt"}));
    EXPECT_TRUE(compose({}).empty());
}

TEST_F(RowComposerTest, SizesAre64BitAndKibibytesRoundUp)
{
    const struct {
        std::uint64_t bytes;
        const char* inBytes;
        const char* inKiB;
    } table[] = {
        {0, "0", "0"},
        {1023, "1023", "1"},
        {1024, "1024", "1"},
        {1025, "1025", "2"},
        {4 * GiB + 10, "4294967306", "4194305"},
        {(1ull << 53) + 1, "9007199254740993", "8796093022209"},
        {~0ull, "18446744073709551615", "18014398509481984"},
    };
    setColumns({2, 5, 5, 5, 5});
    for (const auto& row : table) {
        files.add({"f", attr::archive, row.bytes, morningTime});
        settings.SizeInK = false;
        EXPECT_EQ(line("f"), row.inBytes) << row.bytes;
        settings.SizeInK = true;
        EXPECT_EQ(line("f"), row.inKiB) << row.bytes;
    }
}

TEST_F(RowComposerTest, HiddenAndSystemFilesShowTheirRealSizeAndDate)
{
    setColumns({2, 3, 5, 5, 5});
    const struct {
        std::uint32_t attributes;
        const char* line;
    } table[] = {
        {attr::archive, "10\t2006/01/28 9:05:06"},
        {attr::system | attr::hidden | attr::readOnly, "10\t2006/01/28 9:05:06"},
        // Directories have neither a size nor a date here.
        {attr::directory, "0\t"},
        {attr::volumeId, "0\t2006/01/28 9:05:06"},
    };
    for (const auto& row : table) {
        files.add({"f", row.attributes, 10, morningTime});
        EXPECT_EQ(line("f"), row.line) << row.attributes;
    }
    EXPECT_EQ(line("gone"), "0\t") << "a name without an entry";
    EXPECT_EQ(GetFileSize(files, "gone"), 0u);
}

TEST_F(RowComposerTest, AnUnshowableDateLeavesItsFieldEmptyAndTheRebuildGoesOn)
{
    files.add({"midnight", attr::archive, 1, midnightTime});
    files.add({"old", attr::archive, 2, before1980Time});
    files.add({"future", attr::archive, 3, after2107Time});
    files.add({"odd", attr::archive, 4, unconvertibleTime});
    setColumns({1, 3, 2, 5, 5});
    settings.TabNo = 3;
    EXPECT_EQ(compose({"a.txt", "old", "future", "odd", "gone", "midnight"}),
              (std::vector<std::string>{"a.txt,2006/01/28 9:05:06,1234", "old,,2", "future,,3", "odd,,4", "gone,,0",
                                        "midnight,2006/01/28,1"}));
    settings.QuoteOn = true;
    EXPECT_EQ(line("old"), "\"old\",\"\",\"2\"");
}

TEST_F(RowComposerTest, DatesFollowTheLocaleSettingsPassedIn)
{
    setColumns({3, 5, 5, 5, 5});
    locale.settings.shortDateFormat = "M/d/yyyy";
    locale.settings.longTimeFormat = "h:mm:ss AMPM";
    locale.settings.amText = "AM";
    EXPECT_EQ(line("a.txt"), "1/28/2006 9:05:06 AM");
}

TEST_F(RowComposerTest, CategoryColumn)
{
    setColumns({1, 4, 5, 5, 5});
    settings.TabNo = 3;
    settings.QuoteOn = true;
    EXPECT_EQ(compose({"アニメ映画.avi", "readme.txt"}),
              (std::vector<std::string>{"\"アニメ映画.avi\",\"映画\"", "\"readme.txt\",\"\""}));
}

TEST_F(RowComposerTest, QuotesInsideAQuotedFieldAreDoubled)
{
    files.add({"a\"b.txt", attr::archive, 7, morningTime});
    directory = "/home/\"q\"";
    setColumns({0, 1, 2, 5, 5});
    settings.TabNo = 3;
    EXPECT_EQ(line("a\"b.txt"), "/home/\"q\",a\"b.txt,7") << "unquoted fields stay as they are";
    settings.QuoteOn = true;
    EXPECT_EQ(line("a\"b.txt"), "\"/home/\"\"q\"\"\",\"a\"\"b.txt\",\"7\"");
    EXPECT_EQ(GetFileData(context(), "\"\"", ckFileName), "\"\"\"\"\"\"");
}

TEST_F(RowComposerTest, UnquotedLineBreaksInNamesAndPathsAreWrittenInCaretNotation)
{
    setColumns({0, 1, 5, 5, 5});
    settings.TabNo = 3;
    const struct {
        const char* directory;
        const char* name;
        const char* line;
    } table[] = {
        {"/home/x", "a\nb.txt", "/home/x,a^Jb.txt"},
        {"/home/x", "\r\n", "/home/x,^M^J"},
        {"/home/x", "x^y", "/home/x,x^^y"},
        {"/home/x", "^J", "/home/x,^^J"},
        {"/tmp/new\nline", "a\tb;c,\"d\"", "/tmp/new^Jline,a\tb;c,\"d\""},
        {"/tmp/^", "\n\n", "/tmp/^^,^J^J"},
        {"/", "a^\nJ\xff", "/,a^^^JJ\xff"},
    };
    for (const auto& row : table) {
        directory = row.directory;
        const auto lines = compose({row.name});
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0], row.line) << row.line;
        EXPECT_EQ(lines[0].find_first_of("\r\n"), std::string::npos) << row.line;
    }
}

TEST_F(RowComposerTest, QuotedNamesKeepTheirLineBreaksInsideTheQuotes)
{
    setColumns({0, 1, 5, 5, 5});
    settings.TabNo = 3;
    settings.QuoteOn = true;
    directory = "/tmp/new\nline^";
    EXPECT_EQ(line("a\r\nb\"c^"), "\"/tmp/new\nline^\",\"a\r\nb\"\"c^\"");
}

TEST_F(RowComposerTest, TheCaretOfADoubleByteCharacterIsNoCaret)
{
    // ／ in Shift_JIS is 0x81 0x5E: its second byte is "^".
    const testing::ShiftJisTextRules shiftJis;
    setColumns({1, 5, 5, 5, 5});
    const ListingContext sjis{settings, directory, typed, files, locale, shiftJis, classifier};
    const std::vector<std::string> names{"\x81\x5E.txt", "\x81\x5E^\n"};
    EXPECT_EQ(ListDataSet(sjis, names), (std::vector<std::string>{"\x81\x5E.txt", "\x81\x5E^^^J"}));
}

} // namespace
} // namespace quorrin::listing
