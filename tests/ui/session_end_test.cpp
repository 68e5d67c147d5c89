#include "ui/session_end.h"
#include "window_world.h"

#include <QAbstractButton>
#include <QTimer>
#include <QtTest>

#include <csignal>

using namespace quorrin;
using namespace quorrin::ui;
using namespace quorrin::ui::test;

// The system's requests to end the program reach the running event loop,
// which writes the settings as a close would and ends with status 0, also
// when the settings file cannot be written: nobody could answer a box then.
class SessionEndTest : public QObject {
    Q_OBJECT

private slots:
    void aSignalWritesTheSettingsAndEndsTheLoopWithZero_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("writable");
        QTest::newRow("shutdown") << SIGTERM << true;
        QTest::newRow("terminal gone") << SIGHUP << true;
        QTest::newRow("Ctrl+C") << SIGINT << true;
        QTest::newRow("settings file blocked") << SIGTERM << false;
    }
    void aSignalWritesTheSettingsAndEndsTheLoopWithZero()
    {
        QFETCH(int, signal);
        QFETCH(bool, writable);
        WindowWorld world;
        if (!writable) {
            world.dir.writeFile("blocker");
            world.settingsPath = world.dir / "blocker/quorrin.ini";
        }
        auto window = world.open();
        SessionEnd sessionEnd(*window, "quorrin");
        window->show();
        window->findChild<QAbstractButton*>(QStringLiteral("CheckBox1"))->click();

        QTimer::singleShot(0, [signal] { std::raise(signal); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(world.errors.empty());
        if (writable)
            QVERIFY(world.read("quorrin.ini").find("\r\nKak=1\r\n") != std::string::npos);
    }

    // The session manager's request at log-off comes here too.
    void aSecondRequestWhileEndingChangesNothing()
    {
        WindowWorld world;
        auto window = world.open();
        SessionEnd sessionEnd(*window, "quorrin");
        QTimer::singleShot(0, [&] {
            sessionEnd.end();
            world.settingsPath = world.dir / "second.ini";
            sessionEnd.end();
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(world.read("quorrin.ini").starts_with("[List]"));
        QVERIFY(!QFile::exists(QString::fromStdString(world.dir / "second.ini")));
    }
};

QTEST_MAIN(SessionEndTest)
#include "session_end_test.moc"
