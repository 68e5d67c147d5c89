#include "posix_window_world.h"
#include "support/unprivileged.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace quorrin;
using namespace quorrin::ui;
using namespace quorrin::ui::test;

namespace {

using Names = std::vector<std::string>;

// Regular files whose names break naive listings: line breaks, the CSV and
// separator characters, the file list's own brackets, bytes that are no
// UTF-8, the caret of our escape, and a name as long as Linux allows.
Names hostileFileNames()
{
    return {"new\nline.txt",
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
}

void makeSocket(const std::string& path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    QVERIFY(path.size() < sizeof address.sun_path);
    std::copy(path.begin(), path.end(), address.sun_path);
    QCOMPARE(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    close(fd);
}

// The folder "hostile" of the world holds every hostile name, a FIFO, a
// socket, two links that point at each other, one that points at itself and
// one whose target is gone; all of them are names the listing shows.
Names makeHostileFolder(PosixWindowWorld& world, const std::string& folder)
{
    world.dir.makeDirectory(folder);
    Names names = hostileFileNames();
    for (const auto& name : names)
        world.dir.writeFile(folder + "/" + name, "12345");
    const std::string at = world.dir / folder;
    if (mkfifo((at + "/fifo").c_str(), 0644) != 0)
        qFatal("mkfifo failed");
    makeSocket(at + "/sock");
    if (symlink("loop2", (at + "/loop1").c_str()) != 0 || symlink("loop1", (at + "/loop2").c_str()) != 0 ||
        symlink("self", (at + "/self").c_str()) != 0 || symlink("gone", (at + "/dangling").c_str()) != 0)
        qFatal("symlink failed");
    world.dir.makeDirectory(folder + "/subfolder");
    names.insert(names.end(), {"fifo", "sock", "loop1", "loop2", "self", "dangling"});
    std::sort(names.begin(), names.end());
    return names;
}

// Quoted CSV records of one field each, CR LF after each.
Names quotedFields(const std::string& text)
{
    Names fields;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '"')
            return {"not a quoted field at " + std::to_string(i)};
        std::string field;
        for (++i; i < text.size(); ++i) {
            if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (text[i] == '"') {
                break;
            } else {
                field += text[i];
            }
        }
        if (text.compare(i, 3, "\"\r\n") != 0)
            return {"no record end at " + std::to_string(i)};
        i += 3;
        fields.push_back(field);
    }
    return fields;
}

// Lines of a listing saved without quotes, caret notation undone.
Names unescapedLines(const std::string& text)
{
    Names lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        std::string line;
        for (std::size_t i = start; i < end; ++i) {
            if (text[i] == '^' && i + 1 < end) {
                const char code = text[++i];
                line += code == 'J' ? '\n' : code == 'M' ? '\r' : code;
            } else {
                line += text[i];
            }
        }
        lines.push_back(line);
        start = end + 2;
    }
    if (start != text.size())
        lines.push_back("trailing bytes without a line end");
    return lines;
}

Names sorted(Names names)
{
    std::sort(names.begin(), names.end());
    return names;
}

void save(PosixWindowWorld& world, TForm1& window, const std::string& target)
{
    world.saveDialog->answers.push_back(persist::SaveDialogAnswer{target, 0});
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Get_Button")), Qt::LeftButton);
}

// Types a mask and presses Enter: a new mask reads the folder again.
void applyMask(TForm1& window, const QString& mask)
{
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("FileEdit"));
    edit->setText(mask);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Deep folders, made and removed by relative steps since their full path is
// longer than the system takes in one call.
class DeepChain {
public:
    DeepChain(const std::string& top, int levels) : top_(top), levels_(levels)
    {
        const int start = open(".", O_RDONLY | O_DIRECTORY);
        QVERIFY(chdir(top.c_str()) == 0);
        for (int i = 0; i < levels; ++i) {
            QVERIFY(mkdir(step.c_str(), 0755) == 0);
            QVERIFY(chdir(step.c_str()) == 0);
        }
        QVERIFY(fchdir(start) == 0);
        close(start);
    }
    ~DeepChain()
    {
        const int start = open(".", O_RDONLY | O_DIRECTORY);
        if (chdir(top_.c_str()) == 0) {
            for (int i = 0; i < levels_; ++i)
                static_cast<void>(chdir(step.c_str()));
            for (int i = 0; i < levels_; ++i)
                static_cast<void>(chdir("..") == 0 && rmdir(step.c_str()) == 0);
        }
        static_cast<void>(fchdir(start));
        close(start);
    }
    DeepChain(const DeepChain&) = delete;
    DeepChain& operator=(const DeepChain&) = delete;

    std::string path() const
    {
        std::string p = top_;
        for (int i = 0; i < levels_; ++i)
            p += "/" + step;
        return p;
    }

    // Enters the deepest folder, one step at a time.
    void enter() const
    {
        QVERIFY(chdir(top_.c_str()) == 0);
        for (int i = 0; i < levels_; ++i)
            QVERIFY(chdir(step.c_str()) == 0);
    }

    const std::string step = std::string(250, 'd');

private:
    std::string top_;
    int levels_;
};

} // namespace

class PosixHostileNamesTest : public QObject {
    Q_OBJECT

private slots:
    void quotedTheSavedListingHoldsTheExactBytesOfEveryNameOneRecordEach()
    {
        PosixWindowWorld world;
        const Names names = makeHostileFolder(world, "hostile");
        world.dir.writeFile("quorrin.ini", "[List]\r\n1=1\r\n2=5\r\nKak=1\r\n");
        world.fs.changeDirectory(world.dir / "hostile");
        auto window = world.open();
        QCOMPARE(window->listingLines().size(), names.size());
        save(world, *window, world.dir / "out/list.csv");
        QVERIFY(world.errors.empty());
        QCOMPARE(sorted(quotedFields(world.read("out/list.csv"))), names);
    }

    void unquotedALineBreakNeverMakesTwoLinesAndTheEscapeGivesTheBytesBack()
    {
        PosixWindowWorld world;
        const Names names = makeHostileFolder(world, "hostile");
        world.dir.writeFile("quorrin.ini", "[List]\r\n1=1\r\n2=5\r\nKak=0\r\n");
        world.fs.changeDirectory(world.dir / "hostile");
        auto window = world.open();
        save(world, *window, world.dir / "out/list.txt");
        QVERIFY(world.errors.empty());
        const std::string saved = world.read("out/list.txt");
        QCOMPARE(sorted(unescapedLines(saved)), names);
        QCOMPARE(std::count(saved.begin(), saved.end(), '\n'), static_cast<std::ptrdiff_t>(names.size()));
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

    void aFileDeletedBetweenTheReadAndTheRebuildCostsNothing()
    {
        PosixWindowWorld world;
        auto window = world.open();
        const auto lines = window->listingLines();
        QCOMPARE(lines.size(), std::size_t(3));
        QCOMPARE(unlink((world.dir / "list/b.txt").c_str()), 0);
        // The rebuild shows what the read found; nothing asks the file again.
        QTest::mouseClick(window->findChild<QCheckBox*>(QStringLiteral("CheckBox2")), Qt::LeftButton);
        QCOMPARE(window->listingLines().size(), std::size_t(3));
        applyMask(*window, QStringLiteral("*"));
        QCOMPARE(window->listingLines(), (std::vector<std::string>{"a.txt\t1", "日本.txt\t1"}));
        QVERIFY(world.errors.empty());
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

    void aPathDeeperThanTheSystemLimitIsRefusedAndTheWindowGoesOn()
    {
        PosixWindowWorld world;
        DeepChain chain(world.dir.path(), 20);
        QVERIFY(chain.path().size() > 4096);
        auto window = world.open();
        const auto lines = window->listingLines();
        applyMask(*window, QString::fromStdString(chain.path() + "/*.*"));
        QCOMPARE(world.errors.size(), std::size_t(1));
        QCOMPARE(window->listingLines(), lines);
        QCOMPARE(window->directoryList().CurrentDir(), world.dir / "list");
    }

    void startingInAFolderDeeperThanTheSystemLimit()
    {
        PosixWindowWorld world;
        DeepChain chain(world.dir.path(), 20);
        chain.enter();
        QVERIFY(world.fs.currentDirectory() == chain.path());
        auto window = world.open();
        QVERIFY(window->directoryList().CurrentDir() == chain.path());
        QVERIFY(window->listingLines().empty());
        QVERIFY(window->close());
    }

    void aHostileSettingsFileStartsWithDefaultsAndTheCloseKeepsForeignLines()
    {
        PosixWindowWorld world;
        std::string garbage;
        for (int i = 0; i < 4096; ++i)
            garbage += static_cast<char>((i * 131 + 7) % 256 == '[' ? 'x' : (i * 131 + 7) % 256);
        const std::string foreign = "[Mine]\rkeep=me\r";
        world.dir.writeFile("quorrin.ini", garbage + "\n[List]\r1=0\r2=1\rTab=3\r1=9\r[List]\rKak=1\r" + foreign);
        auto window = world.open();
        QCOMPARE(window->settings().ListCol1, 0);
        QCOMPARE(window->settings().TabNo, 3);
        QCOMPARE(window->settings().QuoteOn, false);
        QCOMPARE(window->listingLines().front(), world.dir / "list,a.txt");
        QVERIFY(window->close());
        const std::string written = world.read("quorrin.ini");
        QVERIFY(written.starts_with(garbage + "\n[List]\r1=0\r2=1\rTab=3\r1=9\r"));
        QVERIFY(written.find(foreign) != std::string::npos);

        auto next = world.open();
        QCOMPARE(next->settings().ListCol1, 0);
        QCOMPARE(next->settings().TabNo, 3);
        QCOMPARE(next->settings().DirPath, world.dir / "list");
        QVERIFY(world.errors.empty());
    }
};

QTEST_MAIN(PosixHostileNamesTest)
#include "posix_hostile_names_test.moc"
