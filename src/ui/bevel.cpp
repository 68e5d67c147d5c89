#include "ui/bevel.h"

#include <QPainter>

namespace quorrin::ui {

Bevel::Bevel(Shape shape, QWidget* parent) : QWidget(parent), shape_(shape)
{
    // A frame only: clicks go to whatever lies inside it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    const QColor topLeft = shape_ == Shape::sunken ? shadow : highlight;
    const QColor bottomRight = shape_ == Shape::sunken ? highlight : shadow;
    const int r = width() - 1;
    const int b = height() - 1;
    p.setPen(topLeft);
    p.drawLine(0, 0, r, 0);
    p.drawLine(0, 0, 0, b);
    p.setPen(bottomRight);
    p.drawLine(0, b, r, b);
    p.drawLine(r, 0, r, b);
}

} // namespace quorrin::ui
