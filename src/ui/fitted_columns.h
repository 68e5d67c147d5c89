#pragma once

#include <QList>

class QFileDialog;

namespace quorrin::ui {

// The detail view of Qt's widget file dialog starts with fixed column widths
// that cut sizes, types and dates short and leave the right of the view
// empty, and a dialog of fixed size cannot be widened. Here the columns fill
// the view whenever a folder has been read: size, type and date as wide as
// their texts, the name the widest column with the rest; only where that
// leaves the name narrower than another column are the others cut down.
void fitColumnsToView(QFileDialog& dialog);

// The widths for a view `available` pixels wide, the name first, given what
// each of the other columns needs.
QList<int> fittedColumnWidths(int available, const QList<int>& othersNeed);

} // namespace quorrin::ui
