#include "ui/browse_glyphs.h"

#include <QPainter>

namespace quorrin::ui {

namespace {

const QColor black(0x00, 0x00, 0x00);
const QColor darkYellow(0x80, 0x80, 0x00);
const QColor yellow(0xFF, 0xFF, 0x00);
const QColor white(0xFF, 0xFF, 0xFF);
const QColor green(0x00, 0x80, 0x00);
const QColor lightGrey(0xC0, 0xC0, 0xC0);

QPixmap blank(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The back of a folder with its tab; the front is drawn over it.
void drawFolderBack(QPainter& p)
{
    p.setPen(black);
    p.setBrush(darkYellow);
    p.drawPolygon(QPolygon(
        {QPoint(1, 3), QPoint(2, 2), QPoint(6, 2), QPoint(7, 3), QPoint(13, 3), QPoint(13, 13), QPoint(1, 13)}));
}

void drawClosedFront(QPainter& p)
{
    p.setPen(black);
    p.setBrush(yellow);
    p.drawRect(QRect(1, 5, 12, 8));
}

// The front flap tipped forward, showing the inside.
void drawOpenFront(QPainter& p)
{
    p.setPen(black);
    p.setBrush(yellow);
    p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(12, 13), QPoint(1, 13)}));
}

void drawSheet(QPainter& p)
{
    p.setPen(black);
    p.setBrush(white);
    p.drawRect(QRect(4, 1, 7, 8));
    p.drawLine(6, 3, 9, 3);
    p.drawLine(6, 5, 9, 5);
}

} // namespace

QPixmap folderGlyph(browse::DirectoryRowKind kind)
{
    QPixmap pixmap = blank(16, 15);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawFolderBack(p);
    switch (kind) {
    case browse::DirectoryRowKind::subdirectory: drawClosedFront(p); break;
    case browse::DirectoryRowKind::ancestor: drawOpenFront(p); break;
    case browse::DirectoryRowKind::current:
        drawSheet(p);
        drawOpenFront(p);
        break;
    }
    return pixmap;
}

// A memory module: a green board with its chips and contacts.
QPixmap ramDiskGlyph()
{
    QPixmap pixmap = blank(16, 11);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(black);
    p.setBrush(green);
    p.drawRect(QRect(0, 2, 15, 6));
    p.setBrush(black);
    for (int x = 2; x < 14; x += 4)
        p.drawRect(QRect(x, 3, 2, 3));
    p.setPen(lightGrey);
    for (int x = 1; x < 15; x += 2)
        p.drawLine(x, 9, x, 10);
    return pixmap;
}

} // namespace quorrin::ui
