#include "compose/natural_key.h"

#include "listing/both_code_pages.h"

#include <gtest/gtest.h>

namespace quorrin::compose {
namespace {

class NaturalKeyTest : public ::testing::TestWithParam<std::shared_ptr<text::TextRules>> {
protected:
    std::string keyOf(const char* utf8) const
    {
        const NaturalKey natural(*GetParam());
        std::string key;
        natural.append(key, GetParam()->fromUtf8(utf8));
        return key;
    }
};

TEST_P(NaturalKeyTest, DigitRunsCompareByValue)
{
    // -1: first before second, 0: equal keys, 1: first after second.
    const struct {
        const char* first;
        const char* second;
        int order;
    } cases[] = {
        {"file2", "file10", -1},
        {"第2話", "第10話", -1},
        {"ファイル２", "ファイル１０", -1},
        {"ファイル２", "ファイル10", -1},     // widths mix within one run
        {"x２０", "x20", 0},                  // full-width digits are the same number
        {"x007", "x7", 0},                    // leading zeros
        {"x0", "x000", 0},                    // zero itself
        {"x99999999999999999999", "x100", 1}, // longer than any machine number
        {"x12345678901234567891", "x12345678901234567890", 1},
        {"v1.10", "v1.9", 1},
        {"a1b", "A1c", -1},    // case ignored
        {"1abc", "abc", -1},   // a number before text
        {"file", "file2", -1}, // a name that ends first
        {"file", "filex", -1},
        {"", "0", -1},
    };
    for (const auto& c : cases) {
        const std::string first = keyOf(c.first);
        const std::string second = keyOf(c.second);
        const int order = first < second ? -1 : first == second ? 0 : 1;
        EXPECT_EQ(order, c.order) << c.first << " / " << c.second;
    }
}

INSTANTIATE_TEST_SUITE_P(CodePages, NaturalKeyTest, listing::bothCodePages(), listing::codePageName);

} // namespace
} // namespace quorrin::compose
