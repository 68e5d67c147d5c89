#pragma once

#include <QWidget>

namespace quorrin::ui {

// A one-pixel framed box without fill that groups controls: sunken boxes
// shade their top and left edges, raised boxes their bottom and right.
class Bevel : public QWidget {
public:
    enum class Shape { sunken, raised };

    Bevel(Shape shape, QWidget* parent);
    Shape shape() const { return shape_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_;
};

} // namespace quorrin::ui
