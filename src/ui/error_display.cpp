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

void MessageBoxErrorDisplay::showNotice(const std::string& message)
{
    if (notice_)
        notice_->close();
    notice_ = new QMessageBox(QMessageBox::Warning, title_, QString::fromLocal8Bit(message), QMessageBox::Ok, owner_);
    notice_->setAttribute(Qt::WA_DeleteOnClose);
    notice_->setModal(false);
    notice_->show();
}

} // namespace quorrin::ui
