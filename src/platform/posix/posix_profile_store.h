#pragma once

#include "platform/profile_store.h"
#include "text/ini_document.h"

#include <optional>
#include <string>

namespace quorrin::platform::posix {

// Our own profile service: the file is read once, at the first access of
// the pass, edited in memory, and written back as a whole at the flush,
// atomically. A write pass thus either replaces the file completely or
// leaves it as it was.
class PosixProfileStore final : public ProfileStore {
public:
    explicit PosixProfileStore(std::string path);

    std::string read(std::string_view section, std::string_view key, std::string_view fallback) override;
    bool write(std::string_view section, std::string_view key, std::string_view value) override;
    // Also creates the folder that holds the file when it is missing, as a
    // per-user configuration folder may be on a first run.
    WriteOutcome flush() override;

private:
    text::IniDocument& document();

    std::string path_;
    std::optional<text::IniDocument> document_;
    bool changed_ = false;
};

} // namespace quorrin::platform::posix
