#pragma once

#include <string>

namespace quorrin::bench {

// In a child process: reads the names of `dir` (not timed), then, `runs`
// times, builds a classifier of 200 user rules and labels every name.
// Prints "genre_ms N" lines.
int measureGenre(const std::string& dir, int runs);

} // namespace quorrin::bench
