#pragma once

#include "platform/tree_watch.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quorrin::platform {

// A tree watch made of one folder watch per folder, for a system that
// watches folders one by one; a folder it gets no watch for is unwatched.
class FolderWatchSet final : public TreeWatch {
public:
    using WatchFolder = std::function<std::unique_ptr<FolderWatch>(const std::string& dir)>;

    explicit FolderWatchSet(WatchFolder watchFolder) : watchFolder_(std::move(watchFolder)) {}

    void add(const std::string& dir) override;
    std::size_t unwatched() const override { return unwatched_; }
    bool changed() override;

private:
    WatchFolder watchFolder_;
    std::vector<std::unique_ptr<FolderWatch>> watches_;
    std::size_t unwatched_ = 0;
};

} // namespace quorrin::platform
