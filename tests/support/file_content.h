#pragma once

#include <string>

namespace quorrin::testing {

// Every byte of the file at `path`; empty when it cannot be opened.
std::string contentOf(const std::string& path);

} // namespace quorrin::testing
