#include "ui/line_edit_port.h"

#include <QLineEdit>

namespace quorrin::ui {

void LineEditPort::setText(const std::string& text)
{
    bytes_ = text;
    shown_ = QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
    edit_.setText(shown_);
}

std::string LineEditPort::text() const
{
    const QString now = edit_.text();
    return now == shown_ ? bytes_ : now.toLocal8Bit().toStdString();
}

void LineEditPort::selectAll()
{
    edit_.selectAll();
}

} // namespace quorrin::ui
