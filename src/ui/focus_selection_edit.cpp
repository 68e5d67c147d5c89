#include "ui/focus_selection_edit.h"

namespace quorrin::ui {

FocusSelectionEdit::FocusSelectionEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent)
{
    showSelection(false);
}

void FocusSelectionEdit::focusInEvent(QFocusEvent* event)
{
    showSelection(true);
    QLineEdit::focusInEvent(event);
}

void FocusSelectionEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    showSelection(false);
}

void FocusSelectionEdit::showSelection(bool shown)
{
    // Without the focus a selection is drawn in the box's own colours.
    QPalette colours;
    if (!shown) {
        colours = parentWidget() != nullptr ? parentWidget()->palette() : palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            colours.setColor(group, QPalette::Highlight, colours.color(group, QPalette::Base));
            colours.setColor(group, QPalette::HighlightedText, colours.color(group, QPalette::Text));
        }
    }
    setPalette(colours);
}

} // namespace quorrin::ui
