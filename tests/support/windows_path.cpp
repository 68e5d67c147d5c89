#include "support/windows_path.h"

#include "text/ascii_case.h"
#include "text/text_scan.h"

namespace quorrin::testing::windows_path {

namespace {

bool isSeparator(char c)
{
    return separators.find(c) != std::string_view::npos;
}

bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Takes the name up to the next separator off the front of `rest`.
std::string_view takeName(const text::TextRules& rules, std::string_view& rest)
{
    const std::size_t end = text::findFirstOf(rules, rest, separators);
    const std::string_view name = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return name;
}

} // namespace

PathStart parseStart(const text::TextRules& rules, std::string_view path)
{
    PathStart start;
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        std::string_view rest = path.substr(2);
        const std::string_view server = takeName(rules, rest);
        const std::string_view share = takeName(rules, rest);
        if (server.empty() || share.empty()) {
            start.kind = PathStart::Kind::malformed;
            return start;
        }
        start.kind = PathStart::Kind::unc;
        start.share = "\\\\" + std::string(server) + "\\" + std::string(share);
        start.rest = rest;
        return start;
    }
    if (path.size() >= 2 && rules.charLength(path, 0) == 1 && path[1] == ':') {
        if (!isAsciiLetter(path[0])) {
            start.kind = PathStart::Kind::malformed;
            return start;
        }
        start.drive = text::upperAscii(path[0]);
        start.rest = path.substr(2);
        start.kind = !start.rest.empty() && isSeparator(start.rest[0]) ? PathStart::Kind::driveAbsolute
                                                                       : PathStart::Kind::driveRelative;
        return start;
    }
    start.kind = !path.empty() && isSeparator(path[0]) ? PathStart::Kind::rootOfCurrent : PathStart::Kind::relative;
    start.rest = path;
    return start;
}

std::vector<std::string> splitNames(const text::TextRules& rules, std::string_view path)
{
    std::vector<std::string> names;
    while (!path.empty()) {
        const std::string_view name = takeName(rules, path);
        if (!name.empty())
            names.emplace_back(name);
    }
    return names;
}

void appendNames(std::vector<std::string>& base, const std::vector<std::string>& names)
{
    for (const std::string& name : names) {
        if (name == ".")
            continue;
        if (name == "..") {
            if (!base.empty())
                base.pop_back();
            continue;
        }
        base.push_back(name);
    }
}

bool isValidName(const text::TextRules& rules, std::string_view name)
{
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t len = rules.charLength(name, i);
        if (len == 1) {
            const auto c = static_cast<unsigned char>(name[i]);
            if (c < 0x20 || std::string_view("*?\"<>|:").find(char(c)) != std::string_view::npos)
                return false;
        }
        i += len;
    }
    return true;
}

} // namespace quorrin::testing::windows_path
