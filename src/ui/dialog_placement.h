#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quorrin::ui {

// Where the save dialog opens: centred across the free area of the main
// window's screen, its top at one third of the height the screen leaves free
// above and below it. Halves and thirds truncate toward zero, so a dialog
// taller than the screen starts a little above its top.
constexpr QPoint upperThirdCentre(const QRect& screenArea, const QSize& dialog)
{
    return QPoint(screenArea.left() + (screenArea.width() - dialog.width()) / 2,
                  screenArea.top() + (screenArea.height() - dialog.height()) / 3);
}

} // namespace quorrin::ui
