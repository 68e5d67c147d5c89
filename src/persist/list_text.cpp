#include "persist/list_text.h"

namespace quorrin::persist {

std::string listText(const std::vector<std::string>& items, std::string_view lineEnd)
{
    std::size_t total = 0;
    for (const auto& item : items)
        total += item.size() + lineEnd.size();
    std::string text;
    text.reserve(total);
    for (const auto& item : items) {
        text += item;
        text += lineEnd;
    }
    return text;
}

} // namespace quorrin::persist
