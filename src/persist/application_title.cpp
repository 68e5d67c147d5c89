#include "persist/application_title.h"

#include "text/text_scan.h"

namespace quorrin::persist {

std::string applicationTitle(const text::TextRules& rules, std::string_view executablePath, std::string_view delimiters)
{
    const std::size_t delimiter = text::findLastOf(rules, executablePath, delimiters);
    std::string_view name = delimiter == std::string_view::npos ? executablePath : executablePath.substr(delimiter + 1);
    const std::size_t dot = text::findFirstOf(rules, name, ".");
    if (dot != std::string_view::npos)
        name = name.substr(0, dot);

    std::string title;
    title.reserve(name.size());
    bool first = true;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t len = rules.charLength(name, i);
        char c = name[i];
        // Only whole single-byte letters fold: the second byte of a
        // double-byte character keeps its value.
        if (!first && len == 1 && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        title += c;
        title.append(name.substr(i + 1, len - 1));
        first = false;
        i += len;
    }
    return title;
}

} // namespace quorrin::persist
