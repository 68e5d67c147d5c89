#include "browse/path_text.h"

#include "text/text_scan.h"

namespace quorrin::browse {

std::string drivePart(const text::TextRules& rules, platform::PathSyntax syntax, std::string_view path)
{
    if (!syntax.driveLetters)
        return {};
    if (path.size() >= 2 && rules.charLength(path, 0) == 1 && path[1] == ':')
        return std::string(path.substr(0, 2));
    const char sep = syntax.separator;
    if (path.size() < 2 || path[0] != sep || path[1] != sep)
        return {};
    int separators = 0;
    for (std::size_t i = 0; i < path.size();) {
        const std::size_t len = rules.charLength(path, i);
        if (len == 1 && path[i] == sep && ++separators == 4)
            return std::string(path.substr(0, i));
        i += len;
    }
    return std::string(path);
}

std::string joinPath(const text::TextRules& rules, platform::PathSyntax syntax, std::string_view dir,
                     std::string_view name)
{
    std::string joined(dir);
    if (!text::endsWithChar(rules, dir, syntax.separator))
        joined += syntax.separator;
    joined += name;
    return joined;
}

} // namespace quorrin::browse
