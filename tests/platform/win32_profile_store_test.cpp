#include "platform/win32/ansi_text_rules.h"
#include "platform/win32/win32_profile_store.h"
#include "support/win32_temp_dir.h"
#include "text/ini_document.h"
#include "text/profile_value.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quorrin::platform::win32 {
namespace {

using testing::Win32TempDir;

TEST(Win32ProfileStore, EmptyValuesAreWrittenAsKeysAndTheFlushKeepsEverything)
{
    Win32TempDir dir;
    Win32ProfileStore store(dir / "q.ini");
    EXPECT_TRUE(store.write("File", "Edit", ""));
    EXPECT_TRUE(store.write("File", "SDir", "C:\\out"));
    EXPECT_EQ(store.flush(), WriteOutcome::written);
    EXPECT_EQ(dir.read("q.ini"), "[File]\r\nEdit=\r\nSDir=C:\\out\r\n");
    EXPECT_EQ(store.read("file", "EDIT", "fallback"), "");
}

// Lengths round the service's first buffer and its doublings.
TEST(Win32ProfileStore, ValuesAndFallbacksOfAnyLengthComeBackWhole)
{
    Win32TempDir dir;
    Win32ProfileStore store(dir / "q.ini");
    for (const std::size_t length : {2046u, 2047u, 2048u, 4095u, 4096u, 10000u}) {
        const std::string value = "C:\\" + std::string(length - 3, 'd');
        ASSERT_TRUE(store.write("Disk", "Dir", value));
        EXPECT_EQ(store.read("Disk", "Dir", ""), value) << length;
        EXPECT_EQ(store.read("Disk", "Missing", value), value) << length;
    }
}

// Values with blanks, quotes, comment and section characters, Japanese
// text, and runs beyond the buffer, against files of both line endings.
std::string randomValue(std::mt19937& random, const std::vector<std::string>& fixed)
{
    const int kind = std::uniform_int_distribution<int>(0, 9)(random);
    if (kind < 6)
        return fixed[std::uniform_int_distribution<std::size_t>(0, fixed.size() - 1)(random)];
    const std::size_t length = std::uniform_int_distribution<std::size_t>(1, kind == 9 ? 3000 : 40)(random);
    std::string value;
    for (std::size_t i = 0; i < length; ++i)
        value += static_cast<char>(std::uniform_int_distribution<int>(0x20, 0x7E)(random));
    return value;
}

TEST(Win32ProfileStore, AgreesWithOurOwnStoreOnEveryValueReadBack)
{
    const AnsiTextRules rules;
    const std::string japanese = rules.fromUtf8("表示フォルダ");
    const std::vector<std::string> sections{"List", "LIST", "File", "Extra", rules.fromUtf8("設定"), "two words"};
    const std::vector<std::string> keys{"Tab", "TAB", "Dir", "Custom", rules.fromUtf8("表"), "key 2"};
    const std::vector<std::string> fixed{
        "",         "C:\\Tools", "  padded  ",      "\"quoted\"",      "\"  kept blanks  \"",
        "\"half",   "a=b",       "; not a comment", "[not a section]", "C:\\" + japanese,
        "\t tab \t"};
    const std::vector<std::string> files{
        "", "; settings\r\n[Extra]\r\nfoo=bar\r\nCustom = spaced \r\n\r\n[List]\r\nTab=3\r\n",
        "[list]\nTAB=5\n\n[FILE]\nedit=abc\n", "[Disk]\r\n" + rules.fromUtf8("表") + "=" + japanese + "\r\n"};
    const std::vector<std::string> fallbacks{"", "def"};
    Win32TempDir dir;
    std::mt19937 random(9);
    auto pick = [&](const std::vector<std::string>& from) -> const std::string& {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    int differences = 0;
    for (int n = 0; n < 1000; ++n) {
        const std::string& initial = pick(files);
        const std::string name = "case" + std::to_string(n) + ".ini";
        if (!initial.empty())
            dir.writeFile(name, initial);
        Win32ProfileStore system(dir / name);
        // Our own store's logic, in memory: the part of the POSIX store that decides every value.
        text::IniDocument ours(initial);
        std::string history;
        auto compare = [&](const std::string& section, const std::string& key) {
            const std::string& fallback = pick(fallbacks);
            const std::string a = system.read(section, key, fallback);
            const std::string b = text::profileValue(ours, section, key, fallback);
            if (a != b && ++differences <= 10)
                ADD_FAILURE() << "case " << n << " [" << section << "] " << key << ": system \"" << a.substr(0, 80)
                              << "\" ours \"" << b.substr(0, 80) << "\"\nafter:" << history;
        };
        for (int s = std::uniform_int_distribution<int>(1, 8)(random); s > 0; --s) {
            const std::string& section = pick(sections);
            const std::string& key = pick(keys);
            if (std::uniform_int_distribution<int>(0, 3)(random) == 0) {
                compare(section, key);
                continue;
            }
            const std::string value = randomValue(random, fixed);
            history += "\n  [" + section + "] " + key + "=" + value.substr(0, 60);
            ASSERT_TRUE(system.write(section, key, value));
            ours.set(section, key, value);
        }
        ASSERT_EQ(system.flush(), WriteOutcome::written);
        for (const auto& section : sections)
            for (const auto& key : keys)
                compare(section, key);
        compare("Extra", "foo");
    }
    EXPECT_EQ(differences, 0);
}

} // namespace
} // namespace quorrin::platform::win32
