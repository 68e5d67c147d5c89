#include "persist/ini_mapping.h"
#include "support/file_content.h"
#include "support/temp_dir.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace quorrin::persist {
namespace {

using listing::ListSettings;

const text::Utf8TextRules rules;

using testing::contentOf;

ListSettings readSettings(const std::string& path)
{
    ListSettings settings = listing::defaultListSettings(listing::builtInPresetFilterCount);
    std::string typed;
    listing::OutputOptions output;
    SettingsFile file(rules, path);
    IniRead(file, settings, typed, output);
    return settings;
}

struct HostileCase {
    const char* name;
    std::string text;
    // What the read makes of the file: the record it changes from the defaults.
    std::int32_t tabNo;
    std::int32_t column1;
    std::string editText;
    // Lines the program does not own, which the write has to keep in this order.
    std::vector<std::string> kept;
};

std::vector<HostileCase> hostileCases()
{
    // Ten-megabyte files and lines beyond 64 KiB are the profile store's own tests.
    // clang-format off
    return {
        {"empty", "", 2, 1, "", {}},
        {"binary around our keys", std::string("\0\xff\x01=\n[List]\n1=0\n\0\xfe]\n", 20), 2, 0, "", {}},
        {"duplicate sections and keys", "[List]\nTab=3\nTab=4\n[list]\nTab=5\n1=0\n", 3, 1, "",
         {"Tab=4", "[list]", "Tab=5", "1=0"}},
        {"CR-only line ends", "[List]\r1=0\rTab=6\r[Other]\rx=y\r", 6, 0, "", {"[Other]", "x=y"}},
        {"mixed line ends", "; top\r\n[List]\n1=4\rTab=1\r\n\n[File]\rEdit=*.c\n", 1, 4, "*.c", {"; top"}},
        {"not UTF-8", "[File]\r\nEdit=\x95\x5c*.txt\r\n[\x90\xdd\x92\xe8]\r\nk=\x83\x41\xff\r\n", 2, 1,
         "\x95\x5c*.txt", {"[\x90\xdd\x92\xe8]", "k=\x83\x41\xff"}},
        {"byte-order mark", "\xEF\xBB\xBF[List]\r\nTab=0\r\n", 0, 1, "", {}},
    };
    // clang-format on
}

// Whether the text holds these lines, whatever ends them, in this order.
bool holdsLinesInOrder(const std::string& text, const std::vector<std::string>& wanted)
{
    std::size_t at = 0;
    for (std::size_t start = 0; start < text.size() && at < wanted.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        if (text.compare(start, end - start, wanted[at]) == 0)
            ++at;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return at == wanted.size();
}

TEST(HostileSettingsFile, ReadsWhatItCanAndTheNextCloseWritesAValidFileKeepingForeignLines)
{
    for (const auto& c : hostileCases()) {
        SCOPED_TRACE(c.name);
        testing::TempDir dir;
        const std::string path = dir / "quorrin.ini";
        dir.writeFile("quorrin.ini", c.text);

        ListSettings settings = readSettings(path);
        EXPECT_EQ(settings.TabNo, c.tabNo);
        EXPECT_EQ(settings.ListCol1, c.column1);
        EXPECT_TRUE(settings.EditText == c.editText);

        settings.ListCol2 = listing::ckDate;
        {
            SettingsFile file(rules, path);
            IniWrite(file, settings, "/data", "", {});
        }
        const std::string written = contentOf(path);
        const ListSettings again = readSettings(path);
        EXPECT_EQ(again.columns(), settings.columns());
        EXPECT_EQ(again.TabNo, settings.TabNo);
        EXPECT_TRUE(again.EditText == settings.EditText);
        EXPECT_EQ(again.DirPath, "/data");

        EXPECT_TRUE(holdsLinesInOrder(written, c.kept));
        // Everything before our first section is untouched, byte for byte.
        const std::size_t ours = std::min({c.text.find("[List"), c.text.find("[File"), c.text.find("[Disk")});
        const std::string before = c.text.substr(0, std::min(ours, c.text.size()));
        EXPECT_TRUE(written.starts_with(before)) << "the bytes in front of our sections changed";
    }
}

} // namespace
} // namespace quorrin::persist
