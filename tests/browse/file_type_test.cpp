#include "browse/file_type.h"

#include "platform/dir_entry.h"

#include <gtest/gtest.h>

namespace quorrin::browse {
namespace {

TEST(FileType, SearchAttributeAndWhatItExcludes)
{
    struct Case {
        FileType type;
        std::uint32_t searchAttr;
        std::uint32_t excluded;
    };
    const Case cases[] = {
        // The main window: every kind of file but no directories.
        {ftReadOnly | ftHidden | ftSystem | ftVolumeID | ftArchive | ftNormal, 0x2F, 0x10},
        // The default list: normal files only.
        {ftNormal, 0x00, 0x1E},
        {ftDirectory, 0x10, 0x0E},
        {ftReadOnly | ftArchive, 0x21, 0x1E},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(searchAttribute(c.type), c.searchAttr);
        EXPECT_EQ(platform::exclusionSet(searchAttribute(c.type)), c.excluded);
    }
}

} // namespace
} // namespace quorrin::browse
