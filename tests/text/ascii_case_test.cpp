#include "text/ascii_case.h"
#include "text/utf8_text_rules.h"

#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

namespace quorrin::text {
namespace {

TEST(AsciiLetters, FoldOnlySingleByteLettersAndKeepEveryDoubleByteCharacter)
{
    const testing::ShiftJisTextRules shiftJis;
    const Utf8TextRules utf8;
    const struct {
        const TextRules& rules;
        const char* text;
        const char* lower;
        const char* upper;
    } cases[] = {
        {shiftJis, "Ab-Z@[`{", "ab-z@[`{", "AB-Z@[`{"},
        // ア is 0x83 0x41 and ャ 0x83 0x62: their second bytes are "A" and "b".
        {shiftJis, "\x83\x41x\x83\x62Y", "\x83\x41x\x83\x62y", "\x83\x41X\x83\x62Y"},
        // A lead byte at the very end is a character of its own.
        {shiftJis, "Q\x83", "q\x83", "Q\x83"},
        {utf8, "Äb.TXT", "Äb.txt", "ÄB.TXT"},
        {utf8, "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lowerAsciiLetters(c.rules, c.text), c.lower) << c.text;
        EXPECT_EQ(upperAsciiLetters(c.rules, c.text), c.upper) << c.text;
    }
}

} // namespace
} // namespace quorrin::text
