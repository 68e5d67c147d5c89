#include "ui/window_layout.h"
#include "window_world.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace quorrin;
using namespace quorrin::ui;
using namespace quorrin::ui::test;

namespace {

// What a screen reader announces for the object: the label it is labelled
// by, else its own name.
QString spokenName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    if (face == nullptr)
        return QString();
    const auto labels = face->relations(QAccessible::Label);
    return labels.isEmpty() ? face->text(QAccessible::Name) : labels.first().first->text(QAccessible::Name);
}

QString controlName(const ControlPlace& place)
{
    return QString::fromLatin1(place.name.data(), static_cast<qsizetype>(place.name.size()));
}

} // namespace

class WindowAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    // A control is named by its caption, or by its hint where it has none;
    // the column selectors, with neither, by the caption above them.
    void everyControlIsNamed_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("button: caption") << "Get_Button"
                                         << "ファイル・リスト保存";
        QTest::newRow("check box: caption") << "CheckBox1"
                                            << "ｸｫｰﾃｰｼｮﾝで囲む";
        QTest::newRow("check box 2: caption") << "CheckBox2"
                                              << "サイズは Ｋバイト単位";
        QTest::newRow("directory list: hint") << "DirectoryListBox1"
                                              << "ディレクトリの移動";
        QTest::newRow("mask box: hint") << "FileEdit"
                                        << "フィルター指定";
        QTest::newRow("file list: hint") << "FileListBox1"
                                         << "ファイル・リスト";
        QTest::newRow("drive selector: hint") << "DriveComboBox1"
                                              << "ドライブの変更";
        QTest::newRow("filter selector: hint") << "FilterComboBox1"
                                               << "フィルター選択";
        QTest::newRow("output list: hint") << "ListBox1"
                                           << "実際の出力内容";
        QTest::newRow("separator: hint") << "ComboBox6"
                                         << "項目間の区切り指定";
        QTest::newRow("first column") << "ComboBox1"
                                      << "出力内容 1";
        QTest::newRow("fifth column") << "ComboBox5"
                                      << "出力内容 5";
        QTest::newRow("label: caption") << "Label2"
                                        << "対象ファイル";
    }

    void everyControlIsNamed()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        WindowWorld world;
        auto window = world.open();
        QCOMPARE(spokenName(window->findChild<QWidget*>(control)), name);
    }

    // Nothing the keyboard reaches, no control of the layout and no menu
    // item is silent.
    void nothingIsSilent()
    {
        WindowWorld world;
        auto window = world.open();
        window->show();
        QStringList silent;
        for (const ControlPlace& place : windowLayout) {
            // The bevels are frames drawn around groups: nothing to announce.
            if (place.name.starts_with("Bevel"))
                continue;
            auto* widget = window->findChild<QWidget*>(controlName(place));
            if (widget == nullptr || spokenName(widget).isEmpty())
                silent << controlName(place);
        }
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->isVisible() && widget->focusPolicy() != Qt::NoFocus && spokenName(widget).isEmpty() &&
                spokenName(widget->parentWidget()).isEmpty())
                silent << widget->metaObject()->className() + QStringLiteral(" ") + widget->objectName();
        }
        for (const QMenu* menu : window->findChildren<QMenu*>()) {
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator() && spokenName(action).isEmpty() && action->text().isEmpty())
                    silent << menu->objectName();
            }
        }
        for (QAction* action : window->menuBar()->actions())
            if (action->text().isEmpty())
                silent << "menu bar";
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(", ")));
    }
};

QTEST_MAIN(WindowAccessibilityTest)
#include "window_accessibility_test.moc"
