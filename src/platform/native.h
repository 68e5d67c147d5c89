#pragma once

#include "platform/charset_converter.h"
#include "platform/date_time_settings.h"
#include "platform/file_system.h"
#include "platform/profile_store.h"
#include "platform/write_outcome.h"
#include "text/text_rules.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quorrin::platform {

// The running system's implementations; which one is built is chosen by the
// build, never by conditionals in the callers.
std::unique_ptr<text::TextRules> makeNativeTextRules();
std::unique_ptr<FileSystem> makeNativeFileSystem(const text::TextRules& rules);
std::unique_ptr<LocaleSettings> makeNativeLocaleSettings();
std::unique_ptr<CharsetConverter> makeNativeCharsetConverter();

// Full path of the running executable.
std::string executablePath();

// The bytes that end a folder or drive part in a path: "/" on POSIX, "\\"
// and ":" on Windows.
std::string_view pathDelimiters();

// Where the settings file lives, given its place beside the executable: there
// when that folder can be written; on POSIX, for an installed copy, in the
// user's configuration folder instead.
std::string settingsFileLocation(const text::TextRules& rules, const std::string& besideExecutable);

// The system's private-profile service for the settings file at `path`.
std::unique_ptr<ProfileStore> makeNativeProfileStore(const std::string& path);

// Makes `bytes` the whole content of the file at `path` without losing
// what the user relies on: the file is replaced atomically where that keeps
// its owner, group, mode and single link and the folder allows it, and
// written in place otherwise, keeping the old content until the new one is
// sure. Symbolic links are followed; a dangling one gets its target
// created. A file the user may not write is refused even where its folder
// would allow the replacement. A device takes the bytes in place; a pipe, a
// socket or a disk is refused.
WriteOutcome writeWholeFile(const std::string& path, std::string_view bytes);

// The requests to end the program that the system sends it directly (on
// POSIX the signals of a shutdown, a lost terminal and Ctrl+C): from this
// call on each is caught and noted on the returned descriptor, which turns
// readable; the event loop watches it and ends the program in good order.
// Nothing where such requests reach the program as window messages (the
// session's end on Windows), or where they cannot be caught.
std::optional<int> catchEndRequests();

// Takes one noted request off that descriptor; false when none is waiting.
bool takeEndRequest(int descriptor);

// Why a window cannot be shown here (no display to connect to), or nothing
// when it can.
std::optional<std::string> displayUnavailableReason();

} // namespace quorrin::platform
