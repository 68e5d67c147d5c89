#pragma once

#include <QLineEdit>

namespace quorrin::ui {

// A single-line edit box that shows its selected text only while it has the
// keyboard focus, as the classic edit box does: the file list selects the
// mask after every read, which would otherwise stand out as a blue block
// while another control has the focus.
class FocusSelectionEdit final : public QLineEdit {
public:
    FocusSelectionEdit(const QString& text, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showSelection(bool shown);
};

} // namespace quorrin::ui
