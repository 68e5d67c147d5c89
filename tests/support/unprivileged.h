#pragma once

#include <functional>
#include <string>

namespace quorrin::testing {

// Runs `check` where permission bits are enforced: in a child process that
// has given up root (as the user "nobody"), or in place when the tests do
// not run as root. The check returns an empty text on success, else what
// went wrong; so does this function.
std::string runUnprivileged(const std::function<std::string()>& check);

} // namespace quorrin::testing
