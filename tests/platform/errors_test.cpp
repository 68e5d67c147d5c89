#include "platform/errors.h"

#include <gtest/gtest.h>

namespace quorrin {
namespace {

TEST(DirectoryChangeMessage, NamesTheKnownCodesAndNumbersTheRest)
{
    // Neighbours of the known codes included, so a table that spills over
    // its entries shows up.
    const std::pair<int, const char*> cases[] = {{2, "File not found"},
                                                 {3, "Invalid filename"},
                                                 {4, "Too many open files"},
                                                 {5, "File access denied"},
                                                 {100, "Read beyond end of file"},
                                                 {101, "Disk full"},
                                                 {106, "Invalid numeric input"},
                                                 {1, "I/O error 1"},
                                                 {6, "I/O error 6"},
                                                 {102, "I/O error 102"},
                                                 {0, "I/O error 0"},
                                                 {-1, "I/O error -1"}};
    for (const auto& [code, message] : cases)
        EXPECT_EQ(directoryChangeMessage(code), message) << code;
}

TEST(DirectoryChangeError, CarriesCodeAndMessage)
{
    try {
        throw DirectoryChangeError(win_error::accessDenied);
    } catch (const Error& e) {
        // Caught as the core's one error type, with the text the user sees.
        EXPECT_STREQ(e.what(), "File access denied");
        const auto* change = dynamic_cast<const DirectoryChangeError*>(&e);
        ASSERT_NE(change, nullptr);
        EXPECT_EQ(change->code(), 5);
    }
}

} // namespace
} // namespace quorrin
