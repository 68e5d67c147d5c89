#include "posix_window_world.h"

#include <QAction>
#include <QListView>
#include <QtTest>

#include <filesystem>

using namespace quorrin;
using namespace quorrin::ui;
using namespace quorrin::ui::test;

namespace {

const std::string savedListing = "a.txt\t4\r\nb.txt\t2\r\n日本.txt\t1\r\n";

std::size_t filesIn(const std::string& folder)
{
    const std::filesystem::directory_iterator entries(folder);
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

} // namespace

class PosixWindowOutputTest : public QObject {
    Q_OBJECT

private slots:
    // A new file leaves the caption as it was; saving over it names it there,
    // and the dialog offers the last name, type and folder, in later runs too.
    void savingWritesTheListingAndTheDialogRemembers()
    {
        PosixWindowWorld world;
        auto window = world.open();
        const std::string target = world.dir / "out/list.txt";
        world.saveDialog->answers = {persist::SaveDialogAnswer{target, 1}, persist::SaveDialogAnswer{target, 1}};
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Get_Button")), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(world.read("out/list.txt")), QString::fromStdString(savedListing));
        QCOMPARE(window->settings().SavePath, target);
        QCOMPARE(window->windowTitle(), QStringLiteral("Quorrin Jr"));
        QVERIFY(world.errors.empty());

        window->Save1Click();
        QCOMPARE(window->windowTitle(), QStringLiteral("list.txt - quorrin"));
        QCOMPARE(world.saveDialog->requests.size(), std::size_t(2));
        QCOMPARE(world.saveDialog->requests[0].fileName, std::string());
        QCOMPARE(world.saveDialog->requests[1].fileName, target);
        QCOMPARE(world.saveDialog->requests[1].typeIndex, 1);
        QCOMPARE(world.saveDialog->requests[1].startDirectory, world.dir / "out");

        QVERIFY(window->close());
        auto next = world.open();
        next->Save1Click();
        QCOMPARE(world.saveDialog->requests.back().startDirectory, world.dir / "out");
        QCOMPARE(world.saveDialog->requests.back().fileName, std::string());
    }

    void failuresReachTheErrorBoxThroughTheButton()
    {
        PosixWindowWorld world;
        auto window = world.open();
        world.dir.writeFile("blocker", "");
        const std::string impossible = world.dir / "blocker/list.txt";
        save(world, *window, impossible);
        QCOMPARE(world.errors, std::vector<std::string>{"ファイル " + impossible + " を作成できません"});
        // The name is kept for the next save all the same.
        QCOMPARE(window->settings().SavePath, impossible);

        world.errors.clear();
        save(world, *window, "/dev/full");
        QCOMPARE(world.errors, std::vector<std::string>{"ストリームへの書き込みエラー"});
        QCOMPARE(filesIn(world.dir / "out"), std::size_t(0));
        QCOMPARE(filesIn(world.dir.path()), std::size_t(3)); // list, out, blocker: no temporary file
    }

    void aDoubleClickOnAnEmptyListingOpensTheSaveDialog()
    {
        PosixWindowWorld world;
        world.dir.writeFile("quorrin.ini", "[List]\r\nFilter=4\r\n"); // *.bmp: nothing listed
        auto window = world.open();
        QVERIFY(window->listingLines().empty());
        auto* output = window->findChild<QListView*>(QStringLiteral("ListBox1"));
        QTest::mouseDClick(output->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(world.saveDialog->requests.size(), std::size_t(1));
    }

    void copyingTakesEveryLineWhateverIsSelected()
    {
        PosixWindowWorld world;
        auto window = world.open();
        auto* output = window->findChild<QListView*>(QStringLiteral("ListBox1"));
        output->selectionModel()->select(output->model()->index(1, 0), QItemSelectionModel::Select);
        for (const char* action : {"Copy1", "Copy2", "Copy3"})
            window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
        std::string rows;
        for (const auto& row : window->directoryList().Items())
            rows += row + "\r\n";
        QVERIFY(rows.ends_with("list\r\nsub\r\n"));
        QCOMPARE(world.clipboard->texts,
                 (std::vector<std::string>{savedListing, "a.txt\r\nb.txt\r\n日本.txt\r\n", rows}));
    }

    void theFolderPickerStartsOnTheStoredFolderNotTheShownOne()
    {
        PosixWindowWorld world;
        auto window = world.open();
        const std::string out = world.dir / "out";
        world.folderPicker->answer = out;
        window->findChild<QAction*>(QStringLiteral("N3"))->trigger();
        QCOMPARE(window->directoryList().CurrentDir(), out);
        QCOMPARE(window->settings().DirPath, out);

        // The user moves elsewhere; the picker still starts on its own choice.
        window->directoryList().SetCurrentDir(world.dir / "list");
        world.folderPicker->answer = std::nullopt;
        window->findChild<QAction*>(QStringLiteral("N5"))->trigger();
        QCOMPARE(world.folderPicker->starts.back(), out);
        QCOMPARE(window->directoryList().CurrentDir(), world.dir / "list");

        // Confirming the folder already shown changes nothing but DirPath.
        const auto lines = window->listingLines();
        world.folderPicker->answer = world.dir / "list";
        window->findChild<QAction*>(QStringLiteral("N3"))->trigger();
        QCOMPARE(window->settings().DirPath, world.dir / "list");
        QCOMPARE(window->listingLines(), lines);
    }
};

QTEST_MAIN(PosixWindowOutputTest)
#include "posix_window_output_test.moc"
