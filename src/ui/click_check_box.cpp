#include "ui/click_check_box.h"

namespace quorrin::ui {

ClickCheckBox::ClickCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent)
{
    setTristate(false);
    // A mouse click or Space toggles the box and arrives as clicked(); setChecked() does not.
    connect(this, &QAbstractButton::clicked, this, &ClickCheckBox::OnClick);
}

void ClickCheckBox::setCheckedFromCode(bool checked)
{
    if (checked == isChecked()) {
        return;
    }
    setChecked(checked);
    emit OnClick();
}

} // namespace quorrin::ui
