#pragma once

#include <QIcon>
#include <QPixmap>

#include <array>

class QPainter;

namespace quorrin::ui {

// The program's own icon: a sheet of listed lines in front of a disc, in the
// sixteen classic colours. It is designed pixel by pixel on a 32 x 32 grid;
// other sizes draw the same shapes scaled, smoothed where they no longer
// fall on whole pixels.
//
// The sizes drawn for the window and installed for the desktop.
inline constexpr std::array<int, 7> applicationIconSizes{16, 24, 32, 48, 64, 128, 256};

// Paints the icon into the square (0, 0, size, size) of any paint device:
// a pixmap, an image or a vector file.
void paintApplicationIcon(QPainter& painter, int size);

// The icon as a pixmap of size x size device-independent pixels, drawn at
// the given device pixel ratio so that it stays sharp on dense screens.
QPixmap applicationIconPixmap(int size = 32, qreal devicePixelRatio = 1.0);

// All of applicationIconSizes in one icon.
QIcon applicationIcon();

} // namespace quorrin::ui
