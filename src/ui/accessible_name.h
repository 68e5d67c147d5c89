#pragma once

#include <QString>

class QWidget;

namespace quorrin::ui {

// Gives a control without a caption the name assistive tools announce.
// A selector's own name is its value on Linux, where screen readers take
// the name from the label the selector is labelled by; it gets such a label,
// hidden, so the window's look does not change.
void setAccessibleControlName(QWidget* control, const QString& name);

} // namespace quorrin::ui
