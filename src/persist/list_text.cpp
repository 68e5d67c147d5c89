#include "persist/list_text.h"

namespace quorrin::persist {

std::string listText(const std::vector<std::string>& items, std::string_view lineEnd)
{
    std::string text;
    appendListText(text, items, lineEnd);
    return text;
}

void appendListText(std::string& out, const std::vector<std::string>& items, std::string_view lineEnd)
{
    std::size_t total = out.size();
    for (const auto& item : items)
        total += item.size() + lineEnd.size();
    out.reserve(total);
    for (const auto& item : items) {
        out += item;
        out += lineEnd;
    }
}

} // namespace quorrin::persist
