#include "listing/dos_date_time.h"

#include <gtest/gtest.h>

#include <optional>

namespace quorrin::listing {
namespace {

using platform::LocalDateTime;

TEST(DosDateTime, KeepsTwoSecondResolutionWithinTheFileDateRange)
{
    const struct {
        LocalDateTime in;
        std::optional<LocalDateTime> out;
    } table[] = {
        {{2006, 1, 28, 9, 5, 7}, LocalDateTime{2006, 1, 28, 9, 5, 6}},
        {{1980, 1, 1, 0, 0, 0}, LocalDateTime{1980, 1, 1, 0, 0, 0}},
        {{2107, 12, 31, 23, 59, 59}, LocalDateTime{2107, 12, 31, 23, 59, 58}},
        {{1979, 12, 31, 23, 59, 59}, std::nullopt},
        {{2108, 1, 1, 0, 0, 0}, std::nullopt},
        {{2100, 2, 29, 0, 0, 0}, std::nullopt}, // 2100 is no leap year
        {{2006, 4, 31, 0, 0, 0}, std::nullopt},
        {{2006, 1, 1, 24, 0, 0}, std::nullopt},
    };
    for (const auto& row : table) {
        const auto packed = packDosDateTime(row.in);
        ASSERT_EQ(packed.has_value(), row.out.has_value())
            << row.in.year << "-" << row.in.month << "-" << row.in.day << " " << row.in.hour;
        if (packed) {
            EXPECT_EQ(unpackDosDateTime(*packed), *row.out) << row.in.year;
        }
    }
}

} // namespace
} // namespace quorrin::listing
