#pragma once

class QCoreApplication;

namespace quorrin::ui {

// The window speaks Japanese whatever the system's language, and so do Qt's
// own texts in it: the file dialogs, the replace question, the edit boxes'
// menus, the dialogs' dates and sizes. Qt's Japanese translations are
// loaded where installed; the few texts they lack, and all of them where
// they are missing, come from this program's own Japanese.
void installJapaneseQtTexts(QCoreApplication& application);

} // namespace quorrin::ui
