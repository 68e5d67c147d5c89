#pragma once

namespace quorrin::platform {

// Tells whether anything in one folder changed since the watch began: a
// name added, removed or renamed, a file's size, time or attributes, or the
// folder itself going away. The folder's own permissions or times, and
// folders below it, are not watched.
class FolderWatch {
public:
    virtual ~FolderWatch() = default;

    // True once anything changed, and from then on. Never blocks.
    virtual bool changed() = 0;
};

} // namespace quorrin::platform
