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

    // Plays a script: "<Name>" is a special key (<Paste> is Ctrl+V), anything else is typed one character at a time.
    void play(const QStringList& script)
    {
        static const QHash<QString, Qt::Key> keys{
            {QStringLiteral("<BS>"), Qt::Key_Backspace}, {QStringLiteral("<Del>"), Qt::Key_Delete},
            {QStringLiteral("<Home>"), Qt::Key_Home},    {QStringLiteral("<End>"), Qt::Key_End},
            {QStringLiteral("<Up>"), Qt::Key_Up},        {QStringLiteral("<Down>"), Qt::Key_Down},
            {QStringLiteral("<Enter>"), Qt::Key_Return}, {QStringLiteral("<Esc>"), Qt::Key_Escape},
            {QStringLiteral("<Tab>"), Qt::Key_Tab},
        };
        for (const QString& step : script) {
            if (step == QLatin1String("<Paste>")) {
                QTest::keyClick(window.windowHandle(), Qt::Key_V, Qt::ControlModifier);
                continue;
            }
            if (keys.contains(step)) {
                press(keys.value(step));
                continue;
            }
            for (const QChar c : step) {
                const bool latin = c.unicode() < 0x80 && c.isLetter();
                const Qt::Key key =
                    latin ? Qt::Key(c.toUpper().unicode()) : (c == u' ' ? Qt::Key_Space : Qt::Key_unknown);
                press(key, QString(c));
            }
        }
    }
};

const QStringList& itemsNamed(const QString& name)
{
    return name == QLatin1String("separator") ? kSeparatorItems : kColumnItems;
}

} // namespace

class EditSelectorTest : public QObject {
    Q_OBJECT

private slots:
    void settingFromCodeIsSilent_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");

        QTest::newRow("-1 on a box without selection keeps its text") << -1 << -1 << -1 << "ComboBox3";
        QTest::newRow("an item shows its text") << -1 << 2 << 2 << "サイズ";
        QTest::newRow("-1 on an item empties the edit part") << 2 << -1 << -1 << "";
        QTest::newRow("past the last item empties the edit part") << -1 << 6 << -1 << "";
        QTest::newRow("below -1 empties the edit part") << 1 << -2 << -1 << "";
    }
    void settingFromCodeIsSilent()
    {
        QFETCH(int, start);
        QFETCH(int, set);
        QFETCH(int, index);
        QFETCH(QString, text);
        Bench bench(kColumnItems, start, QStringLiteral("ComboBox3"));

        bench.selector->setItemIndexFromCode(set);

        QCOMPARE(bench.selector->itemIndex(), index);
        QCOMPARE(bench.selector->editText(), text);
        QCOMPARE(bench.log, QStringList());
    }

    void keys_data()
    {
        QTest::addColumn<QString>("items");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("initialText");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("log");

        const QStringList key{"down", "up"};
        const QStringList changingKey{"down", "change", "up"};

        // Typing and completion.
        QTest::newRow("x after a column's text")
            << "column" << 0 << "" << QStringList{"<End>", "x"} << "パスx" << -1 << "" << key + changingKey;
        QTest::newRow("space completes to the first separator")
            << "separator" << -1 << "" << QStringList{" "} << " なし" << 0 << "なし" << changingKey;
        QTest::newRow("semicolon and space make a two-character separator")
            << "separator" << -1 << "" << QStringList{";", " "} << "; " << -1 << "" << changingKey + changingKey;
        QTest::newRow("completion ignores case and keeps the typed letters")
            << "separator" << -1 << "" << QStringList{" ", "t"} << " tab" << 2 << "ab" << changingKey + changingKey;
        QTest::newRow("completing to the same item again raises nothing")
            << "separator" << -1 << "" << QStringList{" ", "な"} << " なし" << 0 << "し" << changingKey + key;
        QTest::newRow("typing an item's whole text selects it with nothing left to select")
            << "separator" << -1 << "" << QStringList{" Tab"} << " Tab" << 2 << ""
            << changingKey + changingKey + key + key;
        QTest::newRow("a character completing nothing replaces the completed rest")
            << "separator" << -1 << "" << QStringList{" ", "x"} << " x" << -1 << "" << changingKey + changingKey;
        QTest::newRow("after an arrow key the next character starts a new completion")
            << "column" << -1 << "ComboBox3" << QStringList{"<Down>", "サ"} << "サイズ" << 2 << "イズ"
            << changingKey + changingKey;

        // Backspace and Delete.
        QTest::newRow("backspace in an empty box only raises OnChange")
            << "separator" << -1 << "" << QStringList{"<BS>"} << "" << -1 << "" << changingKey;
        QTest::newRow("backspace deletes the completed rest")
            << "separator" << -1 << "" << QStringList{" ", "<BS>"} << " " << -1 << "" << changingKey + changingKey;
        QTest::newRow("backspace deletes a character outside the basic plane whole")
            << "column" << -1 << "a\U00020BB7" << QStringList{"<End>", "<BS>"} << "a" << -1 << "" << key + changingKey;
        QTest::newRow("backspace at the start deselects the item and keeps the text")
            << "column" << 0 << "" << QStringList{"<Home>", "<BS>"} << "パス" << -1 << "" << key + changingKey;
        QTest::newRow("delete removes the character after the caret and the selection")
            << "column" << 0 << "" << QStringList{"<Home>", "<Del>"} << "ス" << -1 << "" << key + changingKey;
        QTest::newRow("delete at the end changes nothing")
            << "column" << 0 << "" << QStringList{"<End>", "<Del>"} << "パス" << 0 << "" << key + key;

        // Arrow keys on the closed box, Enter and Escape.
        QTest::newRow("down on a box without selection chooses the first item")
            << "column" << -1 << "ComboBox3" << QStringList{"<Down>"} << "パス" << 0 << "パス" << changingKey;
        QTest::newRow("each step of the arrow keys raises OnChange once")
            << "column" << 0 << "" << QStringList{"<Down>", "<Down>", "<Up>"} << "ファイル名" << 1 << "ファイル名"
            << changingKey + changingKey + changingKey;
        QTest::newRow("up on the first item changes nothing")
            << "column" << 0 << "" << QStringList{"<Up>"} << "パス" << 0 << "" << key;
        QTest::newRow("down on the last item changes nothing")
            << "column" << 5 << "" << QStringList{"<Down>"} << "なし" << 5 << "" << key;
        QTest::newRow("enter and escape on the closed box do nothing")
            << "column" << 1 << "" << QStringList{"<Enter>", "<Esc>"} << "ファイル名" << 1 << "" << key + key;
        QTest::newRow("enter leaves a typed item name unselected")
            << "column" << 0 << "" << QStringList{"<End>", "x", "<BS>", "<Enter>"} << "パス" << -1 << ""
            << key + changingKey + changingKey + key;
        // Tab moves the focus without being processed: the box keeps its text and no selection
        // even when that text names an item.
        QTest::newRow("tab leaves a typed item name unselected and raises nothing")
            << "column" << 0 << "" << QStringList{"<End>", "x", "<BS>", "<Tab>"} << "パス" << -1 << ""
            << key + changingKey + changingKey;
        QTest::newRow("paste is an edit like typing")
            << "column" << 0 << "" << QStringList{"<End>", "<Paste>"} << "パス日付" << -1 << ""
            << key + QStringList{"down", "down", "change", "up", "up"};
    }
    void keys()
    {
        QFETCH(QString, items);
        QFETCH(int, start);
        QFETCH(QString, initialText);
        QFETCH(QStringList, script);
        Bench bench(itemsNamed(items), start, initialText);
        QGuiApplication::clipboard()->setText(QStringLiteral("日付"));

        bench.play(script);

        QCOMPARE(QApplication::focusWidget() == bench.other, script.contains(QStringLiteral("<Tab>")));
        QTEST(bench.selector->editText(), "text");
        QTEST(bench.selector->itemIndex(), "index");
        QTEST(bench.selectedText(), "selected");
        QTEST(bench.log, "log");
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

    void arrowKeysInTheOpenListChooseAtOnce()
    {
        Bench bench(kColumnItems, -1, QStringLiteral("ComboBox3"));
        bench.selector->showPopup();
        QTRY_VERIFY(bench.selector->view()->isVisible());

        bench.play({"<Down>"});
        QCOMPARE(bench.selector->itemIndex(), 0);
        QCOMPARE(bench.selector->editText(), QStringLiteral("パス"));
        bench.play({"<Down>"});
        QCOMPARE(bench.selector->itemIndex(), 1);
        QCOMPARE(bench.selector->editText(), QStringLiteral("ファイル名"));
        QVERIFY(bench.selector->view()->isVisible());

        bench.play({"<Enter>"});
        QTRY_VERIFY(!bench.selector->view()->isVisible());
        QCOMPARE(bench.selector->itemIndex(), 1);
        QCOMPARE(bench.log, (QStringList{"down", "change", "up", "down", "change", "up", "down", "up"}));
    }

    void f4AltArrowsAndEscapeOpenAndCloseTheList()
    {
        Bench bench(kColumnItems, 2, {});
        QAbstractItemView* list = bench.selector->view();
        const auto send = [&bench](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(bench.window.windowHandle(), key, modifiers);
        };

        send(Qt::Key_F4, Qt::NoModifier);
        QTRY_VERIFY(list->isVisible());
        send(Qt::Key_F4, Qt::NoModifier);
        QTRY_VERIFY(!list->isVisible());
        send(Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(list->isVisible());
        send(Qt::Key_Up, Qt::AltModifier);
        QTRY_VERIFY(!list->isVisible());
        send(Qt::Key_F4, Qt::NoModifier);
        QTRY_VERIFY(list->isVisible());
        QVERIFY(!bench.log.contains(QStringLiteral("change")));
        bench.log.clear();
        bench.play({"<Esc>"});
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(bench.log, (QStringList{"down", "up"}));

        QCOMPARE(bench.selector->itemIndex(), 2);
        QCOMPARE(bench.selector->editText(), QStringLiteral("サイズ"));
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

    // A character that completes nothing is inserted at the caret; the open list then follows the
    // new text, while the closed box is left without selection.
    void editingFollowsTheOpenList_data()
    {
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<int>("index");
        QTest::newRow("list open") << true << 0;
        QTest::newRow("list closed") << false << -1;
    }
    void editingFollowsTheOpenList()
    {
        QFETCH(bool, dropped);
        Bench bench(kColumnItems, -1, QStringLiteral("ス"));
        bench.play({"<Home>"});
        if (dropped) {
            bench.selector->showPopup();
            QTRY_VERIFY(bench.selector->view()->isVisible());
        }
        bench.log.clear();

        bench.play({"パ"});

        QCOMPARE(bench.selector->editText(), QStringLiteral("パス"));
        QTEST(bench.selector->itemIndex(), "index");
        QCOMPARE(bench.log, (QStringList{"down", "change", "up"}));
        if (dropped) {
            QCOMPARE(bench.selector->view()->currentIndex().row(), 0);
        }
    }

    void typedTextFromAnInputMethodCompletes_data()
    {
        QTest::addColumn<QString>("commit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("selected");
        QTest::newRow("completes an item") << "サ" << "サイズ" << 2 << "イズ";
        QTest::newRow("completes nothing") << "ん" << "ん" << -1 << "";
    }
    void typedTextFromAnInputMethodCompletes()
    {
        QFETCH(QString, commit);
        Bench bench(kColumnItems, -1, {});

        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(bench.selector, &event);

        QTEST(bench.selector->editText(), "text");
        QTEST(bench.selector->itemIndex(), "index");
        QTEST(bench.selectedText(), "selected");
        QCOMPARE(bench.log, QStringList{"change"});
    }

};

QTEST_MAIN(EditSelectorTest)
#include "edit_selector_test.moc"
