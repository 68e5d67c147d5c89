#pragma once

#include <QCheckBox>

namespace quorrin::ui {

// A two-state check box whose OnClick also follows a change made from code, because the window's
// handlers apply a box's state to the listing settings whenever that state changes.
class ClickCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit ClickCheckBox(const QString& text, QWidget* parent = nullptr);

    // Stores and shows the state; raises OnClick only when the state changes.
    void setCheckedFromCode(bool checked);

signals:
    void OnClick();
};

} // namespace quorrin::ui
