#include "listing/row_composer.h"

#include "support/shift_jis_text_rules.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace quorrin::listing {
namespace {

using platform::DirEntry;
using platform::FileTime;
using platform::LocalDateTime;
namespace attr = platform::attr;

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

// Local time by table: ticks 1 morning, 2 midnight, 3 before 1980, 4 after
// 2107, 6 past four-digit years; any other time cannot be converted at all.
class TableLocale final : public platform::LocaleSettings {
public:
    platform::DateTimeSettings settings;
    std::map<std::int64_t, LocalDateTime> times{{1, {2006, 1, 28, 9, 5, 7}},
                                                {2, {2006, 1, 28, 0, 0, 0}},
                                                {3, {1979, 12, 31, 23, 59, 59}},
                                                {4, {2108, 1, 1, 0, 0, 0}},
                                                {6, {10000, 1, 1, 0, 0, 0}}};

    const platform::DateTimeSettings& dateTimeSettings() const override { return settings; }
    void reread() override {}
    std::optional<LocalDateTime> toLocalTime(FileTime time) const override
    {
        const auto found = times.find(time.ticks);
        return found == times.end() ? std::nullopt : std::optional(found->second);
    }
};

class RowComposerTest : public ::testing::Test {
protected:
    RowComposerTest()
    {
        locale.settings.shortDateFormat = "yyyy/MM/dd";
        files.add({"a.txt", attr::archive, 1234, FileTime{1}});
    }

    std::vector<std::string> compose(const std::vector<std::string>& names) const
    {
        return ListDataSet(ListingContext{settings, directory, typed, files, locale, rules, classifier, dates, header},
                           names);
    }
    std::string line(const std::string& name) const { return compose({name}).at(0); }
    void set(std::array<std::int32_t, 5> kinds, std::int32_t tabNo = 3, bool quote = false)
    {
        settings.ListCol1 = kinds[0];
        settings.ListCol2 = kinds[1];
        settings.ListCol3 = kinds[2];
        settings.ListCol4 = kinds[3];
        settings.ListCol5 = kinds[4];
        settings.TabNo = tabNo;
        settings.QuoteOn = quote;
    }

    text::Utf8TextRules rules;
    CategoryClassifier classifier{rules};
    ListSettings settings = defaultListSettings(builtInPresetFilterCount);
    std::string directory = "C:\\Data";
    std::string typed;
    MapFiles files;
    TableLocale locale;
    DateStyle dates = DateStyle::system;
    bool header = false;
};

// The header row is shaped like the data: the same separators and quotes,
// nothing for none, an empty field for a kind outside the table.
TEST_F(RowComposerTest, ColumnLayoutsAndTheirHeaderRows)
{
    const struct {
        std::array<std::int32_t, 5> kinds;
        bool quote;
        std::int32_t tabNo;
        const char* line;
        const char* header;
    } table[] = {
        {{1, 2, 5, 5, 5}, false, 2, "a.txt\t1234", "ファイル名\tサイズ"}, // a fresh start
        // none contributes nothing, not even a separator
        {{1, 5, 2, 5, 5}, true, 3, "\"a.txt\",\"1234\"", "\"ファイル名\",\"サイズ\""},
        {{5, 1, 5, 5, 5}, false, 3, ",a.txt", ",ファイル名"}, // column 1 has no separator of its own
        {{0, 1, 2, 3, 4},
         true,
         1,
         "\"C:\\Data\" \"a.txt\" \"1234\" \"2006/01/28 9:05:06\" \"\"",
         "\"パス\" \"ファイル名\" \"サイズ\" \"日付\" \"オプション\""},
        // Kinds outside the table: an empty field, the separator still in front.
        {{1, 9, 5, 5, 5}, true, 3, "\"a.txt\",\"\"", "\"ファイル名\",\"\""},
        {{-1, 1, 5, 5, 5}, false, 3, ",a.txt", ",ファイル名"},
        {{5, 5, 5, 5, 5}, true, 3, "", ""},
    };
    for (const auto& row : table) {
        set(row.kinds, row.tabNo, row.quote);
        header = false;
        EXPECT_EQ(line("a.txt"), row.line) << row.line;
        header = true;
        EXPECT_EQ(compose({"a.txt"}), (std::vector<std::string>{row.header, row.line})) << row.header;
    }
    header = false;
    set({5, 5, 5, 5, 5});
    EXPECT_EQ(compose({"b", "a.txt", "b"}), (std::vector<std::string>{"", "", ""}));
    EXPECT_TRUE(compose({}).empty());
    header = true;
    set({1, 2, 5, 5, 5}, 3);
    EXPECT_EQ(compose({}), (std::vector<std::string>{"ファイル名,サイズ"}));
    const testing::ShiftJisTextRules shiftJis; // captions in the system's code page
    const ListingContext sjis{settings, directory, typed, files, locale, shiftJis, classifier, dates, header};
    EXPECT_EQ(ListDataSet(sjis, {}), (std::vector<std::string>{"\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC,"
                                                               "\x83\x54\x83\x43\x83\x59"}));
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
        set({1, 2, 5, 5, 5}, tabNo);
        EXPECT_EQ(line("a.txt"), expected) << tabNo;
    }
}

TEST_F(RowComposerTest, SizesAre64BitAndKibibytesRoundUp)
{
    // bytes, in bytes, in KiB
    const std::tuple<std::uint64_t, const char*, const char*> table[] = {
        {0, "0", "0"},
        {1024, "1024", "1"},
        {1025, "1025", "2"},
        {~0ull, "18446744073709551615", "18014398509481984"},
    };
    set({2, 5, 5, 5, 5});
    for (const auto& [bytes, inBytes, inKiB] : table) {
        files.add({"f", attr::archive, bytes, FileTime{1}});
        settings.SizeInK = false;
        EXPECT_EQ(line("f"), inBytes) << bytes;
        settings.SizeInK = true;
        EXPECT_EQ(line("f"), inKiB) << bytes;
    }
}

// Hidden and system files show their real size and date; directories have
// neither; a date outside the file date range leaves its field empty and the
// rebuild goes on.
TEST_F(RowComposerTest, SizeAndDateFieldsByEntry)
{
    files.add({"hidden", attr::system | attr::hidden | attr::readOnly, 10, FileTime{1}});
    files.add({"dir", attr::directory, 10, FileTime{1}});
    files.add({"midnight", attr::archive, 1, FileTime{2}});
    files.add({"old", attr::archive, 2, FileTime{3}});
    files.add({"future", attr::archive, 3, FileTime{4}});
    files.add({"odd", attr::archive, 4, FileTime{5}});
    set({1, 3, 2, 5, 5});
    EXPECT_EQ(compose({"hidden", "dir", "old", "future", "odd", "gone", "midnight"}),
              (std::vector<std::string>{"hidden,2006/01/28 9:05:06,10", "dir,,0", "old,,2", "future,,3", "odd,,4",
                                        "gone,,0", "midnight,2006/01/28,1"}));
    EXPECT_EQ(GetFileSize(files, "gone"), 0u);
}

// ISO dates keep the file's own seconds, show midnight and every year that
// four digits hold; quoting applies as to any field.
TEST_F(RowComposerTest, IsoDates)
{
    const std::pair<std::int64_t, const char*> table[] = {
        {1, "2006-01-28 09:05:07"},
        {2, "2006-01-28 00:00:00"},
        {3, "1979-12-31 23:59:59"},
        {4, "2108-01-01 00:00:00"},
        {5, ""},
        {6, ""},
    };
    dates = DateStyle::iso;
    set({3, 5, 5, 5, 5});
    for (const auto& [ticks, expected] : table) {
        files.add({"f", attr::archive, 1, FileTime{ticks}});
        EXPECT_EQ(line("f"), expected) << ticks;
    }
    files.add({"dir", attr::directory, 0, FileTime{1}});
    set({1, 3, 5, 5, 5}, 3, true);
    EXPECT_EQ(compose({"dir", "a.txt"}),
              (std::vector<std::string>{"\"dir\",\"\"", "\"a.txt\",\"2006-01-28 09:05:07\""}));
}

TEST_F(RowComposerTest, CategoryColumn)
{
    set({1, 4, 5, 5, 5}, 3, true);
    EXPECT_EQ(compose({"アニメ映画.avi", "readme.txt"}),
              (std::vector<std::string>{"\"アニメ映画.avi\",\"映画\"", "\"readme.txt\",\"\""}));
}

// A user's label may hold line breaks and quotes; one file stays one line.
TEST_F(RowComposerTest, AUsersLabelStaysInItsField)
{
    classifier = CategoryClassifier(rules, std::vector<GenreRule>{{"a", "two\nlines^\""}});
    set({1, 4, 5, 5, 5});
    EXPECT_EQ(line("a.txt"), "a.txt,two^Jlines^^\"");
    settings.QuoteOn = true;
    EXPECT_EQ(line("a.txt"), "\"a.txt\",\"two\nlines^\"\"\"");
}

// Quoted fields double their quotes and keep line breaks inside the quotes.
TEST_F(RowComposerTest, QuotedFields)
{
    files.add({"a\"b.txt", attr::archive, 7, FileTime{1}});
    directory = "/home/\"q\"";
    set({0, 1, 2, 5, 5});
    EXPECT_EQ(line("a\"b.txt"), "/home/\"q\",a\"b.txt,7") << "unquoted fields stay as they are";
    settings.QuoteOn = true;
    EXPECT_EQ(line("a\"b.txt"), "\"/home/\"\"q\"\"\",\"a\"\"b.txt\",\"7\"");
    directory = "/tmp/new\nline^";
    EXPECT_EQ(line("a\r\nb\"c^"), "\"/tmp/new\nline^\",\"a\r\nb\"\"c^\",\"0\"");
}

TEST_F(RowComposerTest, UnquotedControlCharactersInNamesAndPathsAreWrittenInCaretNotation)
{
    set({0, 1, 5, 5, 5});
    // directory, name, line
    const std::tuple<const char*, const char*, const char*> table[] = {
        {"/home/x", "\r\n", "/home/x,^M^J"},
        {"/home/x", "^J", "/home/x,^^J"},
        {"/tmp/new\nline", "a\tb;c,\"d\"", "/tmp/new^Jline,a^Ib;c,\"d\""},
        {"/t\tab", "\x01\x1b[0m\x1f\x7f ~", "/t^Iab,^A^[[0m^_\x7f ~"},
        {"/", "a^\nJ\xff", "/,a^^^JJ\xff"},
    };
    for (const auto& [folder, name, expected] : table) {
        directory = folder;
        EXPECT_EQ(line(name), expected) << expected;
    }
}

TEST_F(RowComposerTest, TheCaretOfADoubleByteCharacterIsNoCaret)
{
    // ／ in Shift_JIS is 0x81 0x5E: its second byte is "^".
    const testing::ShiftJisTextRules shiftJis;
    set({1, 5, 5, 5, 5});
    const ListingContext sjis{settings, directory, typed, files, locale, shiftJis, classifier};
    const std::vector<std::string> names{"\x81\x5E.txt", "\x81\x5E^\n"};
    EXPECT_EQ(ListDataSet(sjis, names), (std::vector<std::string>{"\x81\x5E.txt", "\x81\x5E^^^J"}));
}

} // namespace
} // namespace quorrin::listing
