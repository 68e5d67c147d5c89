#include "persist/list_text.h"

#include <gtest/gtest.h>

namespace quorrin::persist {
namespace {

TEST(ListText, EveryItemEndsWithCrLfAndBytesStayAsTheyAre)
{
    EXPECT_EQ(listText({}), "");
    EXPECT_EQ(listText({""}), "\r\n");
    EXPECT_EQ(listText({"a.txt\t1234", "", "日本.txt"}), "a.txt\t1234\r\n\r\n日本.txt\r\n");
    const std::string raw("\xff\x80\0z", 4);
    EXPECT_EQ(listText({raw}), raw + "\r\n");
}

} // namespace
} // namespace quorrin::persist
