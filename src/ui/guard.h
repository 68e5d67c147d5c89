#pragma once

#include <exception>
#include <string>

class QWidget;

namespace quorrin::ui {

// The window that shows errors: whatever a user action raises ends that
// action and is shown here, and the window takes the next event.
class ErrorSink {
public:
    virtual ~ErrorSink() = default;
    virtual void showError(const std::string& message) = 0;
};

// Hands an error to the sink of the window that holds `origin`.
void reportError(QWidget* origin, const std::string& message);

// Runs one user action so that no exception ever crosses Qt's event loop:
// the error goes to the window's error display instead.
template <typename Action> void guarded(QWidget* origin, Action&& action)
{
    try {
        action();
    } catch (const std::exception& e) {
        reportError(origin, e.what());
    }
}

} // namespace quorrin::ui
