#include "browse/vanished_directory.h"

#include "browse/path_text.h"
#include "text/text_scan.h"

namespace quorrin::browse {

namespace {

bool isRelative(const text::TextRules& rules, platform::PathSyntax syntax, const std::string& text)
{
    return !text.empty() && text.front() != syntax.separator && drivePart(rules, syntax, text).empty() &&
           !text.starts_with('[');
}

// The parent of an absolute path; a root is its own parent.
std::string parentOf(const text::TextRules& rules, platform::PathSyntax syntax, const std::string& path)
{
    const std::string root = drivePart(rules, syntax, path) + syntax.separator;
    const std::size_t cut = text::findLastOf(rules, path, std::string(1, syntax.separator));
    if (cut == std::string::npos || cut + 1 <= root.size())
        return root;
    return path.substr(0, cut);
}

} // namespace

std::string fromVanishedDirectory(const platform::FileSystem& fs, const text::TextRules& rules,
                                  const std::string& listed, const std::string& text)
{
    const platform::PathSyntax syntax = fs.pathSyntax();
    if (!isRelative(rules, syntax, text) || fs.directoryExists(listed))
        return text;
    std::string at = listed;
    bool upOnly = true;
    const std::string separator(1, syntax.separator);
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text::findFirstOf(rules, std::string_view(text).substr(start), separator);
        end = end == std::string::npos ? text.size() : start + end;
        const std::string step = text.substr(start, end - start);
        if (step == "..") {
            at = parentOf(rules, syntax, at);
        } else if (!step.empty() && step != ".") {
            at = joinPath(rules, syntax, at, step);
            upOnly = false;
        }
        start = end + 1;
    }
    for (std::string up; upOnly && !fs.directoryExists(at) && (up = parentOf(rules, syntax, at)) != at;)
        at = up;
    return at;
}

} // namespace quorrin::browse
