#include "listing/code_tables.h"

namespace quorrin::listing {

const std::string_view* fixedSeparator(std::int32_t choice)
{
    if (choice < 0 || choice >= static_cast<std::int32_t>(separatorTexts.size()))
        return nullptr;
    return &separatorTexts[static_cast<std::size_t>(choice)];
}

} // namespace quorrin::listing
