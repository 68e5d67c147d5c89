#include "persist/saved_file_caption.h"

#include "text/text_scan.h"

namespace quorrin::persist {

std::string savedFileCaption(const text::TextRules& rules, std::string_view path, std::string_view delimiters,
                             std::string_view applicationTitle)
{
    const std::size_t delimiter = text::findLastOf(rules, path, delimiters);
    const std::string_view name = delimiter == std::string_view::npos ? path : path.substr(delimiter + 1);
    std::string caption(name);
    caption += " - ";
    caption += applicationTitle;
    return caption;
}

} // namespace quorrin::persist
