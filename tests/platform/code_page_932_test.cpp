#include "platform/native.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace quorrin::platform {
namespace {

// What Windows writes, recorded once from WideCharToMultiByte under Wine.
CodePage932Table windowsTable()
{
    CodePage932Table table(0x10000, noCodePage932);
    std::ifstream in(QUORRIN_CODE_PAGE_932_TABLE);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        unsigned scalar = 0;
        unsigned code = 0;
        std::istringstream(line) >> std::hex >> scalar >> code;
        table.at(scalar) = static_cast<std::uint16_t>(code);
    }
    return table;
}

std::string describe(char32_t c, std::uint16_t code)
{
    char text[32];
    if (code == noCodePage932)
        std::snprintf(text, sizeof text, "U+%04X none", static_cast<unsigned>(c));
    else
        std::snprintf(text, sizeof text, "U+%04X %X", static_cast<unsigned>(c), code);
    return text;
}

// The same characters have a code, with the same bytes, on both systems:
// a file saved on one reads back the same on the other.
TEST(CodePage932, TheSystemWritesWhatWindowsWrites)
{
    const auto converter = makeNativeCharsetConverter();
    const CodePage932Table* table = converter->codePage932();
    ASSERT_NE(table, nullptr);
    const CodePage932Table expected = windowsTable();
    ASSERT_EQ(expected.size(), table->size());
    std::size_t mapped = 0;
    std::string differences;
    for (char32_t c = 0; c < 0x10000; ++c) {
        mapped += expected[c] != noCodePage932;
        if ((*table)[c] != expected[c])
            differences += describe(c, (*table)[c]) + " where Windows has " + describe(c, expected[c]) + "\n";
    }
    EXPECT_EQ(differences, "");
    EXPECT_EQ(mapped, 9402u);
}

TEST(CodePage932, CharactersThatAreEasyToGetWrong)
{
    const auto converter = makeNativeCharsetConverter();
    const CodePage932Table& table = *converter->codePage932();
    const struct {
        char32_t c;
        std::uint16_t code;
    } cases[] = {
        {U'表', 0x955C},                                                // second byte is the backslash
        {U'ｱ', 0xB1},                                                   // half-width kana are single bytes
        {U'ﾟ', 0xDF},           {U'～', 0x8160},                        // the full-width tilde is the wave dash's code
        {U'〜', noCodePage932},                                         // the wave dash itself has none on Windows
        {U'①', 0x8740},                                                 // NEC special characters, row 13
        {U'㈱', 0x878A},        {U'㍉', 0x875F}, {U'≒', 0x81E0},        // in JIS and in row 13: the JIS code wins
        {U'∵', 0x81E6},         {U'ⅰ', 0xFA40},                         // IBM extensions, not the NEC-selected copies
        {U'纊', 0xFA5C},        {U'￢', 0x81CA}, {U'¥', noCodePage932}, // no best fit onto the backslash
        {U'\\', 0x5C},          {U'〓', 0x81AC},
    };
    for (const auto& [c, code] : cases)
        EXPECT_EQ(describe(c, table[c]), describe(c, code));
}

} // namespace
} // namespace quorrin::platform
