#include "ui/line_edit_port.h"

#include <QLineEdit>

namespace quorrin::ui {

void LineEditPort::setText(const std::string& text)
{
    edit_.setText(QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())));
}

void LineEditPort::selectAll()
{
    edit_.selectAll();
}

} // namespace quorrin::ui
