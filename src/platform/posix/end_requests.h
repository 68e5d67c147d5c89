#pragma once

#include <optional>

namespace quorrin::platform::posix {

// SIGTERM (what a shutdown sends), SIGHUP (the terminal or session went
// away) and SIGINT (Ctrl+C) are caught from this call on. The handler does
// nothing but note the signal on a pipe, whose reading end is returned for
// the event loop to watch; the program then ends in its own time. Nothing
// when the pipe cannot be made, and the signals keep their default action.
std::optional<int> catchEndRequests();

// Takes one noted request off the descriptor; false when none is waiting.
// Never blocks.
bool takeEndRequest(int descriptor);

} // namespace quorrin::platform::posix
