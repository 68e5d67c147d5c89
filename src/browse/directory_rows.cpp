#include "browse/directory_rows.h"

#include "browse/path_text.h"
#include "text/text_scan.h"

#include <utility>

namespace quorrin::browse {

namespace {

bool isNetworkDrive(std::string_view drive, char separator)
{
    return drive.size() >= 2 && drive[1] == separator;
}

} // namespace

std::string treeRoot(const text::TextRules& rules, platform::PathSyntax syntax, const std::string& dir)
{
    return drivePart(rules, syntax, dir) + syntax.separator;
}

DirectoryTree directoryPathRows(const text::TextRules& rules, platform::PathSyntax syntax, const std::string& dir)
{
    const std::string separator(1, syntax.separator);
    DirectoryTree tree;
    auto add = [&](std::string text, DirectoryRowKind kind) {
        const int depth = static_cast<int>(tree.rows.size());
        tree.rows.push_back(DirectoryRow{std::move(text), kind, depth});
    };

    const bool network = isNetworkDrive(drivePart(rules, syntax, dir), syntax.separator);
    std::string rest = dir;
    if (network) {
        const std::string root = treeRoot(rules, syntax, dir);
        add(root, DirectoryRowKind::ancestor);
        rest = dir.size() > root.size() ? dir.substr(root.size()) : std::string();
    }
    if (!rest.empty()) {
        // A root such as "C:\" or "/" ends in the separator and is the
        // current row whole.
        if (!text::endsWithChar(rules, rest, syntax.separator)) {
            bool first = true;
            for (std::size_t cut; (cut = text::findFirstOf(rules, rest, separator)) != std::string::npos;) {
                std::string name = rest.substr(0, cut);
                // The drive ("C:") or the empty name before "/" becomes the
                // root row "C:\" or "/".
                if (first && !network)
                    name += syntax.separator;
                first = false;
                add(std::move(name), DirectoryRowKind::ancestor);
                rest.erase(0, cut + 1);
            }
        }
        add(rest, DirectoryRowKind::current);
    }
    tree.currentPosition = static_cast<int>(tree.rows.size()) - 1;
    return tree;
}

void appendSubdirectoryRows(DirectoryTree& tree, std::optional<std::vector<Subdirectory>> subdirectories)
{
    if (!subdirectories)
        return;
    tree.rows.reserve(tree.rows.size() + subdirectories->size());
    for (Subdirectory& entry : *subdirectories)
        tree.rows.push_back(
            DirectoryRow{std::move(entry.name), DirectoryRowKind::subdirectory, tree.currentPosition + 1});
}

DirectoryTree buildDirectoryTree(const platform::FileSystem& fs, const text::TextRules& rules, const std::string& dir,
                                 bool foldCase)
{
    DirectoryTree tree = directoryPathRows(rules, fs.pathSyntax(), dir);
    appendSubdirectoryRows(tree, readSubdirectories(fs, rules, dir, foldCase));
    return tree;
}

std::string directoryRowPath(const text::TextRules& rules, platform::PathSyntax syntax, const std::string& dir,
                             const std::vector<DirectoryRow>& rows, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= rows.size())
        return {};
    if (index == 0)
        return treeRoot(rules, syntax, dir);
    const DirectoryRow& row = rows[static_cast<std::size_t>(index)];
    if (row.kind == DirectoryRowKind::subdirectory)
        return joinPath(rules, syntax, dir, row.text);
    if (row.kind == DirectoryRowKind::current)
        return dir;
    // An ancestor: the path up to the separator that ends its name, which
    // is the (index + 1)-th one after the drive.
    const std::string drive = drivePart(rules, syntax, dir);
    const std::string_view rest = std::string_view(dir).substr(drive.size());
    std::size_t end = 0;
    int separators = 0;
    while (end < rest.size()) {
        const std::size_t len = rules.charLength(rest, end);
        if (len == 1 && rest[end] == syntax.separator && ++separators == index + 1)
            break;
        end += len;
    }
    return drive + std::string(rest.substr(0, end));
}

} // namespace quorrin::browse
