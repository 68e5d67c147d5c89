#include "posix_window_world.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QtTest>

#include <chrono>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace quorrin;
using namespace quorrin::ui;
using namespace quorrin::ui::test;

namespace {

void choose(TForm1& window, const char* action)
{
    window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

QString fileCount(TForm1& window)
{
    return window.findChild<QLabel*>(QStringLiteral("FileCount_Label"))->text();
}

} // namespace

class WindowSubfoldersTest : public QObject {
    Q_OBJECT

private slots:
    // Path and name columns: each file of the tree carries its own folder,
    // the file list keeps the listed folder's own files.
    void theListingTakesInTheTreeAsTheMenuChoosesAndTheChoiceIsKept()
    {
        PosixWindowWorld world;
        world.dir.writeFile("list/sub/c.txt", "ccc");
        world.dir.makeDirectory("list/sub/deep");
        world.dir.writeFile("list/sub/deep/d.txt");
        world.dir.makeDirectory("list/sub/.hidden");
        world.dir.writeFile("list/sub/.hidden/h.txt");
        QCOMPARE(symlink(".", (world.dir / "list/sub/loop").c_str()), 0);
        world.dir.writeFile("quorrin.ini", "[List]\r\n1=0\r\n2=1\r\n[Scan]\r\nSubfolders=1\r\n");
        auto window = world.open();
        const std::string top = world.dir / "list";
        const std::vector<std::string> own{top + "\ta.txt", top + "\tb.txt", top + "\t日本.txt"};
        auto withTree = own;
        withTree.push_back(top + "/sub\tc.txt");
        withTree.push_back(top + "/sub/deep\td.txt");

        const struct {
            const char* action;
            std::vector<std::string> lines;
        } steps[] = {
            {nullptr, withTree},          {"ScanDepth1", {withTree.begin(), withTree.end() - 1}},
            {"ScanDepth0", withTree},     {"ScanSubfolders", own},
            {"ScanDepth1", own}, // offered only with the subfolders
            {"ScanSubfolders", withTree},
        };
        for (const auto& step : steps) {
            if (step.action != nullptr)
                choose(*window, step.action);
            QVERIFY(idle(*window));
            QCOMPARE(toQStrings(window->listingLines()), toQStrings(step.lines));
            QCOMPARE(fileCount(*window), QString::number(step.lines.size()));
            QCOMPARE(window->fileList().Items().size(), std::size_t(3));
        }
        QVERIFY(world.errors.empty());

        choose(*window, "ScanDepth2");
        QVERIFY(window->close());
        const std::string written = world.read("quorrin.ini");
        QVERIFY2(written.find("[Scan]\r\nSubfolders=1\r\nDepth=2\r\n") != std::string::npos, written.c_str());
    }

    // The header row stands once, at the top, and the folders below take
    // the chosen date style as the listed folder's own files do.
    void theTreeFollowsTheHeaderAndTheDateStyle()
    {
        PosixWindowWorld world;
        world.dir.writeFile("list/sub/c.txt", "ccc");
        world.dir.writeFile("quorrin.ini",
                            "[List]\r\n1=1\r\n2=3\r\n[Output]\r\nHeader=1\r\nDates=iso\r\n[Scan]\r\nSubfolders=1\r\n");
        auto window = world.open();
        QVERIFY(idle(*window));
        const auto& lines = window->listingLines();
        QCOMPARE(lines.size(), std::size_t(5));
        QCOMPARE(QString::fromStdString(lines.front()), QStringLiteral("ファイル名\t日付"));
        const QRegularExpression iso(QStringLiteral("^c\\.txt\t\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"));
        QVERIFY2(iso.match(QString::fromStdString(lines.back())).hasMatch(), lines.back().c_str());
    }

    // Reading the folder again (a new mask) walks again; the menu alone
    // never touches a file that lacks the section.
    void aNewReadWalksAgainAndAnUntouchedFileGetsNoSection()
    {
        PosixWindowWorld world;
        world.dir.writeFile("list/sub/c.txt", "ccc");
        auto window = world.open();
        QCOMPARE(window->listingLines().size(), std::size_t(3));
        choose(*window, "ScanSubfolders");
        QCOMPARE(fileCount(*window), QStringLiteral("読込中 3"));
        QVERIFY(idle(*window));
        QCOMPARE(window->listingLines().size(), std::size_t(4));
        world.dir.writeFile("list/sub/e.txt", "e");
        applyMask(*window, QStringLiteral("*.txt"));
        QVERIFY(idle(*window));
        QCOMPARE(fileCount(*window), QStringLiteral("5"));
        choose(*window, "ScanSubfolders");
        QVERIFY(window->close());
        QVERIFY(world.read("quorrin.ini").find("[Scan]") == std::string::npos);
    }

    // A walk stopped by Esc or by a new choice never lands in the listing,
    // even when its result was already on the way.
    void escOrANewChoiceStopsTheReadAndItsResultNeverArrives()
    {
        PosixWindowWorld world;
        world.dir.writeFile("list/sub/c.txt", "ccc");
        world.dir.makeDirectory("list/sub/deep");
        world.dir.writeFile("list/sub/deep/d.txt");
        auto window = world.open();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const struct {
            const char* start;
            std::function<void()> stop;
            std::size_t lines;
        } cases[] = {
            {"ScanSubfolders", [&] { QTest::keyClick(window.get(), Qt::Key_Escape); }, 3},
            {"ScanDepth1", [&] { choose(*window, "ScanSubfolders"); }, 3},
            {"ScanSubfolders", [&] { choose(*window, "ScanDepth0"); }, 5},
        };
        for (const auto& [start, stop, lines] : cases) {
            choose(*window, start);
            QVERIFY(window->readingFolders());
            // The walk ends meanwhile; its result waits in the event queue.
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            stop();
            QVERIFY(idle(*window));
            QTest::qWait(20);
            QCOMPARE(window->listingLines().size(), lines);
            QCOMPARE(fileCount(*window), QString::number(lines));
        }
    }

    // Saving and copying while the folders below are read wait for them.
    void aSaveOrCopyDuringTheWalkTakesTheWholeTree()
    {
        PosixWindowWorld world;
        world.dir.writeFile("list/sub/c.txt", "ccc");
        auto window = world.open();
        const std::string whole = "a.txt\t4\r\nb.txt\t2\r\n日本.txt\t1\r\nc.txt\t3\r\n";
        choose(*window, "ScanSubfolders");
        QVERIFY(window->readingFolders());
        save(world, *window, world.dir / "out/list.txt");
        QCOMPARE(world.read("out/list.txt"), whole);
        choose(*window, "ScanSubfolders");
        choose(*window, "ScanSubfolders");
        QVERIFY(window->readingFolders());
        window->Copy1Click();
        QCOMPARE(world.clipboard->texts.back(), whole);
    }

    void closingWhileReadingStopsTheReadAndGivesTheCursorBack()
    {
        PosixWindowWorld world;
        world.dir.writeFile("list/sub/c.txt", "ccc");
        auto window = world.open();
        choose(*window, "ScanSubfolders");
        QVERIFY(window->readingFolders());
        QVERIFY(QGuiApplication::overrideCursor() != nullptr);
        window.reset();
        QTest::qWait(20);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void foldersThatCannotBeReadAreNamedOnceTheReadIsOver()
    {
        WindowWorld world;
        world.fs.addFile("C:\\Data\\Sub\\Closed\\x.txt");
        world.fs.denySearch("C:\\Data\\Sub\\Closed");
        world.dir.writeFile("quorrin.ini", "[List]\r\nFilter=7\r\n[Scan]\r\nSubfolders=1\r\n");
        auto window = world.open();
        QVERIFY(idle(*window));
        QCOMPARE(world.errors,
                 std::vector<std::string>{"読み込めなかったサブフォルダが 1 個あります。\nC:\\Data\\Sub\\Closed"});
        QCOMPARE(window->listingLines().back(), std::string("inner.txt\t7"));
    }
};

QTEST_MAIN(WindowSubfoldersTest)
#include "window_subfolders_test.moc"
