#pragma once

#include <optional>
#include <string>

namespace quorrin::cli {

// What the command line asks for. An option left out is empty and takes
// its value from the settings.
struct ListRequest {
    std::string folder = ".";
    std::optional<std::string> mask;
    std::optional<std::string> columns;
    std::optional<std::string> separator;
    std::optional<bool> quote;
    std::optional<bool> sizeInKiB;
    // The words of --encoding, --eol, --dates and --sort, checked when the
    // listing is made.
    std::optional<std::string> encoding;
    std::optional<std::string> lineEnd;
    std::optional<bool> header;
    std::optional<std::string> dates;
    std::optional<std::string> sort;
    // Whether the folders below are listed too, and how many levels of them
    // (0 for all).
    std::optional<bool> subfolders;
    std::optional<int> depth;
    // Names the encoding cannot hold are written with the geta mark rather
    // than refused.
    bool replace = false;
    std::optional<std::string> output;
    std::optional<std::string> settingsFile;
    bool noSettings = false;
};

} // namespace quorrin::cli
