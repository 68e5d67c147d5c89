#include "ui/clipboard_port.h"

#include "platform/errors.h"

#include <QClipboard>
#include <QGuiApplication>

namespace quorrin::ui {

namespace {

// Qt answers nothing, with a warning, before the application exists.
QClipboard* applicationClipboard()
{
    return QGuiApplication::instance() != nullptr ? QGuiApplication::clipboard() : nullptr;
}

} // namespace

QtClipboardPort::QtClipboardPort(const text::TextRules& rules, std::function<QClipboard*()> clipboard)
    : rules_(rules), clipboard_(clipboard ? std::move(clipboard) : applicationClipboard)
{
}

void QtClipboardPort::putText(const std::string& text)
{
    QClipboard* clipboard = clipboard_();
    if (clipboard == nullptr)
        throw Error(rules_.fromUtf8("クリップボードを開くことができません"));
    // Setting the text drops every other format the clipboard held.
    clipboard->setText(QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())), QClipboard::Clipboard);
}

} // namespace quorrin::ui
