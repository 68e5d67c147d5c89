#include "ui/edit_selector.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QtTest>

using quorrin::ui::EditSelector;

namespace {

const QStringList kColumnItems{
    QStringLiteral("パス"), QStringLiteral("ファイル名"), QStringLiteral("サイズ"),
    QStringLiteral("日付"), QStringLiteral("オプション"), QStringLiteral("なし"),
};

const QStringList kSeparatorItems{
    QStringLiteral(" なし"),           QStringLiteral(" 空白"),         QStringLiteral(" Tab"),
    QStringLiteral(" ， (カンマ)"),    QStringLiteral("－ (ハイフン)"), QStringLiteral("＿ (アンダーバー)"),
    QStringLiteral("／ (スラッシュ)"), QStringLiteral("＋ (プラス)"),
};

// A selector on a shown, active window with the keyboard focus, recording its events in order.
struct Bench {
    QWidget window;
    EditSelector* selector = new EditSelector(&window);
    QLineEdit* other = new QLineEdit(&window);
    QStringList log;

    Bench(const QStringList& items, int index, const QString& initialText)
    {
        selector->setGeometry(10, 10, 132, 20);
        other->setGeometry(10, 40, 132, 20);
        selector->setInitialText(initialText);
        selector->setItems(items);
        selector->setItemIndexFromCode(index);
        QObject::connect(selector, &EditSelector::OnChange, [this] { log << QStringLiteral("change"); });
        QObject::connect(selector, &EditSelector::OnKeyDown, [this] { log << QStringLiteral("down"); });
        QObject::connect(selector, &EditSelector::OnKeyUp, [this] { log << QStringLiteral("up"); });
        window.resize(200, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        selector->setFocus();
        QCOMPARE(QApplication::focusWidget(), selector);
    }

    QString selectedText() const { return selector->lineEdit()->selectedText(); }

    // Keys go to the window as the system would deliver them: to the focused box, or to the list
    // while it is dropped down.
    void press(Qt::Key key, const QString& text = {})
    {
        QTest::sendKeyEvent(QTest::Press, window.windowHandle(), key, text, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, window.windowHandle(), key, text, Qt::NoModifier);
    }

    // Plays a script: "<Name>" is a special key (<Paste> is Ctrl+V, <Open> drops the list down, <Set>n
    // chooses item n from code, <IM>x commits x from an input method), anything else is typed one
    // character at a time.
    void play(const QStringList& script)
    {
        static const QHash<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> keys{
            {"<BS>", {Qt::Key_Backspace, {}}},
            {"<Del>", {Qt::Key_Delete, {}}},
            {"<Home>", {Qt::Key_Home, {}}},
            {"<End>", {Qt::Key_End, {}}},
            {"<Up>", {Qt::Key_Up, {}}},
            {"<Down>", {Qt::Key_Down, {}}},
            {"<Enter>", {Qt::Key_Return, {}}},
            {"<Esc>", {Qt::Key_Escape, {}}},
            {"<Tab>", {Qt::Key_Tab, {}}},
            {"<F4>", {Qt::Key_F4, {}}},
            {"<AltDown>", {Qt::Key_Down, Qt::AltModifier}},
            {"<AltUp>", {Qt::Key_Up, Qt::AltModifier}},
            {"<Paste>", {Qt::Key_V, Qt::ControlModifier}},
        };
        for (const QString& step : script) {
            if (step == QLatin1String("<Open>")) {
                selector->showPopup();
                QTRY_VERIFY(selector->view()->isVisible());
            } else if (step.startsWith(QLatin1String("<Set>"))) {
                selector->setItemIndexFromCode(step.mid(5).toInt());
            } else if (step.startsWith(QLatin1String("<IM>"))) {
                QInputMethodEvent event;
                event.setCommitString(step.mid(4));
                QApplication::sendEvent(selector, &event);
            } else if (const auto key = keys.value(step);
                       keys.contains(step) && (key.second != Qt::NoModifier || key.first == Qt::Key_F4)) {
                QTest::keyClick(window.windowHandle(), key.first, key.second);
            } else if (keys.contains(step)) {
                press(key.first);
            } else {
                for (const QChar c : step) {
                    const bool latin = c.unicode() < 0x80 && c.isLetter();
                    press(latin ? Qt::Key(c.toUpper().unicode()) : (c == u' ' ? Qt::Key_Space : Qt::Key_unknown),
                          QString(c));
                }
            }
        }
    }
};

} // namespace

class EditSelectorTest : public QObject {
    Q_OBJECT

private slots:
    void keys_data()
    {
        for (const char* column : {"items", "initialText", "text", "selected"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("start");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<bool>("open");
        const auto row = [](const char* name, const char* items, int start, const QString& initialText,
                            const QStringList& script, const QString& text, int index, const QString& selected,
                            const QStringList& log, bool open = false) {
            QTest::newRow(name) << QString(items) << initialText << text << selected << start << script << index << log
                                << open;
        };
        const QStringList key{"down", "up"};
        const QStringList changingKey{"down", "change", "up"};
        const QString none;

        // Choosing from code raises nothing.
        row("-1 from code on a box without selection keeps its text", "column", -1, "ComboBox3", {"<Set>-1"},
            "ComboBox3", -1, "", {});
        row("an item from code shows its text", "column", -1, "ComboBox3", {"<Set>2"}, "サイズ", 2, "", {});
        row("-1 from code on an item empties the edit part", "column", 2, "ComboBox3", {"<Set>-1"}, "", -1, "", {});
        row("past the last item from code empties the edit part", "column", -1, "ComboBox3", {"<Set>6"}, "", -1, "",
            {});
        row("below -1 from code empties the edit part", "column", 1, "ComboBox3", {"<Set>-2"}, "", -1, "", {});

        // Typing and completion.
        row("x after a column's text", "column", 0, none, {"<End>", "x"}, "パスx", -1, "", key + changingKey);
        row("space completes to the first separator", "separator", -1, none, {" "}, " なし", 0, "なし", changingKey);
        row("semicolon and space make a two-character separator", "separator", -1, none, {";", " "}, "; ", -1, "",
            changingKey + changingKey);
        row("completion ignores case and keeps the typed letters", "separator", -1, none, {" ", "t"}, " tab", 2, "ab",
            changingKey + changingKey);
        row("completing to the same item again raises nothing", "separator", -1, none, {" ", "な"}, " なし", 0, "し",
            changingKey + key);
        row("typing an item's whole text selects it with nothing left to select", "separator", -1, none, {" Tab"},
            " Tab", 2, "", changingKey + changingKey + key + key);
        row("a character completing nothing replaces the completed rest", "separator", -1, none, {" ", "x"}, " x", -1,
            "", changingKey + changingKey);
        row("after an arrow key the next character starts a new completion", "column", -1, "ComboBox3",
            {"<Down>", "サ"}, "サイズ", 2, "イズ", changingKey + changingKey);
        row("input method text completes an item", "column", -1, none, {"<IM>サ"}, "サイズ", 2, "イズ", {"change"});
        row("input method text completing nothing", "column", -1, none, {"<IM>ん"}, "ん", -1, "", {"change"});
        // A character that completes nothing is inserted at the caret; the open list then follows the new
        // text, while the closed box is left without selection.
        row("editing with the list closed", "column", -1, "ス", {"<Home>", "パ"}, "パス", -1, "", key + changingKey);
        row("editing follows the open list", "column", -1, "ス", {"<Home>", "<Open>", "パ"}, "パス", 0, "",
            key + changingKey, true);

        // Backspace and Delete.
        row("backspace in an empty box only raises OnChange", "separator", -1, none, {"<BS>"}, "", -1, "", changingKey);
        row("backspace deletes the completed rest", "separator", -1, none, {" ", "<BS>"}, " ", -1, "",
            changingKey + changingKey);
        row("backspace deletes a character outside the basic plane whole", "column", -1, "a\U00020BB7",
            {"<End>", "<BS>"}, "a", -1, "", key + changingKey);
        row("backspace at the start deselects the item and keeps the text", "column", 0, none, {"<Home>", "<BS>"},
            "パス", -1, "", key + changingKey);
        row("delete removes the character after the caret and the selection", "column", 0, none, {"<Home>", "<Del>"},
            "ス", -1, "", key + changingKey);
        row("delete at the end changes nothing", "column", 0, none, {"<End>", "<Del>"}, "パス", 0, "", key + key);

        // Arrow keys, Enter and Escape on the closed box.
        row("down on a box without selection chooses the first item", "column", -1, "ComboBox3", {"<Down>"}, "パス", 0,
            "パス", changingKey);
        row("each step of the arrow keys raises OnChange once", "column", 0, none, {"<Down>", "<Down>", "<Up>"},
            "ファイル名", 1, "ファイル名", changingKey + changingKey + changingKey);
        row("up on the first item changes nothing", "column", 0, none, {"<Up>"}, "パス", 0, "", key);
        row("down on the last item changes nothing", "column", 5, none, {"<Down>"}, "なし", 5, "", key);
        row("enter and escape on the closed box do nothing", "column", 1, none, {"<Enter>", "<Esc>"}, "ファイル名", 1,
            "", key + key);
        row("enter leaves a typed item name unselected", "column", 0, none, {"<End>", "x", "<BS>", "<Enter>"}, "パス",
            -1, "", key + changingKey + changingKey + key);
        // Tab moves the focus without being processed: the box keeps its text and no selection even when
        // that text names an item.
        row("tab leaves a typed item name unselected and raises nothing", "column", 0, none,
            {"<End>", "x", "<BS>", "<Tab>"}, "パス", -1, "", key + changingKey + changingKey);
        row("paste is an edit like typing", "column", 0, none, {"<End>", "<Paste>"}, "パス日付", -1, "",
            key + QStringList{"down", "down", "change", "up", "up"});

        // Arrow keys in the open list choose at once; F4, Alt+arrows and Escape open and close it unchanged.
        row("down in the open list chooses at once", "column", -1, "ComboBox3", {"<Open>", "<Down>"}, "パス", 0, "",
            changingKey, true);
        row("enter closes the list on the item chosen", "column", -1, "ComboBox3",
            {"<Open>", "<Down>", "<Down>", "<Enter>"}, "ファイル名", 1, "ファイル名", changingKey + changingKey + key);
        row("F4 opens the list", "column", 2, none, {"<F4>"}, "サイズ", 2, "", key, true);
        row("F4 again closes it", "column", 2, none, {"<F4>", "<F4>"}, "サイズ", 2, "", key + key);
        // The Alt key itself comes down and up around each arrow.
        const QStringList altKey{"down", "down", "up", "up"};
        row("alt down opens the list", "column", 2, none, {"<AltDown>"}, "サイズ", 2, "", altKey, true);
        row("alt up closes it", "column", 2, none, {"<AltDown>", "<AltUp>"}, "サイズ", 2, "", altKey + altKey);
        row("escape closes it", "column", 2, none, {"<F4>", "<Esc>"}, "サイズ", 2, "", key + key);
    }
    void keys()
    {
        QFETCH(QString, items);
        QFETCH(int, start);
        QFETCH(QString, initialText);
        QFETCH(QStringList, script);
        QFETCH(bool, open);
        Bench bench(items == QLatin1String("separator") ? kSeparatorItems : kColumnItems, start, initialText);
        QGuiApplication::clipboard()->setText(QStringLiteral("日付"));

        bench.play(script);

        QTRY_COMPARE(bench.selector->view()->isVisible(), open);
        QCOMPARE(QApplication::focusWidget() == bench.other, script.contains(QStringLiteral("<Tab>")));
        QTEST(bench.selector->editText(), "text");
        QTEST(bench.selector->itemIndex(), "index");
        QTEST(bench.selectedText(), "selected");
        QTEST(bench.log, "log");
        if (open)
            QTEST(bench.selector->view()->currentIndex().row(), "index");
    }

    // The window's separator handler deselects the box on every key press; the typed character
    // then meets the box as that handler left it.
    void aKeyDownHandlerActsBeforeTheCharacter()
    {
        Bench bench(kSeparatorItems, 2, {});
        QObject::connect(bench.selector, &EditSelector::OnKeyDown, bench.selector,
                         [&bench] { bench.selector->setItemIndexFromCode(-1); });

        bench.play({";"});

        QCOMPARE(bench.selector->editText(), QStringLiteral(";"));
        QCOMPARE(bench.selector->itemIndex(), -1);
        QCOMPARE(bench.log, (QStringList{"down", "change", "up"}));
    }

    void aClickOnAnItemChoosesIt()
    {
        Bench bench(kColumnItems, 0, {});
        bench.selector->showPopup();
        QAbstractItemView* list = bench.selector->view();
        QTRY_VERIFY(list->isVisible());

        const QPoint onItem = list->visualRect(list->model()->index(3, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onItem);

        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(bench.selector->itemIndex(), 3);
        QCOMPARE(bench.selector->editText(), QStringLiteral("日付"));
        QCOMPARE(bench.log, QStringList{"change"});
    }
};

QTEST_MAIN(EditSelectorTest)
#include "edit_selector_test.moc"
