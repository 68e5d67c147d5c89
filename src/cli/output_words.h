#pragma once

#include "cli/cli_texts.h"
#include "cli/list_request.h"
#include "listing/output_options.h"

namespace quorrin::cli {

// Lays --encoding, --eol, --header, --dates and --sort over the options taken from
// the settings; what the request leaves out stays. Words are read as the
// settings file reads them, ignoring ASCII case. Throws Refusal naming a
// word it does not know and the words it does.
void applyOutputFlags(const Texts& texts, const ListRequest& request, listing::OutputOptions& options);

} // namespace quorrin::cli
