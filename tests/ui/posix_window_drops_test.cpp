#include "posix_window_world.h"

#include <QComboBox>
#include <QListView>
#include <QMimeData>
#include <QUrl>
#include <QtTest>

using namespace quorrin;
using namespace quorrin::ui;
using namespace quorrin::ui::test;

namespace {

// The widget under the pointer: a drop anywhere on the window counts,
// the edit boxes included.
QWidget* dropTarget(TForm1& window, const QString& name)
{
    if (name == "window")
        return &window;
    if (name == "ListBox1")
        return window.findChild<QListView*>(name)->viewport();
    if (name == "ComboBox6")
        return window.findChild<QComboBox*>(name)->lineEdit();
    return window.findChild<QWidget*>(name);
}

// "DIR/..." names a local item of the test folder; anything else is a URL.
QList<QUrl> urlsOf(const PosixWindowWorld& world, const QStringList& items)
{
    QList<QUrl> urls;
    for (QString item : items) {
        urls << (item.startsWith("DIR/")
                     ? QUrl::fromLocalFile(item.replace("DIR", QString::fromStdString(world.dir.path())))
                     : QUrl(item));
    }
    return urls;
}

} // namespace

class PosixWindowDropsTest : public QObject {
    Q_OBJECT

private slots:
    void opensTheFirstDroppedItem_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("actions");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("listedFolder");
        QTest::addColumn<QString>("selected");

        const int copyOrMove = Qt::CopyAction | Qt::MoveAction;
        QTest::newRow("a folder on the output list")
            << "ListBox1" << QStringList{"DIR/out"} << copyOrMove << true << "out"
            << "";
        QTest::newRow("a folder on the mask box")
            << "FileEdit" << QStringList{"DIR/list/sub"} << copyOrMove << true << "list/sub"
            << "";
        QTest::newRow("a folder on a selector's edit part")
            << "ComboBox6" << QStringList{"DIR/out"} << int(Qt::LinkAction) << true << "out"
            << "";
        QTest::newRow("a file: its folder, selected")
            << "window" << QStringList{"DIR/out/日本語.csv"} << copyOrMove << true << "out"
            << "日本語.csv";
        QTest::newRow("several: the first only")
            << "window" << QStringList{"DIR/list/sub", "DIR/out"} << copyOrMove << true << "list/sub"
            << "";
        QTest::newRow("a web address is refused")
            << "window" << QStringList{"https://example.org/out"} << copyOrMove << false << "list"
            << "";
        QTest::newRow("a web address first is refused")
            << "window" << QStringList{"https://example.org/", "DIR/out"} << copyOrMove << false << "list"
            << "";
        QTest::newRow("nothing local dragged") << "FileEdit" << QStringList{} << copyOrMove << false << "list"
                                               << "";
        // Accepting a move would make the source delete what it dragged.
        QTest::newRow("a move only is refused")
            << "window" << QStringList{"DIR/out"} << int(Qt::MoveAction) << false << "list"
            << "";
    }

    void opensTheFirstDroppedItem()
    {
        QFETCH(QString, target);
        QFETCH(QStringList, items);
        QFETCH(int, actions);
        QFETCH(bool, taken);
        QFETCH(QString, listedFolder);
        QFETCH(QString, selected);

        PosixWindowWorld world;
        world.dir.writeFile("out/日本語.csv", "x");
        world.dir.writeFile("quorrin.ini", "[Disk]\r\nDir=" + world.dir / "list" + "\r\n");
        auto window = world.open();
        QVERIFY(world.errors.empty());

        QMimeData data;
        // File managers put the names in as text too, which an edit box
        // would take.
        data.setUrls(urlsOf(world, items));
        data.setText(QString::fromStdString(world.dir / "out"));
        QWidget* on = dropTarget(*window, target);
        QDragEnterEvent enter(QPoint(2, 2), Qt::DropActions(actions), &data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(on, &enter);
        QCOMPARE(enter.isAccepted(), taken);
        QDropEvent drop(QPointF(2, 2), Qt::DropActions(actions), &data, Qt::LeftButton, Qt::NoModifier);
        drop.setAccepted(false);
        QApplication::sendEvent(on, &drop);
        QCOMPARE(drop.isAccepted(), taken);
        if (taken)
            QVERIFY(drop.dropAction() != Qt::MoveAction);
        QVERIFY(idle(*window));

        QCOMPARE(QString::fromStdString(window->directoryList().CurrentDir()),
                 QString::fromStdString(world.dir / listedFolder.toStdString()));
        QCOMPARE(QString::fromStdString(window->fileList().SelectedName()), selected);
        QVERIFY(world.errors.empty());
        // The folder picker still opens where it was last confirmed.
        QCOMPARE(window->settings().DirPath, world.dir / "list");
    }

    // A path that names nothing is refused as a typed one is, and the
    // window stays where it was.
    void aMissingFileIsReported()
    {
        PosixWindowWorld world;
        auto window = world.open();
        const std::string missing = world.dir / "out/なし.txt";
        window->openPath(missing);
        QCOMPARE(world.errors, std::vector<std::string>{"File not found"});
        QCOMPARE(window->directoryList().CurrentDir(), world.dir / "list");
    }
};

QTEST_MAIN(PosixWindowDropsTest)
#include "posix_window_drops_test.moc"
