#pragma once

#include "platform/profile_store.h"

#include <string>

namespace quorrin::platform::win32 {

// The system's private-profile service for one file. The service writes
// every change through at once, so the flush only hands back its cache.
class Win32ProfileStore final : public ProfileStore {
public:
    // `path` must be absolute: the service places a bare name in the
    // Windows folder.
    explicit Win32ProfileStore(std::string path) : path_(std::move(path)) {}

    std::string read(std::string_view section, std::string_view key, std::string_view fallback) override;
    // An empty value is passed as an empty text, which writes "Key=";
    // a null one would delete the key.
    bool write(std::string_view section, std::string_view key, std::string_view value) override;
    WriteOutcome flush() override;

private:
    std::string path_;
};

} // namespace quorrin::platform::win32
