#include "persist/settings_location.h"
#include "platform/posix/user_settings_path.h"
#include "platform/posix/utf8_text_rules.h"
#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace quorrin::persist {
namespace {

TEST(SettingsPathBeside, ReplacesTheExtensionOfTheFileNameOnly)
{
    const testing::ShiftJisTextRules shiftJis;
    const platform::posix::Utf8TextRules utf8;
    const struct {
        const platform::TextRules& rules;
        const char* delimiters;
        const char* executable;
        const char* settings;
    } cases[] = {
        {shiftJis, "\\:", "C:\\Tools\\Zidaz.exe", "C:\\Tools\\Zidaz.ini"},
        // 表 is 0x95 0x5C: its second byte is no folder delimiter.
        {shiftJis, "\\:", "C:\\\x95\x5c\\Zidaz.exe", "C:\\\x95\x5c\\Zidaz.ini"},
        {shiftJis, "\\:", "C:\\d.e\\\x95\x5c", "C:\\d.e\\\x95\x5c.ini"},
        {utf8, "/", "/opt/ver.2/quorrin", "/opt/ver.2/quorrin.ini"},
        {utf8, "/", "/a\\b.c/prog", "/a\\b.c/prog.ini"},
        {utf8, "/", "/x/.hidden", "/x/.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(settingsPathBeside(c.rules, c.executable, c.delimiters), c.settings) << c.executable;
}

TEST(ChooseSettingsPath, BesideTheExecutableUnlessItsFolderIsClosed)
{
    const platform::posix::Utf8TextRules rules;
    const std::optional<const char*> unset;
    const struct {
        const char* beside;
        bool folderWritable;
        std::optional<const char*> xdgConfigHome;
        std::optional<const char*> home;
        const char* chosen;
        const char* asked; // the folder whose permission decides
    } cases[] = {
        {"/opt/q/quorrin.ini", true, "/cfg", "/home/u", "/opt/q/quorrin.ini", "/opt/q"},
        {"/usr/bin/quorrin.ini", false, "/cfg", "/home/u", "/cfg/quorrin/quorrin.ini", "/usr/bin"},
        {"/usr/bin/quorrin.ini", false, unset, "/home/u", "/home/u/.config/quorrin/quorrin.ini", "/usr/bin"},
        {"/usr/bin/quorrin.ini", false, "cfg", "/home/u", "/home/u/.config/quorrin/quorrin.ini", "/usr/bin"},
        {"/usr/bin/quorrin.ini", false, unset, unset, "/usr/bin/quorrin.ini", "/usr/bin"},
        {"/a/表/quorrin.ini", false, unset, "", "/a/表/quorrin.ini", "/a/表"},
        {"quorrin.ini", true, "/cfg", unset, "/cfg/quorrin/quorrin.ini", ""}, // no folder at all
    };
    for (const auto& c : cases) {
        std::map<std::string, const char*> environment;
        if (c.xdgConfigHome)
            environment["XDG_CONFIG_HOME"] = *c.xdgConfigHome;
        if (c.home)
            environment["HOME"] = *c.home;
        std::string asked;
        const auto chosen = platform::posix::chooseSettingsPath(
            rules, c.beside,
            [&](const std::string& folder) {
                asked = folder;
                return c.folderWritable;
            },
            [&](const char* name) -> const char* {
                const auto found = environment.find(name);
                return found == environment.end() ? nullptr : found->second;
            });
        EXPECT_EQ(chosen, c.chosen) << c.beside;
        EXPECT_EQ(asked, c.asked) << c.beside;
    }
}

} // namespace
} // namespace quorrin::persist
