#pragma once

#include <string>
#include <vector>

namespace quorrin::bench {

// In a child process: reads each folder of `dirs` into a file list set up
// as the main window's (every attribute, mask "*.*") and composes the
// listing with name, size and date columns; then recomposes after a change
// of separator, quoting or a column. Each of the `runs` rounds measures
// every folder in turn, so that a load on the machine weighs on all of them
// alike. Prints "key ms" lines, keys ending in the folder's position.
int measureCore(const std::vector<std::string>& dirs, int runs);

// In a child process: reads `dir` and every folder below it as the window
// does with the subfolders on, and composes path, name, size and date, `runs`
// times. Prints "tree_read_compose_ms_0" lines and the line count.
int measureTree(const std::string& dir, int runs);

} // namespace quorrin::bench
