#include "persist/scan_settings.h"
#include "support/temp_dir.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace quorrin::persist {
namespace {

const text::Utf8TextRules rules;

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ScanSettings, ReadWhatTheSectionHoldsAndDefaultsWithoutIt)
{
    const struct {
        const char* text;
        bool subfolders;
        std::int32_t depth;
        bool stored;
    } cases[] = {
        {"[List]\n1=1\n", false, 0, false},
        {"[Scan]\nSubfolders=1\nDepth=3\n", true, 3, true},
        {"[scan]\nsubfolders=1\n", true, 0, true},
        {"[Scan]\nDepth=-2\n", false, 0, true},
        {"[Scan]\nSubfolders=\nDepth=x\n", false, 0, true},
    };
    for (const auto& c : cases) {
        testing::TempDir dir;
        dir.writeFile("q.ini", c.text);
        SettingsFile file(rules, dir / "q.ini");
        const ScanSettings scan = readScanSettings(file);
        EXPECT_EQ(scan.subfolders, c.subfolders) << c.text;
        EXPECT_EQ(scan.depth, c.depth) << c.text;
        EXPECT_EQ(scan.stored, c.stored) << c.text;
    }
}

TEST(ScanSettings, TheSectionIsWrittenOnlyOnceItMatters)
{
    const struct {
        ScanSettings scan;
        const char* expected;
    } cases[] = {
        {{false, 0, false}, "[List]\n1=1\n"},
        {{true, 0, false}, "[List]\n1=1\n[Scan]\nSubfolders=1\nDepth=0\n"},
        {{false, 2, false}, "[List]\n1=1\n[Scan]\nSubfolders=0\nDepth=2\n"},
        {{false, 0, true}, "[List]\n1=1\n[Scan]\nSubfolders=0\nDepth=0\n"},
    };
    for (const auto& c : cases) {
        testing::TempDir dir;
        dir.writeFile("q.ini", "[List]\n1=1\n");
        {
            SettingsFile file(rules, dir / "q.ini");
            writeScanSettings(file, c.scan);
            file.Flush();
        }
        EXPECT_EQ(contentOf(dir / "q.ini"), c.expected);
    }
}

} // namespace
} // namespace quorrin::persist
