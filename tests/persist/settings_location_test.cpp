#include "persist/settings_location.h"
#include "platform/posix/user_settings_path.h"
#include "platform/posix/utf8_text_rules.h"
#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace quorrin::persist {
namespace {

struct BesideCase {
    const char* executable;
    const char* settings;
};

TEST(SettingsPathBeside, WindowsPathsScannedByWholeCharacters)
{
    const testing::ShiftJisTextRules rules;
    const BesideCase cases[] = {
        {"C:\\Tools\\Zidaz.exe", "C:\\Tools\\Zidaz.ini"},
        {"D:\\ver.2\\tool", "D:\\ver.2\\tool.ini"},
        {"C:\\a\\x.y.exe", "C:\\a\\x.y.ini"},
        {"C:x.exe", "C:x.ini"},
        {"a.b:c", "a.b:c.ini"},
        // 表 is 0x95 0x5C: its second byte is no folder delimiter.
        {"C:\\\x95\x5c\\Zidaz.exe", "C:\\\x95\x5c\\Zidaz.ini"},
        {"C:\\d\\x.\x95\x5c"
         "exe",
         "C:\\d\\x.ini"},
        {"C:\\d.e\\\x95\x5c", "C:\\d.e\\\x95\x5c.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(settingsPathBeside(rules, c.executable, "\\:"), c.settings) << c.executable;
}

TEST(SettingsPathBeside, PosixPathsKnowOnlyTheSlash)
{
    const platform::posix::Utf8TextRules rules;
    const BesideCase cases[] = {
        {"/usr/local/bin/quorrin", "/usr/local/bin/quorrin.ini"},
        {"/opt/ver.2/quorrin", "/opt/ver.2/quorrin.ini"},
        {"/home/u/quorrin.bin", "/home/u/quorrin.ini"},
        {"/a\\b.c/prog", "/a\\b.c/prog.ini"},
        {"/x/a:b.exe", "/x/a:b.ini"},
        {"/x/.hidden", "/x/.ini"},
        {"/home/ユーザー/表.d/道具", "/home/ユーザー/表.d/道具.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(settingsPathBeside(rules, c.executable, "/"), c.settings) << c.executable;
}

struct ChoiceCase {
    const char* name;
    const char* beside;
    bool folderWritable;
    std::optional<const char*> xdgConfigHome;
    std::optional<const char*> home;
    const char* chosen;
};

TEST(ChooseSettingsPath, BesideTheExecutableUnlessItsFolderIsClosed)
{
    const platform::posix::Utf8TextRules rules;
    const ChoiceCase cases[] = {
        {"writable folder", "/opt/q/quorrin.ini", true, "/cfg", "/home/u", "/opt/q/quorrin.ini"},
        {"installed, XDG set", "/usr/bin/quorrin.ini", false, "/cfg", "/home/u", "/cfg/quorrin/quorrin.ini"},
        {"installed, XDG unset", "/usr/bin/quorrin.ini", false, std::nullopt, "/home/u",
         "/home/u/.config/quorrin/quorrin.ini"},
        {"installed, XDG empty", "/usr/bin/quorrin.ini", false, "", "/home/u", "/home/u/.config/quorrin/quorrin.ini"},
        {"installed, XDG relative", "/usr/bin/quorrin.ini", false, "cfg", "/home/u",
         "/home/u/.config/quorrin/quorrin.ini"},
        {"installed, nothing known", "/usr/bin/quorrin.ini", false, std::nullopt, std::nullopt, "/usr/bin/quorrin.ini"},
        {"installed, empty home", "/usr/bin/quorrin.ini", false, std::nullopt, "", "/usr/bin/quorrin.ini"},
        {"no folder at all", "quorrin.ini", true, "/cfg", std::nullopt, "/cfg/quorrin/quorrin.ini"},
    };
    for (const auto& c : cases) {
        std::map<std::string, const char*> environment;
        if (c.xdgConfigHome)
            environment["XDG_CONFIG_HOME"] = *c.xdgConfigHome;
        if (c.home)
            environment["HOME"] = *c.home;
        const auto chosen = platform::posix::chooseSettingsPath(
            rules, c.beside, [&](const std::string&) { return c.folderWritable; },
            [&](const char* name) -> const char* {
                const auto found = environment.find(name);
                return found == environment.end() ? nullptr : found->second;
            });
        EXPECT_EQ(chosen, c.chosen) << c.name;
    }
}

TEST(ChooseSettingsPath, AsksAboutTheExecutablesFolder)
{
    const platform::posix::Utf8TextRules rules;
    const auto none = [](const char*) -> const char* { return nullptr; };
    for (const auto& [beside, folder] : {std::pair{"/opt/q/quorrin.ini", "/opt/q"}, std::pair{"/quorrin.ini", "/"},
                                         std::pair{"/a/表/quorrin.ini", "/a/表"}}) {
        std::string asked;
        platform::posix::chooseSettingsPath(
            rules, beside,
            [&](const std::string& f) {
                asked = f;
                return true;
            },
            none);
        EXPECT_EQ(asked, folder);
    }
}

} // namespace
} // namespace quorrin::persist
