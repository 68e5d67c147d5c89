#include "cli/command_line.h"
#include "cli/listing_run.h"
#include "cli/recording_console.h"
#include "posix_window_world.h"

#include <QtTest>

using namespace quorrin;
using namespace quorrin::ui;
using namespace quorrin::ui::test;

// The command-line program, given nothing but the folder, writes the bytes
// the window saves for that folder with the same settings file.
class PosixWindowCliMatchTest : public QObject {
    Q_OBJECT

private slots:
    void theCommandLineWritesWhatTheWindowSaves()
    {
        const std::string settingsFiles[] = {
            "",
            "[List]\r\n1=0\r\n2=1\r\n3=2\r\n4=3\r\n5=4\r\nTab=3\r\nKak=1\r\nbyt=1\r\nFilter=1\r\n",
            "[List]\r\n1=5\r\n2=1\r\n3=9\r\nTab=-1\r\nTabText=;;\r\nFilter=42\r\n[File]\r\nEdit=*.avi;b*\r\n",
            "[List]\r\n3=3\r\n[Output]\r\nEncoding=utf-16le\r\nLineEnd=lf\r\nHeader=1\r\nDates=iso\r\n",
            "[List]\r\n3=4\r\n[Output]\r\nEncoding=shift_jis\r\n",
            "[List]\r\n1=0\r\n2=1\r\n[Output]\r\nHeader=1\r\n[Scan]\r\nSubfolders=1\r\n",
        };
        for (const std::string& settings : settingsFiles) {
            PosixWindowWorld world;
            world.dir.writeFile("list/アニメ映画.avi", std::string(5000, 'x'));
            world.dir.writeFile("list/quote\"d.txt", "q");
            world.dir.makeDirectory("list/下");
            world.dir.writeFile("list/下/深い.txt", "d");
            world.dir.setModificationTime("list/a.txt", 1138439107);
            if (!settings.empty())
                world.dir.writeFile("quorrin.ini", settings);

            std::string saved;
            {
                auto window = world.open();
                // The folders below are read off the event loop.
                QVERIFY(QTest::qWaitFor([&] { return !window->readingFolders(); }, 5000));
                save(world, *window, world.dir / "out/window.txt");
                QVERIFY(world.errors.empty());
                saved = world.read("out/window.txt");
                QVERIFY(!saved.empty());
            }

            cli::test::RecordingConsole console;
            const auto charsets = platform::makeNativeCharsetConverter();
            const cli::Texts texts(world.rules, cli::Language::english);
            const cli::ListServices services{world.fs,
                                             world.rules,
                                             world.locale,
                                             *charsets,
                                             [&] { return world.settingsPath; },
                                             console,
                                             texts,
                                             [] { return std::chrono::steady_clock::now(); },
                                             platform::writeWholeFile};
            cli::ListRequest request;
            request.folder = world.dir / "list";
            QCOMPARE(cli::runListing(request, services), cli::exitListed);
            QCOMPARE(QString::fromStdString(console.err), QString());
            QCOMPARE(QByteArray::fromStdString(console.out), QByteArray::fromStdString(saved));
        }
    }
};

QTEST_MAIN(PosixWindowCliMatchTest)
#include "posix_window_cli_match_test.moc"
