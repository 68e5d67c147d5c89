#include "persist/genre_settings.h"
#include "persist/ini_mapping.h"
#include "support/file_content.h"
#include "support/temp_dir.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quorrin::persist {
namespace {

using listing::GenreRule;
using listing::GenreTable;

const text::Utf8TextRules rules;

using testing::contentOf;

void write(const std::string& path, const GenreTable& table)
{
    SettingsFile file(rules, path);
    writeGenreRules(file, table);
    file.Flush();
}

GenreTable read(const std::string& path)
{
    SettingsFile file(rules, path);
    return readGenreRules(file);
}

TEST(GenreSettings, EveryRuleReadsBackWhole)
{
    const std::vector<GenreRule> table{
        {"a|b", "c|d"},
        {"back\\slash\\", "\\|"},
        {"line\nbreak\r\n", "two\nlines"},
        {"  spaced  ", " label "},
        {"\"quoted\"", "'x'"},
        {"mp3", "音声", true},
        {"", "empty keyword"},
        {"empty label", ""},
        {"\xff\xfe", "not UTF-8 \x80"},
        {"=;[Section]", "#"},
    };
    const testing::TempDir dir;
    write(dir / "q.ini", table);
    EXPECT_EQ(read(dir / "q.ini"), GenreTable(table));
    // One line per rule: no break in a field reaches the file.
    const std::string text = contentOf(dir / "q.ini");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + static_cast<std::ptrdiff_t>(table.size()));
}

TEST(GenreSettings, HandWrittenTexts)
{
    struct Case {
        const char* text;
        GenreRule rule;
    } cases[] = {
        {"TV|テレビ", {"TV", "テレビ"}},     {"mp3|音声|EXT", {"mp3", "音声", true}},
        {"mp3|音声|other", {"mp3", "音声"}}, {"only keyword", {"only keyword", ""}},
        {"a\\|b|c\\", {"a|b", "c\\"}},       {"\\x\\n|", {"x\n", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseGenreRuleText(c.text), c.rule) << c.text;
}

TEST(GenreSettings, TheSectionDecidesBetweenTheBuiltInAndTheUsersTable)
{
    struct Case {
        const char* file;
        GenreTable table;
    } cases[] = {
        {"", std::nullopt},
        {"[Genre]\r\n", std::nullopt},
        {"[Genre]\r\nTable=standard\r\nRule1=a|b\r\n", std::nullopt},
        {"[Genre]\r\nTable=own\r\n", std::vector<GenreRule>{}},
        {"[Genre]\r\nRule1=a|b\r\n", std::vector<GenreRule>{{"a", "b"}}},
        // Empty values are passed over; reading stops at the first gap.
        {"[Genre]\r\nTable=own\r\nRule1=a|b\r\nRule2=\r\nRule3=c|d\r\nRule5=e|f\r\n",
         std::vector<GenreRule>{{"a", "b"}, {"c", "d"}}},
        // The first of two keys with one name counts.
        {"[Genre]\r\nRule1=a|b\r\nRule1=c|d\r\n", std::vector<GenreRule>{{"a", "b"}}},
    };
    for (const Case& c : cases) {
        const testing::TempDir dir;
        dir.writeFile("q.ini", c.file);
        EXPECT_EQ(read(dir / "q.ini"), c.table) << c.file;
    }
}

TEST(GenreSettings, WritesKeepWhatTheyDoNotOwn)
{
    struct Case {
        const char* before;
        GenreTable table;
        const char* after;
    } cases[] = {
        // The built-in table adds no section to a file without one.
        {"[List]\r\nTabNo=1\r\n", std::nullopt, "[List]\r\nTabNo=1\r\n"},
        {"[Genre]\r\nRule1=a|b\r\n", std::nullopt, "[Genre]\r\nRule1=a|b\r\nTable=standard\r\n"},
        // A shorter table empties the keys of the longer one.
        {"[Genre]\r\nTable=own\r\nRule1=a|b\r\nRule2=c|d\r\nRule3=e|f\r\n", std::vector<GenreRule>{{"x", "y"}},
         "[Genre]\r\nTable=own\r\nRule1=x|y\r\nRule2=\r\nRule3=\r\n"},
        // A second key of one name is left as it stands.
        {"[Genre]\r\nRule1=a|b\r\nRule1=c|d\r\n", std::vector<GenreRule>{{"x", "y"}},
         "[Genre]\r\nRule1=x|y\r\nRule1=c|d\r\nTable=own\r\n"},
    };
    for (const Case& c : cases) {
        const testing::TempDir dir;
        dir.writeFile("q.ini", c.before);
        write(dir / "q.ini", c.table);
        EXPECT_EQ(contentOf(dir / "q.ini"), c.after) << c.before;
    }
}

TEST(GenreSettings, TenThousandRulesGoThroughTheWholeSettingsPass)
{
    std::vector<GenreRule> table;
    for (int i = 0; i < 10000; ++i)
        table.push_back({"k" + std::to_string(i), "l" + std::to_string(i), i % 2 == 0});
    const testing::TempDir dir;
    {
        listing::ListSettings settings = listing::defaultListSettings(listing::builtInPresetFilterCount);
        SettingsFile file(rules, dir / "q.ini");
        IniWrite(file, settings, "/d", "", {}, table);
    }
    EXPECT_EQ(read(dir / "q.ini"), GenreTable(table));
}

} // namespace
} // namespace quorrin::persist
