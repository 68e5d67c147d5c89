#include "platform/posix/user_settings_path.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace quorrin::platform::posix {
namespace {

TEST(ChooseSettingsPath, BesideTheExecutableUnlessItsFolderIsClosed)
{
    const text::Utf8TextRules rules;
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
        const auto chosen = chooseSettingsPath(
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
} // namespace quorrin::platform::posix
