#include "ui/selector_control_view.h"

#include <QKeyEvent>

namespace quorrin::ui {

SelectorControlView::SelectorControlView(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(8);
    // A choice by mouse or by the arrow keys, also of the row already shown:
    // the control raises its own events for it.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!showing_ && bindings_.chooseByUser)
            bindings_.chooseByUser(index);
    });
}

void SelectorControlView::refresh()
{
    if (bindings_.items == nullptr)
        return;
    showing_ = true;
    const QSignalBlocker blocker(this);
    if (count() == 0 || *bindings_.items != shown_) {
        shown_ = *bindings_.items;
        clear();
        for (std::size_t i = 0; i < shown_.size(); ++i) {
            const std::string& text = shown_[i];
            const QString shownText = QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
            if (bindings_.icon)
                addItem(bindings_.icon(static_cast<int>(i)), shownText);
            else
                addItem(shownText);
        }
    }
    const int index = bindings_.itemIndex ? bindings_.itemIndex() : -1;
    if (currentIndex() != index)
        setCurrentIndex(index);
    showing_ = false;
}

void SelectorControlView::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool backspace = event->key() == Qt::Key_Backspace;
    const bool typed = !text.isEmpty() && text.at(0).isPrint();
    if (!bindings_.typeKey || !(backspace || typed) || (event->modifiers() & Qt::ControlModifier) != 0) {
        QComboBox::keyPressEvent(event);
        return;
    }
    // A key no row begins with is dropped rather than left to the combo
    // box's own search, which would select a row behind the control's back.
    bindings_.typeKey(backspace ? std::string("\b") : text.toLocal8Bit().toStdString());
    event->accept();
}

} // namespace quorrin::ui
