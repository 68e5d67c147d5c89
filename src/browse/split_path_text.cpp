#include "browse/split_path_text.h"

#include "browse/path_text.h"
#include "text/text_scan.h"
#include "text/wildcard.h"

namespace quorrin::browse {

namespace {

// Puts the current directory back when the split ends, also when a step in
// between fails; a directory that has gone meanwhile is left alone.
class DirectoryRestorer {
public:
    DirectoryRestorer(platform::FileSystem& fs, std::string saved) : fs_(fs), saved_(std::move(saved)) {}
    DirectoryRestorer(const DirectoryRestorer&) = delete;
    DirectoryRestorer& operator=(const DirectoryRestorer&) = delete;
    ~DirectoryRestorer()
    {
        try {
            if (fs_.directoryExists(saved_))
                fs_.changeDirectory(saved_);
        } catch (...) {
            // The failure that matters is the one already on its way out;
            // a refused change back has nothing to add to it.
        }
    }

private:
    platform::FileSystem& fs_;
    std::string saved_;
};

// "[Sub]": a directory written the way a file list shows one.
bool isBracketed(const text::TextRules& rules, std::string_view text)
{
    return text.size() >= 2 && text.front() == '[' && text::endsWithChar(rules, text, ']');
}

} // namespace

SplitPath SplitPathText(platform::FileSystem& fs, const text::TextRules& rules, std::string_view text)
{
    const platform::PathSyntax syntax = fs.pathSyntax();
    const std::string separator(1, syntax.separator);
    const std::string saved = fs.currentDirectory();

    SplitPath result;
    result.drive = syntax.driveLetters && !saved.empty() ? saved.front() : 0;
    std::string dir(text);
    std::string root;
    if (isBracketed(rules, dir)) {
        dir = dir.substr(1, dir.size() - 2);
    } else {
        root = drivePart(rules, syntax, dir);
        if (root.empty())
            root = drivePart(rules, syntax, saved);
        else
            dir.erase(0, root.size());
        result.drive = root.size() >= 2 && root[1] == ':' ? root.front() : 0;
    }

    const DirectoryRestorer restorer(fs, saved);
    // A drive letter alone enters that drive's own current directory.
    if (!root.empty() && fs.directoryExists(root))
        fs.changeDirectory(root);

    const std::string delimiters = syntax.driveLetters ? separator + ":" : separator;
    const std::size_t cut = text::findLastOf(rules, dir, delimiters);
    std::string file = cut == std::string::npos ? dir : dir.substr(cut + 1);

    if (dir.size() == file.size() + 1) {
        dir = separator;
    } else if (dir.size() > file.size()) {
        dir.resize(dir.size() - file.size() - 1);
    } else {
        const std::string current = fs.currentDirectory();
        dir = current.substr(drivePart(rules, syntax, current).size());
        if (dir.empty())
            dir = separator;
    }
    if (!dir.empty())
        fs.changeDirectory(dir);

    if (!file.empty() && !text::hasWildcard(file) && !fs.fileExists(file)) {
        // Not a file, so it has to be a directory to move into.
        fs.changeDirectory(file);
        dir = joinPath(rules, syntax, dir, file);
        file.clear();
    }

    if (result.drive == 0)
        dir = root + dir;
    result.dir = std::move(dir);
    result.file = std::move(file);
    return result;
}

} // namespace quorrin::browse
