#include "platform/errors.h"

#include <gtest/gtest.h>

namespace quorrin {
namespace {

TEST(DirectoryChangeMessage, NamesTheKnownCodesAndNumbersTheRest)
{
    // Neighbours of the known codes included, so a table that spills over
    // its entries shows up.
    const std::pair<int, const char*> cases[] = {
        {2, "File not found"}, {3, "Invalid filename"},        {5, "File access denied"},
        {101, "Disk full"},    {106, "Invalid numeric input"}, {1, "I/O error 1"},
        {6, "I/O error 6"},    {102, "I/O error 102"},         {-1, "I/O error -1"}};
    for (const auto& [code, message] : cases)
        EXPECT_EQ(directoryChangeMessage(code), message) << code;
}

} // namespace
} // namespace quorrin
