#include "listing/list_settings.h"

#include <gtest/gtest.h>

namespace quorrin::listing {
namespace {

// The rest of the defaults show in the settings file a fresh run writes.
TEST(ListSettingsDefaults, TheFilterIsTheLastPresetOfTheirCount)
{
    EXPECT_EQ(defaultListSettings(3).FilterNo, 2);
    EXPECT_EQ(defaultListSettings(1).FilterNo, 0);
    EXPECT_EQ(ListSettings{}.FilterNo, defaultListSettings(builtInPresetFilterCount).FilterNo);
    EXPECT_EQ(defaultListSettings(builtInPresetFilterCount).FilterNo, 7);
}

} // namespace
} // namespace quorrin::listing
