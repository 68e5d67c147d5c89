#include "browse/folder_tree_read.h"

#include "browse/path_text.h"
#include "browse/subdirectories.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <utility>

namespace quorrin::browse {

namespace {

struct PendingFolder {
    std::string path;
    int level = 0; // 1 for a subfolder of the listed folder
};

// The folders to list, in listing order. Only directory reads, which say
// what a subfolder is without a look at each entry, so this pass is cheap
// next to the reads of the folders' files.
std::vector<std::string> foldersInOrder(const platform::FileSystem& fs, const text::TextRules& rules,
                                        const std::string& dir, const WalkOptions& options, platform::TreeWatch* watch,
                                        std::vector<std::string>& unreadable)
{
    const platform::PathSyntax syntax = fs.pathSyntax();
    std::vector<std::string> order;
    std::vector<PendingFolder> stack;
    // Pushed last to first, so the first subfolder is walked first.
    auto pushSubfolders = [&](const std::string& parent, const std::vector<std::string>& subfolders, int level) {
        if (options.depth > 0 && level > options.depth)
            return;
        for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it)
            stack.push_back(PendingFolder{joinPath(rules, syntax, parent, *it), level});
    };
    // The listed folder's own entries are the file list's; a folder it
    // cannot read is the file list's to report.
    if (const auto top = readSubdirectoriesToWalk(fs, rules, dir))
        pushSubfolders(dir, *top, 1);
    while (!stack.empty()) {
        PendingFolder folder = std::move(stack.back());
        stack.pop_back();
        if (fs.holdsNoUserFiles(folder.path))
            continue;
        // Watched before it is read, so a change meanwhile is not missed.
        if (watch != nullptr)
            watch->add(folder.path);
        const auto subfolders = readSubdirectoriesToWalk(fs, rules, folder.path);
        if (!subfolders) {
            unreadable.push_back(std::move(folder.path));
            continue;
        }
        pushSubfolders(folder.path, *subfolders, folder.level + 1);
        order.push_back(std::move(folder.path));
    }
    return order;
}

unsigned readingThreads(const WalkOptions& options)
{
    if (options.threads > 0)
        return static_cast<unsigned>(options.threads);
    return std::max(1u, std::thread::hardware_concurrency());
}

} // namespace

FolderTree readFoldersBelow(const platform::FileSystem& fs, const text::TextRules& rules, const std::string& dir,
                            std::string_view mask, FileType type, const WalkOptions& options,
                            const WalkProgress& progress, platform::TreeWatch* watch)
{
    FolderTree tree;
    if (!options.subfolders)
        return tree;
    std::vector<std::string> order = foldersInOrder(fs, rules, dir, options, watch, tree.unreadable);

    // Reading a folder's files waits on a look at every entry; those of
    // different folders overlap well, so every core takes folders in turn.
    std::vector<ListedEntries> read(order.size());
    std::vector<char> lost(order.size(), 0);
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> found{0};
    std::atomic<std::size_t> done{0};
    std::atomic<bool> stop{false};
    auto readSome = [&](bool reportProgress) {
        for (std::size_t i; !stop && (i = next++) < order.size();) {
            read[i] = readEntries(fs, rules, order[i], mask, type, {});
            // Gone, or closed to reading, since the first pass saw it: named
            // with the unreadable. A read that finds nothing cannot tell.
            lost[i] = read[i].items.empty() && !fs.subdirectoriesToWalk(order[i], [](const std::string&) {});
            found += read[i].items.size();
            ++done;
            if (reportProgress && progress && !progress(found))
                stop = true;
        }
    };
    std::vector<std::jthread> helpers;
    for (unsigned t = 1; t < std::min<std::size_t>(readingThreads(options), order.size()); ++t)
        helpers.emplace_back(readSome, false);
    readSome(true);
    // The helpers may still be reading: go on answering for them, and at
    // least once, so a stop is always heard.
    while (!stop) {
        const bool finished = done == order.size();
        if (!finished)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (progress && !progress(found))
            stop = true;
        if (finished)
            break;
    }
    helpers.clear();

    // A walk stopped half way lists nothing.
    if (stop) {
        tree.cancelled = true;
        tree.unreadable.clear();
        return tree;
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (lost[i])
            tree.unreadable.push_back(std::move(order[i]));
        else if (!read[i].items.empty()) {
            tree.entryCount += read[i].items.size();
            tree.folders.push_back(ListedFolder{std::move(order[i]), std::move(read[i])});
        }
    }
    return tree;
}

} // namespace quorrin::browse
