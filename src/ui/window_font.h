#pragma once

#include <QFont>

namespace quorrin::ui {

// The window's font: a proportional Japanese gothic face, 12 pixels high,
// falling back through faces of the same metrics where the first is missing.
QFont windowFont();

} // namespace quorrin::ui
