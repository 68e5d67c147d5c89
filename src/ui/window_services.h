#pragma once

#include "platform/date_time_settings.h"
#include "platform/file_system.h"
#include "text/text_rules.h"

#include <functional>
#include <string>

namespace quorrin::ui {

// What the window needs from the running system. The program passes the
// native implementations; tests pass the in-memory file system, a fixed
// locale and a settings file in a temporary folder.
struct WindowServices {
    platform::FileSystem& fileSystem;
    const text::TextRules& rules;
    platform::LocaleSettings& locale;
    // Where the settings file lives; asked afresh for every pass.
    std::function<std::string()> settingsPath;
    // The program's title: error boxes and the caption after a save.
    std::string applicationTitle;
};

} // namespace quorrin::ui
