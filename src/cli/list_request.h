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
    std::optional<std::string> output;
    std::optional<std::string> settingsFile;
    bool noSettings = false;
};

} // namespace quorrin::cli
