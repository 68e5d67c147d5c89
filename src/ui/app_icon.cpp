#include "ui/app_icon.h"

#include <QPainter>

namespace quorrin::ui {

namespace {

// The grid the icon is designed on.
constexpr int gridSize = 32;

// Colours of the standard sixteen-colour palette.
const QColor black(0x00, 0x00, 0x00);
const QColor darkGrey(0x80, 0x80, 0x80);
const QColor lightGrey(0xC0, 0xC0, 0xC0);
const QColor white(0xFF, 0xFF, 0xFF);

void drawDisc(QPainter& p)
{
    p.setPen(black);
    p.setBrush(lightGrey);
    p.drawEllipse(QRect(5, 1, 22, 22));
    // A brighter ring and the centre hole make it read as a disc, not a ball.
    p.setBrush(Qt::NoBrush);
    p.setPen(white);
    p.drawArc(QRect(9, 5, 14, 14), 60 * 16, 70 * 16);
    p.setPen(black);
    p.setBrush(darkGrey);
    p.drawEllipse(QRect(14, 10, 4, 4));
}

void drawSheet(QPainter& p)
{
    constexpr int left = 7;
    constexpr int top = 12;
    constexpr int right = 24;
    constexpr int bottom = 29;
    constexpr int fold = 5;

    // Shadow first, one pixel right of and below the sheet.
    p.setPen(darkGrey);
    p.drawLine(right + 1, top + fold + 1, right + 1, bottom + 1);
    p.drawLine(left + 1, bottom + 1, right + 1, bottom + 1);

    const QPolygon outline({QPoint(left, top), QPoint(right - fold, top), QPoint(right, top + fold),
                            QPoint(right, bottom), QPoint(left, bottom)});
    p.setPen(black);
    p.setBrush(white);
    p.drawPolygon(outline);
    // The folded corner.
    p.setBrush(lightGrey);
    p.drawPolygon(QPolygon({QPoint(right - fold, top), QPoint(right - fold, top + fold), QPoint(right, top + fold)}));

    // Five rows of short dashes: the lines of a listing.
    const int dashStarts[][3] = {{10, 14, 0}, {10, 15, 19}, {10, 13, 17}, {10, 16, 20}, {10, 14, 18}};
    const int dashLengths[][3] = {{3, 3, 0}, {4, 3, 2}, {2, 3, 3}, {5, 3, 2}, {3, 3, 2}};
    for (int row = 0; row < 5; ++row) {
        const int y = top + 4 + row * 3;
        for (int k = 0; k < 3; ++k) {
            if (dashLengths[row][k] > 0)
                p.drawLine(dashStarts[row][k], y, dashStarts[row][k] + dashLengths[row][k] - 1, y);
        }
    }
}

} // namespace

void paintApplicationIcon(QPainter& painter, int size)
{
    painter.save();
    if (size == gridSize) {
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else {
        // On the grid a one-pixel line covers the pixel right of and below
        // its point; scaled, a line is centred on its point, so move the
        // shapes by half a grid pixel to cover the same squares.
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.scale(qreal(size) / gridSize, qreal(size) / gridSize);
        painter.translate(0.5, 0.5);
    }
    drawDisc(painter);
    drawSheet(painter);
    painter.restore();
}

QPixmap applicationIconPixmap(int size, qreal devicePixelRatio)
{
    const int pixels = qRound(size * devicePixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        paintApplicationIcon(p, pixels);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : applicationIconSizes)
        icon.addPixmap(applicationIconPixmap(size));
    return icon;
}

} // namespace quorrin::ui
