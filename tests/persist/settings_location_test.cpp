#include "persist/settings_location.h"
#include "support/shift_jis_text_rules.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

namespace quorrin::persist {
namespace {

TEST(SettingsPathBeside, ReplacesTheExtensionOfTheFileNameOnly)
{
    const testing::ShiftJisTextRules shiftJis;
    const text::Utf8TextRules utf8;
    const struct {
        const text::TextRules& rules;
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

} // namespace
} // namespace quorrin::persist
