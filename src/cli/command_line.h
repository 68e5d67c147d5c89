#pragma once

#include "cli/cli_texts.h"
#include "cli/list_request.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quorrin::cli {

// Exit statuses: everything listed; names the encoding cannot hold and no
// --replace (nothing written); bad usage, a folder that cannot be listed or
// a listing that could not be written.
inline constexpr int exitListed = 0;
inline constexpr int exitPartly = 1;
inline constexpr int exitFailed = 2;

// An answer the command line gets at once, without listing: the help, the
// version, or what is wrong with it.
struct ImmediateAnswer {
    int status;
    std::string text;
    bool onStandardError;
};

using ParsedCommandLine = std::variant<ListRequest, ImmediateAnswer>;

// Reads the arguments after the program's name. Words of --columns,
// --separator, --encoding, --eol and --dates are checked when the listing
// is made, so their messages come from one place.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments, const Texts& texts,
                                   std::string_view version);

} // namespace quorrin::cli
