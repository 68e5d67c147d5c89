#pragma once

#include <QComboBox>

class QInputMethodEvent;
class QKeyEvent;

namespace quorrin::ui {

// A drop-down selector with an edit part: the column selectors and the separator selector.
//
// The window's handlers rely on a precise event contract that a plain QComboBox does not keep:
// a change made from code is silent, a user's choice raises OnChange once per change of the
// selected item, typing completes against the items without regard to case, and any other edit
// leaves no item selected. This class therefore does its own key processing and keeps QComboBox's
// current index in step with what the user sees; QComboBox's own completer, insertion and
// "select the item whose text was typed" behaviours are switched off.
//
// Fill it with setItems(): QComboBox::addItem() would select the first item of an empty box.
class EditSelector : public QComboBox {
    Q_OBJECT

public:
    explicit EditSelector(QWidget* parent = nullptr);

    // Replaces the items; no item is selected afterwards and the edit text stays. Raises nothing.
    void setItems(const QStringList& items);

    // The selected item's position, -1 when none.
    int itemIndex() const { return currentIndex(); }

    // Selects an item from code and never raises OnChange. Selecting the item that is already
    // selected does nothing at all, so a box without selection set to -1 keeps its text; any other
    // position outside the items leaves no selection and an empty edit part.
    void setItemIndexFromCode(int index);

    // Shows text in the edit part with no item selected (the text a box starts with, or a typed
    // separator put back at start). Raises nothing.
    void setInitialText(const QString& text);

    QString editText() const;

signals:
    void OnChange();
    void OnKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void OnKeyUp(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct EditState {
        QString text;
        int cursor = 0;
        int selectionStart = -1;
        int selectionLength = 0;
    };

    bool isDroppedDown() const;
    EditState editState() const;
    void restoreEditState(const EditState& state);

    void processKey(QKeyEvent* event);
    void moveSelection(QKeyEvent* event);
    void backspace();
    void typeText(const QString& typed);
    bool complete(const EditState& before, const QString& typed);
    void passToEdit(QKeyEvent* event);
    void afterUserEdit();

    int firstItemStartingWith(const QString& prefix) const;
    void selectQuietly(int index);
    void selectKeepingText(int index);

    // Above zero while this class changes the current index or the edit text itself, so that
    // QComboBox's index signal and the line edit's edit signal are not taken for the user's.
    int ownChange_ = 0;
};

} // namespace quorrin::ui
