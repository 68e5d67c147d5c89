#include "posix_window_world.h"
#include "support/unprivileged.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace quorrin;
using namespace quorrin::ui;
using namespace quorrin::ui::test;

namespace {

using Names = std::vector<std::string>;

// The folder "hostile" holds regular files whose names break naive listings
// (line breaks, the CSV and separator characters, the file list's brackets,
// bytes that are no UTF-8, the caret of our escape, a name as long as Linux
// allows), a FIFO, a socket, a symlink loop, a link to itself and one whose
// target is gone: all names the listing shows.
Names makeHostileFolder(PosixWindowWorld& world)
{
    world.dir.makeDirectory("hostile");
    Names names{"new\nline.txt",
                "carriage\rreturn.txt",
                "crlf\r\nname",
                "tab\there.txt",
                "comma,name.txt",
                "quote\"name\".txt",
                "semi;colon.txt",
                "[bracket].txt",
                "[looks-like-a-folder]",
                "bad\xff\xfe\x80utf8.txt",
                "caret^J.txt",
                std::string(251, 'L') + ".txt",
                "plain.txt"};
    for (const auto& name : names)
        world.dir.writeFile("hostile/" + name, "12345");
    const std::string at = world.dir / "hostile/";
    if (mkfifo((at + "fifo").c_str(), 0644) != 0)
        qFatal("mkfifo failed");
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{AF_UNIX, {}};
    (at + "sock").copy(address.sun_path, sizeof address.sun_path - 1);
    if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        qFatal("no socket");
    close(fd);
    for (const auto& [target, link] :
         {std::pair{"loop2", "loop1"}, {"loop1", "loop2"}, {"self", "self"}, {"gone", "dangling"}})
        if (symlink(target, (at + link).c_str()) != 0)
            qFatal("symlink failed");
    world.dir.makeDirectory("hostile/subfolder");
    names.insert(names.end(), {"fifo", "sock", "loop1", "loop2", "self", "dangling"});
    return names;
}

// The listing line of one name: a quoted CSV field with its quotes doubled,
// or the name with control characters and carets in caret notation.
std::string savedLine(const std::string& name, bool quoted)
{
    std::string line = quoted ? "\"" : "";
    for (const char c : name)
        line += quoted ? (c == '"' ? "\"\"" : std::string(1, c))
                       : (c == '\n'   ? "^J"
                          : c == '\r' ? "^M"
                          : c == '\t' ? "^I"
                          : c == '^'  ? "^^"
                                      : std::string(1, c));
    return line + (quoted ? "\"\r\n" : "\r\n");
}

// Folders 20 deep under `top`, made by relative steps since their full path
// is longer than the system takes in one call; returns that path.
std::string makeDeepChain(const std::string& top)
{
    const std::string step(250, 'd');
    std::string path = top;
    int fd = open(top.c_str(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < 20 && fd >= 0; ++i, path += "/" + step) {
        const int next = mkdirat(fd, step.c_str(), 0755) == 0 ? openat(fd, step.c_str(), O_RDONLY | O_DIRECTORY) : -1;
        close(fd);
        fd = next;
    }
    close(fd);
    return path;
}

} // namespace

class PosixHostileNamesTest : public QObject {
    Q_OBJECT

private slots:
    // Quoted, every name is one CSV field with its exact bytes; unquoted, a
    // line break never makes two lines and the caret escape keeps the bytes.
    void theSavedListingHoldsTheExactBytesOfEveryNameOneLineEach_data()
    {
        QTest::addColumn<bool>("quoted");
        QTest::newRow("quoted") << true;
        QTest::newRow("unquoted") << false;
    }
    void theSavedListingHoldsTheExactBytesOfEveryNameOneLineEach()
    {
        QFETCH(bool, quoted);
        PosixWindowWorld world;
        const Names names = makeHostileFolder(world);
        world.dir.writeFile("quorrin.ini", std::string("[List]\r\n1=1\r\n2=5\r\nKak=") + (quoted ? "1" : "0") + "\r\n");
        world.fs.changeDirectory(world.dir / "hostile");
        auto window = world.open();
        QCOMPARE(window->listingLines().size(), names.size());
        save(world, *window, world.dir / "out/list.txt");
        QVERIFY(world.errors.empty());
        // Each line stands whole after a line end, and together they make up the file.
        const std::string saved = "\r\n" + world.read("out/list.txt");
        std::size_t total = 2;
        for (const auto& name : names) {
            const std::string line = savedLine(name, quoted);
            QVERIFY2(saved.find("\r\n" + line) != std::string::npos, line.c_str());
            total += line.size();
        }
        QCOMPARE(saved.size(), total);
        if (!quoted)
            QCOMPARE(std::count(saved.begin(), saved.end(), '\n'), static_cast<std::ptrdiff_t>(names.size() + 1));
    }

    // A clicked name that is no UTF-8 shows with replacement characters; the
    // box still holds its bytes, so Enter keeps the file selected, and the
    // text the user types is taken as typed.
    void theMaskBoxKeepsTheBytesOfAClickedNameUntilEdited()
    {
        PosixWindowWorld world;
        const std::string bad = "bad\xff.txt";
        world.dir.writeFile("list/" + bad, "x");
        world.dir.writeFile("quorrin.ini", "[List]\r\n2=5\r\n");
        auto window = world.open();
        auto* edit = window->findChild<QLineEdit*>(QStringLiteral("FileEdit"));
        const auto& items = window->fileList().Items();
        const auto at = std::find(items.begin(), items.end(), bad) - items.begin();
        window->fileList().selectByUser(static_cast<int>(at));
        QCOMPARE(edit->text(), QStringLiteral("bad\uFFFD.txt"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(world.errors.empty());
        QCOMPARE(window->fileList().SelectedName(), bad);
        QCOMPARE(window->settings().EditText, bad);

        edit->setText(QStringLiteral("b.txt"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(window->fileList().SelectedName(), std::string("b.txt"));
        edit->setText(QStringLiteral("bad\uFFFD.txt\u200B"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(world.errors.size(), std::size_t(1));
    }

    void aFolderNamedWithALineBreakStaysOneFieldAndCannotInjectSettings()
    {
        PosixWindowWorld world;
        const std::string folder = "evil\n[Disk]\nDir=elsewhere";
        world.dir.makeDirectory(folder);
        world.dir.writeFile(folder + "/a.txt", "a");
        world.dir.writeFile("quorrin.ini", "[List]\r\n1=0\r\n2=1\r\nTab=3\r\n");
        world.fs.changeDirectory(world.dir / folder);
        auto window = world.open();
        const std::string shownPath = world.dir.path() + "/evil^J[Disk]^JDir=elsewhere";
        QCOMPARE(window->listingLines(), std::vector<std::string>{shownPath + ",a.txt"});
        QVERIFY(window->close());
        const std::string settings = world.read("quorrin.ini");
        QVERIFY(settings.find("evil") == std::string::npos);
        QVERIFY(settings.find("\r\nDir=\r\n") != std::string::npos);
    }

    // A new format after the folder changed shows, copies and saves the
    // folder as it is now; one left alone is composed from the last read.
    void aChangeOfFormatAfterTheFolderChangedShowsItAsItIsNow()
    {
        PosixWindowWorld world;
        auto window = world.open();
        QCOMPARE(window->listingLines().size(), std::size_t(3));
        QCOMPARE(unlink((world.dir / "list/b.txt").c_str()), 0);
        world.dir.writeFile("list/a.txt", std::string(2000, 'a'));
        QTest::mouseClick(window->findChild<QCheckBox*>(QStringLiteral("CheckBox2")), Qt::LeftButton);
        QVERIFY(idle(*window));
        const std::vector<std::string> now{"a.txt\t2", "日本.txt\t1"};
        QCOMPARE(window->listingLines(), now);
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("FileCount_Label"))->text(), QStringLiteral("2"));

        world.dir.writeFile("list/c.txt", "c");
        window->Copy1Click();
        QCOMPARE(world.clipboard->texts.back(), std::string("a.txt\t2\r\nc.txt\t1\r\n日本.txt\t1\r\n"));
        QCOMPARE(unlink((world.dir / "list/c.txt").c_str()), 0);
        save(world, *window, world.dir / "out/list.txt");
        QCOMPARE(world.read("out/list.txt"), std::string("a.txt\t2\r\n日本.txt\t1\r\n"));
        QVERIFY(world.errors.empty());
    }

    // Typed, such a path is refused and the window goes on; as the folder
    // the program starts in, it is listed (empty) and the window closes.
    void aPathDeeperThanTheSystemLimit()
    {
        PosixWindowWorld world;
        const std::string deep = makeDeepChain(world.dir.path());
        QVERIFY(deep.size() > 4096);
        {
            auto window = world.open();
            const auto lines = window->listingLines();
            applyMask(*window, QString::fromStdString(deep + "/*.*"));
            QCOMPARE(world.errors.size(), std::size_t(1));
            QCOMPARE(window->listingLines(), lines);
            QCOMPARE(window->directoryList().CurrentDir(), world.dir / "list");
        }
        // Entered one step at a time, as the path is too long to name at once.
        QVERIFY(chdir(world.dir.path().c_str()) == 0);
        while (chdir(std::string(250, 'd').c_str()) == 0) {
        }
        QVERIFY(world.fs.currentDirectory() == deep);
        auto window = world.open();
        QVERIFY(window->directoryList().CurrentDir() == deep);
        QVERIFY(window->listingLines().empty());
        QVERIFY(window->close());
    }

    void aFolderWhosePermissionsChangeWhileListed()
    {
        PosixWindowWorld world;
        world.dir.makeDirectory("perm");
        world.dir.writeFile("perm/x.txt", "x");
        world.dir.writeFile("perm/y.txt", "yy");
        // The checks run as "nobody", who owns the folders and so may take
        // its own permissions away, which root would ignore.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(world.dir.path()))
            QCOMPARE(lchown(entry.path().c_str(), 65534, 65534), 0);
        QCOMPARE(chown(world.dir.path().c_str(), 65534, 65534), 0);
        const std::string perm = world.dir / "perm";
        world.fs.changeDirectory(perm);
        const std::string failure = quorrin::testing::runUnprivileged([&]() -> std::string {
            world.fs.changeDirectory(perm);
            auto window = world.open();
            if (window->listingLines().size() != 2)
                return "the folder was not listed";
            // May be entered, not read.
            chmod(perm.c_str(), 0300);
            QTest::mouseClick(window->findChild<QCheckBox*>(QStringLiteral("CheckBox2")), Qt::LeftButton);
            if (window->listingLines().size() != 2)
                return "the rebuild lost lines it had read";
            applyMask(*window, QStringLiteral("*"));
            if (!window->listingLines().empty() || !world.errors.empty())
                return "an unreadable folder should list nothing, silently";
            // May not even be entered: the refusal is shown, the rest stays.
            chmod(perm.c_str(), 0);
            applyMask(*window, QStringLiteral("*.*"));
            if (world.errors.size() != 1 || !window->listingLines().empty())
                return "a folder that cannot be entered should be reported once";
            chmod(perm.c_str(), 0755);
            applyMask(*window, QStringLiteral("*.txt"));
            if (window->listingLines().size() != 2)
                return "the folder did not come back";
            if (!window->close())
                return "the window did not close";
            return world.read("quorrin.ini").find("[List]") == std::string::npos ? "no settings written" : "";
        });
        QCOMPARE(QString::fromStdString(failure), QString());
    }
};

QTEST_MAIN(PosixHostileNamesTest)
#include "posix_hostile_names_test.moc"
