#pragma once

#include <QIcon>
#include <QPixmap>

namespace quorrin::ui {

// The program's own 32 x 32 icon: a sheet of listed lines in front of a
// disc, drawn here pixel by pixel in the sixteen classic colours.
QPixmap applicationIconPixmap();
QIcon applicationIcon();

} // namespace quorrin::ui
