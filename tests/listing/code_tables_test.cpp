#include "listing/code_tables.h"

#include <gtest/gtest.h>

namespace quorrin::listing {
namespace {

TEST(SeparatorTable, EachFixedChoiceHasItsSingleCharacterAndTypedTextOtherwise)
{
    const std::pair<std::int32_t, const char*> fixed[] = {{0, ""},  {1, " "}, {2, "\t"}, {3, ","},
                                                          {4, "-"}, {5, "_"}, {6, "/"},  {7, "+"}};
    for (const auto& [choice, text] : fixed) {
        ASSERT_NE(fixedSeparator(choice), nullptr) << choice;
        EXPECT_EQ(*fixedSeparator(choice), text) << choice;
    }
    for (std::int32_t typed : {-1, 8, 99, -2147483647 - 1})
        EXPECT_EQ(fixedSeparator(typed), nullptr) << typed;
}

} // namespace
} // namespace quorrin::listing
