#pragma once

#include "browse/file_list_read.h"
#include "browse/file_type.h"
#include "browse/subdirectories.h"
#include "platform/folder_watch.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorrin::browse {

// What one read of a file list asks for, taken when the read begins.
struct ReadRequest {
    std::string dir;
    std::string mask;
    FileType type = ftNormal;
    // The items of the last read of the same listing, for a read again
    // after a change on disk: the names found again keep their order.
    std::vector<std::string> previous;

    // The same listing: the folder, mask and type.
    friend bool operator==(const ReadRequest& a, const ReadRequest& b)
    {
        return a.dir == b.dir && a.mask == b.mask && a.type == b.type;
    }
};

// Runs a file list's reads somewhere else than the caller's thread (the
// list reads at once without one). `start` takes a read the list has begun
// and calls `land` later, on the list's own thread, with what it found and
// a watch on the folder begun before the read (nothing where the folder
// cannot be watched); a later `start` or `stop` supersedes the read, whose
// `land` then never comes.
class ReadRunner {
public:
    using Land = std::function<void(ListedEntries entries, std::unique_ptr<platform::FolderWatch> watch)>;

    virtual ~ReadRunner() = default;
    virtual void start(ReadRequest request, Land land) = 0;
    virtual void stop() = 0;
};

// The same for a directory list's subdirectories: `land` gets what
// readSubdirectories found, unless a later `start` superseded the read.
class SubdirectoryRunner {
public:
    using Land = std::function<void(std::optional<std::vector<Subdirectory>> subdirectories)>;

    virtual ~SubdirectoryRunner() = default;
    virtual void start(const std::string& dir, bool foldCase, Land land) = 0;
};

} // namespace quorrin::browse
