#pragma once

#include "platform/errors.h"
#include "platform/profile_store.h"
#include "text/text_rules.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quorrin::persist {

// A settings file that refused a write; the message names its full path,
// and says so when the file may have been left incomplete.
class SettingsWriteError : public Error {
public:
    SettingsWriteError(const text::TextRules& rules, const std::string& path, bool mayBeIncomplete = false);
};

// Typed access to one settings file for one read pass or one write pass.
class SettingsFile {
public:
    // On the system's own profile service.
    SettingsFile(const text::TextRules& rules, std::string path);
    SettingsFile(const text::TextRules& rules, std::string path, std::unique_ptr<platform::ProfileStore> store);

    const std::string& path() const { return path_; }

    std::string ReadText(std::string_view section, std::string_view key, std::string_view fallback);
    // An empty or unparsable value yields the fallback.
    std::int32_t ReadNumber(std::string_view section, std::string_view key, std::int32_t fallback);
    // True when the number is not 0.
    bool ReadFlag(std::string_view section, std::string_view key, bool fallback);

    // These raise SettingsWriteError when the store refuses the value.
    void WriteText(std::string_view section, std::string_view key, std::string_view value);
    void WriteNumber(std::string_view section, std::string_view key, std::int32_t value);
    void WriteFlag(std::string_view section, std::string_view key, bool value);
    // After the last key of a write pass. Our own store writes the file here,
    // so a failure is raised too instead of being lost.
    void Flush();

private:
    const text::TextRules& rules_;
    std::string path_;
    std::unique_ptr<platform::ProfileStore> store_;
};

} // namespace quorrin::persist
