#include "listing/list_settings.h"

namespace quorrin::listing {

ListSettings defaultListSettings(std::int32_t presetFilterCount)
{
    ListSettings settings;
    settings.FilterNo = presetFilterCount - 1;
    return settings;
}

} // namespace quorrin::listing
