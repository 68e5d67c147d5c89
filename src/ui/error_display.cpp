#include "ui/error_display.h"

#include <QMessageBox>

namespace quorrin::ui {

std::string withClosingStop(std::string message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        message += '.';
    return message;
}

MessageBoxErrorDisplay::MessageBoxErrorDisplay(QWidget* owner, QString title) : owner_(owner), title_(std::move(title))
{
}

void MessageBoxErrorDisplay::show(const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, title_, QString::fromLocal8Bit(withClosingStop(message)), QMessageBox::Ok,
                    owner_);
    box.exec();
}

} // namespace quorrin::ui
