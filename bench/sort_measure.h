#pragma once

#include <string>

namespace quorrin::bench {

// In a child process: reads `dir` as the window's file list does (not
// timed), then, `runs` times, orders its rows by each key in turn, the
// direction changing from run to run. Prints "sort_ms_KEY N" lines.
int measureSort(const std::string& dir, int runs);

} // namespace quorrin::bench
