#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <string>

class QWidget;

namespace quorrin::ui {

// The text the user reads for an error: the message with a full stop added
// when it is not empty and its last byte sorts after ".", so a message that
// already ends in punctuation below it (")" or "!") is left alone.
std::string withClosingStop(std::string message);

// Where errors that end a user action are shown. The window owns one; tests
// put their own in its place to read what the user would have seen.
class ErrorDisplay {
public:
    virtual ~ErrorDisplay() = default;
    virtual void show(const std::string& message) = 0;
    // Something the user should know that ended nothing, such as folders a
    // walk could not read; it never waits for an answer.
    virtual void showNotice(const std::string& message) { show(message); }
};

// A modal message box with the application title as caption, the stop icon
// and one OK button.
class MessageBoxErrorDisplay final : public ErrorDisplay {
public:
    MessageBoxErrorDisplay(QWidget* owner, QString title);
    void show(const std::string& message) override;
    // A box of its own that stays open beside the window, the previous
    // notice closed first.
    void showNotice(const std::string& message) override;

private:
    QWidget* owner_;
    QString title_;
    QPointer<QMessageBox> notice_;
};

} // namespace quorrin::ui
