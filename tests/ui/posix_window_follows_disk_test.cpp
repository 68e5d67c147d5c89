#include "posix_window_world.h"
#include "support/unprivileged.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace quorrin;
using namespace quorrin::ui;
using namespace quorrin::ui::test;

namespace {

// How soon the window shows a change on disk: within a second, with room
// for a machine busy with other work.
constexpr int deadlineMs = 2000;

// Name, size and date columns; the date in the test's own format.
const char* const nameSizeDate = "[List]\r\n1=1\r\n2=2\r\n3=3\r\n4=5\r\n5=5\r\n";

QString fileCount(TForm1& window)
{
    return window.findChild<QLabel*>(QStringLiteral("FileCount_Label"))->text();
}

QListView* view(TForm1& window, const char* name)
{
    return window.findChild<QListView*>(QString::fromLatin1(name));
}

// The line of the listing whose first column is `name`, or "".
QString lineOf(TForm1& window, const std::string& name)
{
    for (const std::string& line : window.listingLines())
        if (line == name || line.starts_with(name + "\t"))
            return QString::fromStdString(line);
    return {};
}

// Waits for `done` while the event loop runs; every state the window shows
// on the way must pass `steady`, so a listing emptied in between is caught.
bool followsWithin(
    const std::function<bool()>& done, const std::function<bool()>& steady = [] { return true; })
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < deadlineMs) {
        if (!steady())
            return false;
        if (done())
            return true;
        QTest::qWait(10);
    }
    return done();
}

// How many rows of the new folder the directory list and its view show.
int directoryRowsShown(TForm1& window)
{
    const auto& rows = window.directoryList().Items();
    const auto shown = static_cast<int>(std::count(rows.begin(), rows.end(), std::string("新しいフォルダ")));
    return view(window, "DirectoryListBox1")->model()->rowCount() == static_cast<int>(rows.size()) ? shown : -1;
}

void shownAndActive(TForm1& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class PosixWindowFollowsDiskTest : public QObject {
    Q_OBJECT

private slots:
    // Each kind of change shows by itself; the selected file, the focus and
    // where both lists are scrolled stay as the user left them.
    void changesInTheFolderShowByThemselvesAndTheUserLosesNoPlace()
    {
        PosixWindowWorld world;
        for (int i = 0; i < 200; ++i)
            world.dir.writeFile("list/f" + std::to_string(1000 + i) + ".txt", "f");
        world.dir.writeFile("quorrin.ini", nameSizeDate);
        auto window = world.open();
        shownAndActive(*window);
        QListView* files = view(*window, "FileListBox1");
        QListView* output = view(*window, "ListBox1");
        QListView* directories = view(*window, "DirectoryListBox1");
        window->fileList().SelectName("b.txt");
        files->setFocus();
        output->setCurrentIndex(output->model()->index(150, 0));
        files->verticalScrollBar()->setValue(120);
        output->verticalScrollBar()->setValue(90);
        QVERIFY(files->verticalScrollBar()->value() == 120 && output->verticalScrollBar()->value() == 90);

        namespace stdfs = std::filesystem;
        const struct {
            const char* what;
            std::function<void()> change;
            std::function<bool()> shown;
            std::size_t files;
        } changes[] = {
            {"a file came", [&] { world.dir.writeFile("list/c.txt", "ccc"); },
             [&] { return lineOf(*window, "c.txt").startsWith(QStringLiteral("c.txt\t3\t")); }, 204},
            {"a file grew", [&] { world.dir.writeFile("list/c.txt", "cccccc"); },
             [&] { return lineOf(*window, "c.txt").startsWith(QStringLiteral("c.txt\t6\t")); }, 204},
            {"a file was touched", [&] { world.dir.setModificationTime("list/a.txt", 1138439107); },
             [&] { return lineOf(*window, "a.txt").contains(QStringLiteral("2006/01/28")); }, 204},
            {"a file was renamed", [&] { stdfs::rename(world.dir / "list/c.txt", world.dir / "list/新しい.txt"); },
             [&] { return lineOf(*window, "c.txt").isEmpty() && !lineOf(*window, "新しい.txt").isEmpty(); }, 204},
            {"a folder was made", [&] { world.dir.makeDirectory("list/新しいフォルダ"); },
             [&] { return directoryRowsShown(*window) == 1; }, 204},
            {"a folder was removed", [&] { stdfs::remove(world.dir / "list/新しいフォルダ"); },
             [&] { return directoryRowsShown(*window) == 0; }, 204},
            {"a file was deleted", [&] { stdfs::remove(world.dir / "list/日本.txt"); },
             [&] { return lineOf(*window, "日本.txt").isEmpty(); }, 203},
        };
        for (const auto& c : changes) {
            c.change();
            QVERIFY2(followsWithin(c.shown), c.what);
            QCOMPARE(window->listingLines().size(), c.files);
            QCOMPARE(fileCount(*window), QString::number(c.files));
            QCOMPARE(window->fileList().SelectedName(), std::string("b.txt"));
            QCOMPARE(files->currentIndex().row(), window->fileList().ItemIndex());
            QCOMPARE(files->verticalScrollBar()->value(), 120);
            QCOMPARE(output->verticalScrollBar()->value(), 90);
            QCOMPARE(output->currentIndex().row(), 150);
            QCOMPARE(QApplication::focusWidget(), files);
            QCOMPARE(directories->currentIndex().row(), window->directoryList().ItemIndex());
            QCOMPARE(window->directoryList().Items().at(std::size_t(directories->currentIndex().row())),
                     std::string("list"));
        }
        // The selected file itself going leaves no selection behind.
        stdfs::remove(world.dir / "list/b.txt");
        QVERIFY(followsWithin([&] { return lineOf(*window, "b.txt").isEmpty(); }));
        QCOMPARE(window->fileList().SelectedName(), std::string());
        QVERIFY(world.errors.empty());
    }

    // A change deep in the listed tree is read in the background: the
    // listing keeps its lines and count meanwhile, no busy count shows.
    void aChangeInTheTreeShowsWithoutTheListingEverEmptying()
    {
        PosixWindowWorld world;
        world.dir.makeDirectory("list/sub/深い");
        world.dir.writeFile("list/sub/深い/d.txt", "d");
        world.dir.makeDirectory("list/sub/空");
        world.dir.writeFile("quorrin.ini", "[List]\r\n1=0\r\n2=1\r\n[Scan]\r\nSubfolders=1\r\n");
        auto window = world.open();
        QVERIFY(QTest::qWaitFor([&] { return !window->readingFolders(); }, 5000));
        QCOMPARE(window->listingLines().size(), std::size_t(4));
        const std::string empty = world.dir / "list/sub/空";
        std::size_t atLeast = 4;
        auto keepsEveryLine = [&] {
            return window->listingLines().size() >= atLeast && !fileCount(*window).startsWith(QStringLiteral("読込中"));
        };
        world.dir.writeFile("list/sub/空/e.txt", "e");
        QVERIFY(followsWithin([&] { return window->listingLines().back() == empty + "\te.txt"; }, keepsEveryLine));
        QCOMPARE(fileCount(*window), QStringLiteral("5"));
        // The listed folder's own change walks the tree again, as quietly.
        atLeast = 5;
        world.dir.writeFile("list/c.txt", "c");
        QVERIFY(followsWithin([&] { return fileCount(*window) == QStringLiteral("6"); }, keepsEveryLine));
        QVERIFY(QTest::qWaitFor([&] { return !window->readingFolders(); }, 5000));
        QCOMPARE(window->listingLines().size(), std::size_t(6));
        std::filesystem::remove(world.dir / "list/sub/深い/d.txt");
        QVERIFY(followsWithin([&] { return window->listingLines().size() == 5; }));
        QCOMPARE(fileCount(*window), QStringLiteral("5"));
        QVERIFY(world.errors.empty());
    }

    // The listed folder removed: the lists move to the nearest folder that
    // is still there, without a single error box.
    void aRemovedFolderLeavesTheListsOnItsNearestAncestor()
    {
        PosixWindowWorld world;
        world.dir.makeDirectory("list/sub/下");
        world.dir.makeDirectory("list/sub/下/もっと下");
        world.dir.writeFile("list/sub/下/もっと下/x.txt");
        world.dir.writeFile("quorrin.ini", "[List]\r\n1=1\r\n2=5\r\n");
        auto window = world.open();
        applyMask(*window, QString::fromStdString(world.dir / "list/sub/下/もっと下"));
        QCOMPARE(window->directoryList().CurrentDir(), world.dir / "list/sub/下/もっと下");
        QCOMPARE(window->listingLines(), std::vector<std::string>{"x.txt"});
        std::filesystem::remove_all(world.dir / "list/sub/下");
        QVERIFY(followsWithin([&] { return window->directoryList().CurrentDir() == world.dir / "list/sub"; }));
        QCOMPARE(window->fileList().CurrentDir(), world.dir / "list/sub");
        QCOMPARE(window->listingLines(), std::vector<std::string>{});
        QTest::qWait(500);
        QVERIFY(world.errors.empty());
    }

    // A folder that can no longer be entered when it changes is told once,
    // without a box to answer, and not again until the next read.
    void aFolderClosedWhileChangingIsToldOnce()
    {
        PosixWindowWorld world;
        world.dir.makeDirectory("perm");
        for (const auto& entry : std::filesystem::recursive_directory_iterator(world.dir.path()))
            QCOMPARE(lchown(entry.path().c_str(), 65534, 65534), 0);
        QCOMPARE(chown(world.dir.path().c_str(), 65534, 65534), 0);
        const std::string perm = world.dir / "perm";
        const std::string failure = quorrin::testing::runUnprivileged([&]() -> std::string {
            world.fs.changeDirectory(perm);
            auto window = world.open();
            world.dir.writeFile("perm/new.txt");
            chmod(perm.c_str(), 0);
            QTest::qWait(1500);
            if (world.errors.size() != 1)
                return "the closed folder was told " + std::to_string(world.errors.size()) + " times";
            chmod(perm.c_str(), 0755);
            applyMask(*window, QStringLiteral("*.txt"));
            world.dir.writeFile("perm/later.txt");
            if (!QTest::qWaitFor([&] { return window->listingLines().size() == 2; }, deadlineMs))
                return "the folder was not followed after the next read";
            return world.errors.size() == 1 ? "" : "told again";
        });
        QCOMPARE(QString::fromStdString(failure), QString());
    }

    // Past the watch limit the user is told once; a change in a watched
    // folder still shows, and the read it brings takes in the unwatched
    // folders too.
    void foldersPastTheWatchLimitAreToldOnceAndReadAtTheNextRead()
    {
        PosixWindowWorld world;
        world.fs.limitTreeWatches(2); // the listed folder and one below
        world.dir.makeDirectory("list/sub/二");
        world.dir.makeDirectory("list/sub/三");
        world.dir.writeFile("quorrin.ini", "[List]\r\n1=1\r\n2=5\r\n[Scan]\r\nSubfolders=1\r\n");
        auto window = world.open();
        QVERIFY(QTest::qWaitFor([&] { return !window->readingFolders(); }, 5000));
        const std::vector<std::string> notice{
            "システムの監視の上限に達したため、2 個のフォルダは変更を自動では反映できません。"
            "これらのフォルダは次に読み込むときに反映されます。"};
        QCOMPARE(toQStrings(world.errors), toQStrings(notice));

        world.dir.writeFile("list/sub/三/unseen.txt");
        world.dir.writeFile("list/sub/seen.txt");
        QVERIFY(followsWithin([&] { return !lineOf(*window, "seen.txt").isEmpty(); }));
        QVERIFY(QTest::qWaitFor([&] { return !window->readingFolders(); }, 5000));
        QVERIFY(!lineOf(*window, "unseen.txt").isEmpty());
        QCOMPARE(toQStrings(world.errors), toQStrings(notice));
    }

    // Without the subfolders only the listed folder counts; its own list
    // still follows the disk.
    void aListedFolderPastTheWatchLimitIsToldToo()
    {
        PosixWindowWorld world;
        world.fs.limitTreeWatches(0);
        world.dir.writeFile("quorrin.ini", "[List]\r\n1=1\r\n2=5\r\n");
        auto window = world.open();
        QCOMPARE(toQStrings(world.errors),
                 QStringList{
                     QStringLiteral("システムの監視の上限に達したため、1 個のフォルダは変更を自動では反映できません。"
                                    "これらのフォルダは次に読み込むときに反映されます。")});
        world.dir.writeFile("list/c.txt");
        QVERIFY(followsWithin([&] { return !lineOf(*window, "c.txt").isEmpty(); }));
        QCOMPARE(world.errors.size(), std::size_t(1));
    }
};

QTEST_MAIN(PosixWindowFollowsDiskTest)
#include "posix_window_follows_disk_test.moc"
