#include "ui/accessible_name.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace quorrin::ui {

void setAccessibleControlName(QWidget* control, const QString& name)
{
    control->setAccessibleName(name);
    auto* selector = qobject_cast<QComboBox*>(control);
    if (selector == nullptr)
        return;
    if (QLineEdit* edit = selector->lineEdit())
        edit->setAccessibleName(name);
    auto* label = new QLabel(name, control->parentWidget());
    label->setBuddy(control);
    label->hide();
}

} // namespace quorrin::ui
