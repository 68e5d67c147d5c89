#include "listing/list_settings.h"

#include <gtest/gtest.h>

namespace quorrin::listing {
namespace {

TEST(ListSettingsDefaults, AFreshRunListsNameAndSizeWithTabAndPicksTheLastPreset)
{
    const ListSettings s = defaultListSettings(builtInPresetFilterCount);
    EXPECT_EQ(s.columns(), (std::array<std::int32_t, 5>{ckFileName, ckSize, ckNone, ckNone, ckNone}));
    EXPECT_EQ(s.TabNo, 2);
    EXPECT_FALSE(s.QuoteOn);
    EXPECT_EQ(s.QuoteStr, "\"");
    EXPECT_FALSE(s.SizeInK);
    EXPECT_EQ(s.FilterNo, 7);
    EXPECT_EQ(s.EditText, "");
    EXPECT_EQ(s.DriveChar, 0);
    EXPECT_EQ(s.DirPath, "");
    EXPECT_EQ(s.SavePath, "");
}

TEST(ListSettingsDefaults, TheLastPresetFollowsThePresetCount)
{
    EXPECT_EQ(defaultListSettings(3).FilterNo, 2);
    EXPECT_EQ(defaultListSettings(1).FilterNo, 0);
    EXPECT_EQ(ListSettings{}.FilterNo, defaultListSettings(builtInPresetFilterCount).FilterNo);
}

} // namespace
} // namespace quorrin::listing
