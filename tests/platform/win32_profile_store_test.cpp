#include "platform/ini_document.h"
#include "platform/profile_value.h"
#include "platform/win32/ansi_text_rules.h"
#include "platform/win32/win32_profile_store.h"
#include "support/win32_temp_dir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quorrin::platform::win32 {
namespace {

using testing::Win32TempDir;

// Our own store's logic (the document and how a read answers from it),
// kept in memory: the part of the POSIX store that decides every value.
class DocumentStore final : public ProfileStore {
public:
    explicit DocumentStore(std::string_view text) : document_(text) {}
    std::string read(std::string_view section, std::string_view key, std::string_view fallback) override
    {
        return profileValue(document_, section, key, fallback);
    }
    bool write(std::string_view section, std::string_view key, std::string_view value) override
    {
        document_.set(section, key, value);
        return true;
    }
    bool flush() override { return true; }

private:
    IniDocument document_;
};

TEST(Win32ProfileStore, EmptyValuesAreWrittenAsKeysAndTheFlushKeepsEverything)
{
    Win32TempDir dir;
    Win32ProfileStore store(dir / "q.ini");
    EXPECT_TRUE(store.write("File", "Edit", ""));
    EXPECT_TRUE(store.write("File", "SDir", "C:\\out"));
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(dir.read("q.ini"), "[File]\r\nEdit=\r\nSDir=C:\\out\r\n");
    EXPECT_EQ(store.read("file", "EDIT", "fallback"), "");
    EXPECT_EQ(store.read("File", "Missing", "fallback"), "fallback");
    EXPECT_EQ(store.read("Nowhere", "Edit", "7"), "7");
    const std::string long3000(3000, 'x');
    ASSERT_TRUE(store.write("List", "Long", long3000));
    EXPECT_EQ(store.read("List", "Long", ""), long3000.substr(0, ProfileStore::bufferSize - 1));
}

// Texts the generator draws from: names in both cases, values with blanks,
// quotes, comment and section characters, Japanese text, long runs.
struct Pools {
    std::vector<std::string> sections;
    std::vector<std::string> keys;
    std::vector<std::string> fixedValues;
    std::vector<std::string> files;
};

Pools makePools(const TextRules& rules)
{
    const std::string japanese = rules.fromUtf8("表示フォルダ");
    return Pools{
        {"List", "LIST", "File", "Disk", "Extra", rules.fromUtf8("設定"), "two words"},
        {"1", "Tab", "TAB", "Dir", "SDir", "Edit", "Custom", rules.fromUtf8("表"), "key 2"},
        {"", "0", "-1", "C:\\Tools", "  padded  ", "\"quoted\"", "'single'", "\"  kept blanks  \"", "\"half", "a=b",
         "; not a comment", "[not a section]", japanese, "C:\\" + japanese + "\\" + japanese, "\t tab \t"},
        {"", "[List]\r\n1=1\r\nTab=2\r\n",
         "; settings\r\n[Extra]\r\nfoo=bar\r\nCustom = spaced \r\n\r\n[List]\r\nTab=3\r\n[Disk]\r\nDir=\"C:\\x\"\r\n",
         "[list]\nTAB=5\n\n[FILE]\nedit=abc\n",
         "[Disk]\r\nDrive=99\r\n" + rules.fromUtf8("表") + "=" + japanese + "\r\n"},
    };
}

std::string randomValue(std::mt19937& random, const Pools& pools)
{
    std::uniform_int_distribution<int> kind(0, 9);
    const int k = kind(random);
    if (k < 6)
        return pools.fixedValues[std::uniform_int_distribution<std::size_t>(0, pools.fixedValues.size() - 1)(random)];
    // Printable ASCII without line breaks, short or beyond the buffer.
    const std::size_t length = k == 9 ? std::uniform_int_distribution<std::size_t>(1500, 3000)(random)
                                      : std::uniform_int_distribution<std::size_t>(1, 40)(random);
    std::uniform_int_distribution<int> byte(0x20, 0x7E);
    std::string value;
    for (std::size_t i = 0; i < length; ++i)
        value += static_cast<char>(byte(random));
    return value;
}

TEST(Win32ProfileStore, AgreesWithOurOwnStoreOnEveryValueReadBack)
{
    const AnsiTextRules rules;
    const Pools pools = makePools(rules);
    Win32TempDir dir;
    std::mt19937 random(9);
    auto pick = [&](const std::vector<std::string>& from) -> const std::string& {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    const std::vector<std::string> fallbacks{"", "def", "7"};

    int cases = 0;
    int readsCompared = 0;
    int differences = 0;
    for (int n = 0; n < 1000; ++n) {
        const std::string& initial = pick(pools.files);
        const std::string name = "case" + std::to_string(n) + ".ini";
        if (!initial.empty())
            dir.writeFile(name, initial);
        Win32ProfileStore system(dir / name);
        DocumentStore ours(initial);
        std::string history;
        auto compare = [&](const std::string& section, const std::string& key, const std::string& fallback) {
            ++readsCompared;
            const std::string a = system.read(section, key, fallback);
            const std::string b = ours.read(section, key, fallback);
            if (a != b && ++differences <= 10)
                ADD_FAILURE() << "case " << n << " [" << section << "] " << key << ": system \"" << a.substr(0, 80)
                              << "\" ours \"" << b.substr(0, 80) << "\"\nafter:" << history;
        };
        const int steps = std::uniform_int_distribution<int>(1, 8)(random);
        for (int s = 0; s < steps; ++s) {
            const std::string& section = pick(pools.sections);
            const std::string& key = pick(pools.keys);
            if (std::uniform_int_distribution<int>(0, 3)(random) == 0) {
                compare(section, key, pick(fallbacks));
                continue;
            }
            const std::string value = randomValue(random, pools);
            history += "\n  [" + section + "] " + key + "=" + value.substr(0, 60);
            ASSERT_TRUE(system.write(section, key, value));
            ours.write(section, key, value);
        }
        ASSERT_TRUE(system.flush());
        for (const auto& section : pools.sections)
            for (const auto& key : pools.keys)
                compare(section, key, pick(fallbacks));
        compare("Extra", "foo", "");
        ++cases;
    }
    EXPECT_EQ(cases, 1000);
    EXPECT_EQ(differences, 0) << "of " << readsCompared << " reads";
    RecordProperty("reads_compared", readsCompared);
}

} // namespace
} // namespace quorrin::platform::win32
