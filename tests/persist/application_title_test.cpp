#include "persist/application_title.h"

#include "support/shift_jis_text_rules.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

namespace quorrin::persist {
namespace {

TEST(ApplicationTitle, TakesTheFileNameBeforeItsFirstDotWithLaterLettersLowered)
{
    const text::Utf8TextRules rules;
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"C:\\Tools\\ZIDAZ.EXE", "\\:", "Zidaz"}, {"C:QUORRIN.EXE", "\\:", "Quorrin"},
        {"/opt/ver.2/QJ.tool.bin", "/", "Qj"},    {"/opt/q/.hidden", "/", ""},
        {"/opt/q/日本ABC", "/", "日本abc"},
    };
    for (const auto& [path, delimiters, title] : cases)
        EXPECT_EQ(applicationTitle(rules, path, delimiters), title) << path;

    // ｱ is single-byte; ソ (0x83 0x5C) ends in "\" and ア (0x83 0x41) in "A".
    const quorrin::testing::ShiftJisTextRules sjis;
    const std::string so = sjis.fromUtf8("ソ");
    const std::string a = sjis.fromUtf8("ア");
    EXPECT_EQ(applicationTitle(sjis, "C:\\" + so + "\\X" + a + "Y.EXE", "\\:"), "X" + a + "y");
    EXPECT_EQ(applicationTitle(sjis, "C:\\dir\\" + so + "AB.exe", "\\:"), so + "ab");
}

} // namespace
} // namespace quorrin::persist
