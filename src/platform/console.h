#pragma once

#include <string>
#include <string_view>

namespace quorrin::platform {

// What a command-line program asks of the system. The standard streams take
// bytes: the listing goes out unchanged (no line-end translation), messages
// are text in the system's code page.

// Writes every byte to standard output and flushes; false when the stream is
// closed or refuses some of them (a full disk, a broken pipe).
bool writeStandardOutput(std::string_view bytes);

void writeStandardError(std::string_view text);

// True when standard error is shown on a terminal (a console on Windows),
// where a line may be drawn and erased again.
bool standardErrorIsTerminal();

// True when the user reads Japanese: the message locale on POSIX, the user
// interface language on Windows.
bool userReadsJapanese();

// True when `text` is made of whole characters of the system's code page
// (valid UTF-8 on POSIX).
bool isValidSystemText(std::string_view text);

// True when the entries of the directory at `path` can be read, which
// entering it does not promise on POSIX (a folder with search but no read
// permission).
bool directoryCanBeListed(const std::string& path);

} // namespace quorrin::platform
