#pragma once

#include <string>

namespace quorrin::bench {

// Each runs in a child process and draws offscreen; each opens the real
// main window listing `dir` through a settings file at `settingsPath`
// (written here: columns name, size and date, mask "*.*"), and prints
// "key value" lines.

// The offscreen platform's notes (no runtime folder, no window-manager
// hints) would be mixed into the report; errors still show.
void dropQtNotes();

// Start-up: from `spawnedAtMs` (the parent's clock when it started this
// process) to the first paint of the output list holding the listing.
int measureStartUp(const std::string& dir, const std::string& settingsPath, double spawnedAtMs);

// Opens the window and leaves; the parent reads the peak memory.
int measureWindowMemory(const std::string& dir, const std::string& settingsPath, bool subfolders);

// The longest time the event loop is blocked while the window, open in
// `startDir`, moves into `hugeDir` and reads it.
int measureReadBlock(const std::string& startDir, const std::string& hugeDir, const std::string& settingsPath);
// Recomposing through a check box click, `runs` times; then the longest
// time the event loop is blocked while both long lists scroll from top to
// bottom and the window is resized.
int measureWindowResponse(const std::string& dir, const std::string& settingsPath, int runs);

// The first read of `dir` by the window, open in `startDir` before; then,
// `runs` times, one file of it grows by a byte and the window follows:
// from the change until the listing shows it.
int measureRefresh(const std::string& startDir, const std::string& dir, const std::string& settingsPath, int runs);

// `characters` typed into the mask box one millisecond apart: the longest
// time the event loop is blocked meanwhile, and how long after the last key
// was due the window has taken it.
int measureTyping(const std::string& dir, const std::string& settingsPath, int characters);

} // namespace quorrin::bench
