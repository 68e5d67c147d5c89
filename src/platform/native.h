#pragma once

#include "platform/date_time_settings.h"
#include "platform/file_system.h"
#include "platform/text_rules.h"

#include <memory>
#include <optional>
#include <string>

namespace quorrin::platform {

// The running system's implementations; which one is built is chosen by the
// build, never by conditionals in the callers.
std::unique_ptr<TextRules> makeNativeTextRules();
std::unique_ptr<FileSystem> makeNativeFileSystem(const TextRules& rules);
std::unique_ptr<LocaleSettings> makeNativeLocaleSettings();

// Full path of the running executable.
std::string executablePath();

// Why a window cannot be shown here (no display to connect to), or nothing
// when it can.
std::optional<std::string> displayUnavailableReason();

}  // namespace quorrin::platform
