#include "ui/list_control_view.h"

#include "ui/row_delegate.h"

#include <QKeyEvent>

namespace quorrin::ui {

ListControlView::ListControlView(QWidget* parent, int rowHeight) : QListView(parent)
{
    setModel(&model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row is one text line high, so the view never measures a row and
    // a list of a million names scrolls as fast as one of ten.
    setUniformItemSizes(true);
    // Laying out a million rows at once holds the event loop for tens of
    // milliseconds: a list longer than a batch is laid out in turns.
    setLayoutMode(QListView::Batched);
    setBatchSize(hugeListBatch);
    setItemDelegate(
        new RowDelegate(this, rowHeight, [this](int row) { return bindings_.indent ? bindings_.indent(row) : 0; }));
    connect(this, &QAbstractItemView::doubleClicked, this, [this] {
        if (bindings_.open)
            later(bindings_.open);
    });
}

void ListControlView::later(std::function<void()> action)
{
    QMetaObject::invokeMethod(this, std::move(action), Qt::QueuedConnection);
}

void ListControlView::bind(Bindings bindings)
{
    bindings_ = std::move(bindings);
    model_.setIcons(bindings_.icon);
    model_.setSource(bindings_.items);
}

void ListControlView::refresh()
{
    showing_ = true;
    model_.refresh();
    const int index = bindings_.itemIndex ? bindings_.itemIndex() : -1;
    if (index >= 0 && index < model_.rowCount()) {
        const QModelIndex row = model_.index(index);
        setCurrentIndex(row);
        scrollTo(row);
    } else {
        setCurrentIndex(QModelIndex());
        clearSelection();
    }
    showing_ = false;
}

void ListControlView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QListView::currentChanged(current, previous);
    if (showing_ || !bindings_.selectByUser)
        return;
    // The control may rebuild its rows in answer (the directory list moves
    // into the chosen folder), which must not happen while the view is still
    // inside its own mouse or key handling: hand it over once that is done.
    const int row = current.isValid() ? current.row() : -1;
    later([this, row] { bindings_.selectByUser(row); });
}

void ListControlView::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool backspace = event->key() == Qt::Key_Backspace;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool typed = !text.isEmpty() && (text.at(0).isPrint() || enter);
    if (!bindings_.typeKey || !(backspace || typed) || (event->modifiers() & Qt::ControlModifier) != 0) {
        QListView::keyPressEvent(event);
        return;
    }
    bindings_.typeKey(backspace ? std::string("\b") : enter ? std::string("\r") : text.toLocal8Bit().toStdString());
    if (enter && bindings_.open)
        later(bindings_.open);
    event->accept();
}

} // namespace quorrin::ui
