#pragma once

namespace quorrin::ui {

// Qt's file dialogs read and write a per-user settings file that every Qt
// program shares: the last folder, the history, the view. Starting from
// another program's state would open the dialogs in its folders (one of
// them may hang when read), and ours would end up in its history. From the
// first call on, Qt's settings of this process live in a folder of their
// own, empty at start and removed at exit; this program keeps its state in
// its own settings file.
void keepQtSettingsPrivate();

} // namespace quorrin::ui
