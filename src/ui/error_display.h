#pragma once

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
};

// A modal message box with the application title as caption, the stop icon
// and one OK button.
class MessageBoxErrorDisplay final : public ErrorDisplay {
public:
    MessageBoxErrorDisplay(QWidget* owner, QString title);
    void show(const std::string& message) override;

private:
    QWidget* owner_;
    QString title_;
};

} // namespace quorrin::ui
