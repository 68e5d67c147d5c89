#include "held_file_system.h"
#include "posix_window_world.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <functional>

using namespace quorrin;
using namespace quorrin::ui;
using namespace quorrin::ui::test;

namespace {

constexpr std::size_t bigFolderFiles = 602;

// A folder of three files to start in, and a big one: f000.txt to
// f599.txt, 日本語.txt and zz.csv.
class HeldWindowWorld : public World<HeldFileSystem> {
public:
    HeldWindowWorld()
    {
        dir.makeDirectory("list");
        for (const char* name : {"list/a.txt", "list/b.txt", "list/c.txt"})
            dir.writeFile(name, "x");
        dir.makeDirectory("big");
        for (int i = 0; i < 600; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "big/f%03d.txt", i);
            dir.writeFile(name, "12");
        }
        dir.writeFile("big/日本語.txt", "n");
        dir.writeFile("big/zz.csv", "z");
        dir.makeDirectory("out");
        fs.changeDirectory(dir / "list");
    }
};

QString fileCount(TForm1& window)
{
    return window.findChild<QLabel*>(QStringLiteral("FileCount_Label"))->text();
}

void typeIntoMaskBox(TForm1& window, const QString& text)
{
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("FileEdit"));
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

class PosixWindowReadingTest : public QObject {
    Q_OBJECT

private slots:
    void aBigFolderIsReadWhileTheLoopTurnsAndItsCountRuns()
    {
        HeldWindowWorld world;
        auto window = world.open();
        world.fs.holdAt(300);
        window->openPath(world.dir / "big");
        QVERIFY(world.fs.waitUntilHeld());
        QVERIFY(window->readingFiles());
        QCOMPARE(fileCount(*window), QStringLiteral("読込中 0"));
        QVERIFY(window->fileList().Items().empty());
        QVERIFY(window->listingLines().empty());
        QVERIFY(QGuiApplication::overrideCursor() != nullptr);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);

        // The count shows at most every 50 ms, and after every 256 entries.
        QTest::qWait(60);
        world.fs.holdAt(550);
        QVERIFY(world.fs.waitUntilHeld());
        QTRY_COMPARE(fileCount(*window), QStringLiteral("読込中 512"));

        world.fs.holdAt(0);
        QVERIFY(idle(*window));
        QCOMPARE(fileCount(*window), QString::number(bigFolderFiles));
        QCOMPARE(window->listingLines().size(), bigFolderFiles);
        QCOMPARE(window->listingLines().front(), std::string("f000.txt\t2"));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // Held at its last entry, the stopped read would have finished: its
    // result still never reaches the lists.
    void aNewChoiceOrEscStopsTheReadAndItsResultNeverShows()
    {
        HeldWindowWorld world;
        auto window = world.open();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const struct {
            const char* name;
            std::function<void()> interrupt;
            std::vector<std::string> lines;
            const char* count;
        } cases[] = {
            {"another folder",
             [&] { window->openPath(world.dir / "list"); },
             {"a.txt\t1", "b.txt\t1", "c.txt\t1"},
             "3"},
            {"another mask", [&] { typeIntoMaskBox(*window, QStringLiteral("*.csv")); }, {"zz.csv\t1"}, "1"},
            {"Esc", [&] { QTest::keyClick(window.get(), Qt::Key_Escape); }, {}, "0"},
        };
        for (const auto& c : cases) {
            window->openPath(world.dir / "list");
            typeIntoMaskBox(*window, QStringLiteral("*.*"));
            QVERIFY(idle(*window));
            world.fs.holdAt(bigFolderFiles);
            window->openPath(world.dir / "big");
            QVERIFY2(world.fs.waitUntilHeld(), c.name);
            c.interrupt();
            QVERIFY2(idle(*window), c.name);
            world.fs.holdAt(0);
            QTest::qWait(50);
            QCOMPARE(window->listingLines(), c.lines);
            QCOMPARE(fileCount(*window), QString::fromLatin1(c.count));
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        }
        QVERIFY(world.errors.empty());
    }

    // The lines composed beside the read, or beside the walk of the folders
    // below, were made with the old format.
    void aFormatChosenWhileTheFolderIsReadShowsWhenItLands()
    {
        HeldWindowWorld world;
        world.dir.makeDirectory("tree");
        world.dir.makeDirectory("tree/sub");
        for (int i = 0; i < 400; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "tree/sub/g%03d.txt", i);
            world.dir.writeFile(name, "12");
        }
        auto window = world.open();
        const struct {
            const char* folder;
            bool subfolders;
            std::size_t lines;
            const char* first; // the size check box turns on, then off
        } cases[] = {{"big", false, bigFolderFiles, "f000.txt\t1"}, {"tree", true, 400, "g000.txt\t2"}};
        for (const auto& c : cases) {
            if (c.subfolders) {
                window->findChild<QAction*>(QStringLiteral("ScanSubfolders"))->trigger();
                QVERIFY(idle(*window));
            }
            world.fs.holdAt(300);
            window->openPath(world.dir / c.folder);
            // The walk begins once the listed folder's read has landed.
            QTRY_VERIFY(window->readingFolders() == c.subfolders);
            QVERIFY2(world.fs.waitUntilHeld(), c.folder);
            QTest::mouseClick(window->findChild<QCheckBox*>(QStringLiteral("CheckBox2")), Qt::LeftButton);
            world.fs.holdAt(0);
            QVERIFY(idle(*window));
            QCOMPARE(window->listingLines().front(), std::string(c.first));
            QCOMPARE(window->listingLines().size(), c.lines);
        }
    }

    // As when the folder reads at once: the name is selected, and a file
    // the mask hides becomes the mask.
    void aFileTypedWhileTheFolderIsReadIsSelectedWhenTheReadLands()
    {
        const struct {
            QString mask;
            QString typed;
            QString maskAfter;
            std::size_t lines;
        } cases[] = {
            {QStringLiteral("*.*"), QStringLiteral("f500.txt"), QStringLiteral("*.*"), bigFolderFiles},
            {QStringLiteral("*.txt"), QStringLiteral("zz.csv"), QStringLiteral("zz.csv"), 1},
        };
        HeldWindowWorld world;
        auto window = world.open();
        for (const auto& c : cases) {
            window->openPath(world.dir / "list");
            applyMask(*window, c.mask);
            world.fs.holdAt(300);
            window->openPath(world.dir / "big");
            QVERIFY(world.fs.waitUntilHeld());
            typeIntoMaskBox(*window, c.typed);
            world.fs.holdAt(0);
            QVERIFY(idle(*window));
            QCOMPARE(QString::fromStdString(window->fileList().SelectedName()), c.typed);
            QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("FileEdit"))->text(), c.typed);
            QCOMPARE(QString::fromStdString(window->fileList().Mask()), c.maskAfter);
            QCOMPARE(window->listingLines().size(), c.lines);
        }
        QVERIFY(world.errors.empty());
    }

    // Saving and copying wait for the read under way: nothing is left out.
    void saveAndCopyTakeTheWholeFolderReadMeanwhile()
    {
        HeldWindowWorld world;
        auto window = world.open();
        const std::string target = world.dir / "out/list.txt";
        const struct {
            const char* name;
            std::function<void()> take;
            std::function<std::string()> taken;
        } cases[] = {
            {"save", [&] { save(world, *window, target); }, [&] { return world.read("out/list.txt"); }},
            {"copy", [&] { window->Copy1Click(); }, [&] { return world.clipboard->texts.back(); }},
        };
        for (const auto& c : cases) {
            window->openPath(world.dir / "list");
            QVERIFY(idle(*window));
            world.fs.holdAt(300);
            window->openPath(world.dir / "big");
            QVERIFY(world.fs.waitUntilHeld());
            QTimer::singleShot(50, [&] { world.fs.holdAt(0); });
            c.take();
            QVERIFY2(!window->readingFiles(), c.name);
            std::string whole;
            for (const std::string& line : window->listingLines())
                whole += line + "\r\n";
            QCOMPARE(window->listingLines().size(), bigFolderFiles);
            QCOMPARE(c.taken(), whole);
        }
    }
};

QTEST_MAIN(PosixWindowReadingTest)
#include "posix_window_reading_test.moc"
