#include "persist/settings_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace quorrin::persist {
namespace {

struct NumberCase {
    const char* text;
    std::optional<std::int32_t> value;
};

TEST(SettingsNumber, ParsesExactlyTheWholeTextOrNothing)
{
    const auto none = std::nullopt;
    // clang-format off
    const NumberCase cases[] = {
        // Decimal, with sign and leading zeros, within 32 bits.
        {"007", 7}, {"-1", -1}, {"+5", 5}, {"-0", 0}, {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
        {"00000000002147483647", INT32_MAX}, {"2147483648", none}, {"-2147483649", none},
        // Hexadecimal prefixes, at most eight significant digits, 32 bits signed.
        {"0X7", 7}, {"$1f", 31}, {"X7", 7}, {"$FFFFFFFF", -1}, {"$80000000", INT32_MIN}, {"$000000007", 7},
        {"0x00000000FFFFFFFF", -1}, {"$123456789", none}, {"0x0", 0},
        // Leading spaces only; nothing may follow the number.
        {"  12", 12}, {"   $A", 10}, {"\t7", none}, {"7 ", none}, {"7a", none}, {"1.0", none},
        // Prefixes and signs without digits, signs before hexadecimal.
        {"", none}, {"   ", none}, {"$", none}, {"0x", none}, {"-", none}, {"-0x1F", none}, {"+$1", none},
        {"$-1", none}, {"$G", none}, {"00x7", none},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(parseSettingsNumber(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
} // namespace quorrin::persist
