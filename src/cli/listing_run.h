#pragma once

#include "cli/cli_texts.h"
#include "cli/console_port.h"
#include "cli/list_request.h"
#include "cli/progress_line.h"
#include "persist/listing_file.h"
#include "platform/charset_converter.h"
#include "platform/date_time_settings.h"
#include "platform/file_system.h"
#include "text/text_rules.h"

#include <functional>
#include <string>

namespace quorrin::cli {

// What a listing run needs from the system; the program passes the native
// ones, tests their own.
struct ListServices {
    platform::FileSystem& fileSystem;
    const text::TextRules& rules;
    platform::LocaleSettings& locale;
    const platform::CharsetConverter& charsets;
    // The window's settings file, asked for only when the request uses it.
    std::function<std::string()> windowSettingsPath;
    Console& console;
    const Texts& texts;
    SteadyClock clock;
    persist::WholeFileWriter write;
};

// Lists the folder as asked and writes the listing, or says on standard
// error why it cannot and writes nothing. Returns the exit status. The
// settings file is only ever read.
int runListing(const ListRequest& request, const ListServices& services);

} // namespace quorrin::cli
