#include "ui/edit_selector.h"

#include "ui/row_delegate.h"

#include <QAbstractItemView>
#include <QInputMethodEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>

namespace quorrin::ui {

namespace {

constexpr int itemHeight = 12;
constexpr int visibleItems = 8;

class OwnChange {
public:
    explicit OwnChange(int& depth) : depth_(depth) { ++depth_; }
    ~OwnChange() { --depth_; }
    OwnChange(const OwnChange&) = delete;
    OwnChange& operator=(const OwnChange&) = delete;

private:
    int& depth_;
};

bool isTypedCharacter(const QKeyEvent* event)
{
    const QString text = event->text();
    const auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !text.isEmpty() && text.front().isPrint() && !(event->modifiers() & commandModifiers);
}

// The key press goes straight to the widget's own handler: sending it through the application
// would hand a key the widget ignores on to its parent, which is this selector again.
void deliverDirectly(QWidget* widget, QKeyEvent* event)
{
    static_cast<QObject*>(widget)->event(event);
}

} // namespace

EditSelector::EditSelector(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(visibleItems);
    // Rows of the dropped-down list are as high as one line of the window's 12-pixel font.
    setItemDelegate(new RowDelegate(this, itemHeight));

    // QComboBox selects the item whose text stands in the edit part when editing finishes (focus
    // leaves, Enter); here only choosing, completing or setting from code changes the selection.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);

    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (ownChange_ > 0) {
            return;
        }
        // The user chose an item (list, arrow keys, wheel): its text replaces the edit part,
        // selected as a whole so that the next character starts a new completion.
        lineEdit()->selectAll();
        emit OnChange();
    });
    // Edits that reach the line edit around our key processing: drag and drop, selection paste.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (ownChange_ == 0) {
            afterUserEdit();
        }
    });

    // While the list is dropped down it holds the keyboard; its keys are processed here like the
    // box's own. view() creates the popup, whose filter must come first so ours runs before it.
    view()->installEventFilter(this);
}

void EditSelector::setItems(const QStringList& items)
{
    const OwnChange own(ownChange_);
    const EditState state = editState();
    clear();
    addItems(items);
    setCurrentIndex(-1);
    restoreEditState(state);
}

void EditSelector::setItemIndexFromCode(int index)
{
    if (index == currentIndex()) {
        return;
    }
    const bool inRange = index >= 0 && index < count();
    selectQuietly(inRange ? index : -1);
    if (!inRange) {
        const OwnChange own(ownChange_);
        lineEdit()->clear();
    }
}

void EditSelector::setInitialText(const QString& text)
{
    selectQuietly(-1);
    const OwnChange own(ownChange_);
    lineEdit()->setText(text);
}

QString EditSelector::editText() const
{
    return lineEdit()->text();
}

void EditSelector::keyPressEvent(QKeyEvent* event)
{
    emit OnKeyDown(event->key(), event->modifiers());
    processKey(event);
}

void EditSelector::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats its press but is released once.
    if (!event->isAutoRepeat()) {
        emit OnKeyUp(event->key(), event->modifiers());
    }
}

void EditSelector::inputMethodEvent(QInputMethodEvent* event)
{
    const EditState before = editState();
    {
        const OwnChange own(ownChange_);
        QComboBox::inputMethodEvent(event);
    }
    if (lineEdit()->text() == before.text) {
        return;
    }
    const QString committed = event->commitString();
    if (!committed.isEmpty() && event->preeditString().isEmpty() && complete(before, committed)) {
        return;
    }
    afterUserEdit();
}

bool EditSelector::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != view()) {
        return QComboBox::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // The popup would otherwise take these itself: choose the highlighted row on Enter, close
        // on Escape or F4, without our key events. Claiming them brings them here as key presses.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_F4 ||
            key == Qt::Key_Down || key == Qt::Key_Up) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress: keyPressEvent(static_cast<QKeyEvent*>(event)); return true;
    case QEvent::KeyRelease: keyReleaseEvent(static_cast<QKeyEvent*>(event)); return true;
    default: return false;
    }
}

bool EditSelector::isDroppedDown() const
{
    return view()->isVisible();
}

EditSelector::EditState EditSelector::editState() const
{
    const QLineEdit* edit = lineEdit();
    return {edit->text(), edit->cursorPosition(), edit->selectionStart(), edit->selectionLength()};
}

void EditSelector::restoreEditState(const EditState& state)
{
    const OwnChange own(ownChange_);
    QLineEdit* edit = lineEdit();
    if (edit->text() != state.text) {
        edit->setText(state.text);
    }
    if (state.selectionStart < 0) {
        edit->setCursorPosition(state.cursor);
    } else if (state.cursor == state.selectionStart) {
        edit->setSelection(state.selectionStart + state.selectionLength, -state.selectionLength);
    } else {
        edit->setSelection(state.selectionStart, state.selectionLength);
    }
}

void EditSelector::processKey(QKeyEvent* event)
{
    const int key = event->key();
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        if (isDroppedDown()) {
            hidePopup();
        }
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->accept();
        if (alt) {
            isDroppedDown() ? hidePopup() : showPopup();
        } else {
            moveSelection(event);
        }
        return;
    case Qt::Key_F4:
        event->accept();
        isDroppedDown() ? hidePopup() : showPopup();
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->accept();
        moveSelection(event);
        return;
    case Qt::Key_Backspace:
        event->accept();
        backspace();
        return;
    default: break;
    }
    if (isTypedCharacter(event)) {
        event->accept();
        typeText(event->text());
    } else {
        passToEdit(event);
    }
}

void EditSelector::moveSelection(QKeyEvent* event)
{
    if (count() == 0) {
        return;
    }
    int next = -1;
    if (currentIndex() < 0) {
        next = 0;
    } else if (isDroppedDown()) {
        // The open list moves its own highlight (by a page for PageUp and PageDown); the
        // selection follows it at once, as the arrow keys choose. The highlight starts from the
        // selected item, wherever the pointer has moved it meanwhile.
        view()->setCurrentIndex(model()->index(currentIndex(), modelColumn(), rootModelIndex()));
        deliverDirectly(view(), event);
        next = view()->currentIndex().row();
    } else {
        const bool back = event->key() == Qt::Key_Up || event->key() == Qt::Key_PageUp;
        next = qBound(0, currentIndex() + (back ? -1 : 1), count() - 1);
    }
    if (next >= 0 && next != currentIndex()) {
        setCurrentIndex(next);
    }
}

void EditSelector::backspace()
{
    selectKeepingText(-1);
    {
        const OwnChange own(ownChange_);
        lineEdit()->backspace();
    }
    emit OnChange();
}

void EditSelector::typeText(const QString& typed)
{
    if (complete(editState(), typed)) {
        return;
    }
    {
        const OwnChange own(ownChange_);
        lineEdit()->insert(typed);
    }
    afterUserEdit();
}

bool EditSelector::complete(const EditState& before, const QString& typed)
{
    const QString kept = before.selectionStart >= 0 ? before.text.left(before.selectionStart) : before.text;
    const QString candidate = kept + typed;
    const int match = firstItemStartingWith(candidate);
    if (match < 0) {
        return false;
    }
    const int previous = currentIndex();
    selectQuietly(match);
    {
        const OwnChange own(ownChange_);
        const QString rest = itemText(match).mid(candidate.size());
        lineEdit()->setText(candidate + rest);
        lineEdit()->setSelection(candidate.size(), rest.size());
    }
    if (match != previous) {
        emit OnChange();
    }
    return true;
}

void EditSelector::passToEdit(QKeyEvent* event)
{
    const QString before = lineEdit()->text();
    {
        const OwnChange own(ownChange_);
        deliverDirectly(lineEdit(), event);
    }
    if (lineEdit()->text() != before) {
        afterUserEdit();
    }
}

void EditSelector::afterUserEdit()
{
    if (isDroppedDown()) {
        const QString text = lineEdit()->text();
        selectKeepingText(text.isEmpty() ? -1 : firstItemStartingWith(text));
    } else {
        selectKeepingText(-1);
    }
    emit OnChange();
}

int EditSelector::firstItemStartingWith(const QString& prefix) const
{
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).startsWith(prefix, Qt::CaseInsensitive)) {
            return i;
        }
    }
    return -1;
}

void EditSelector::selectQuietly(int index)
{
    const OwnChange own(ownChange_);
    setCurrentIndex(index);
    if (isDroppedDown()) {
        view()->selectionModel()->setCurrentIndex(model()->index(index, modelColumn(), rootModelIndex()),
                                                  QItemSelectionModel::ClearAndSelect);
    }
}

void EditSelector::selectKeepingText(int index)
{
    if (index == currentIndex()) {
        return;
    }
    // QComboBox puts the chosen item's text (or nothing) into the edit part; the user's text stays.
    const EditState state = editState();
    selectQuietly(index);
    restoreEditState(state);
}

} // namespace quorrin::ui
