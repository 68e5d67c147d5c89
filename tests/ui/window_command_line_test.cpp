#include "platform/posix/posix_file_system.h"
#include "support/temp_dir.h"
#include "text/utf8_text_rules.h"
#include "ui/window_command_line.h"

#include <QtTest>

using namespace quorrin;
using namespace quorrin::ui;
using Outcome = WindowCommandLine::Outcome;

Q_DECLARE_METATYPE(Outcome)

namespace {

std::vector<std::string> words(const QStringList& list)
{
    std::vector<std::string> out;
    for (const QString& word : list)
        out.push_back(word.toStdString());
    return out;
}

} // namespace

class WindowCommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("japanese");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("textStart");

        QTest::newRow("nothing") << QStringList{} << false << Outcome::openWindow << ""
                                 << "";
        QTest::newRow("a folder") << QStringList{"/tmp/フォルダ"} << false << Outcome::openWindow << "/tmp/フォルダ"
                                  << "";
        QTest::newRow("a folder named like an option, after --")
            << QStringList{"--", "-v"} << false << Outcome::openWindow << "-v"
            << "";
        QTest::newRow("a lone dash is a name") << QStringList{"-"} << false << Outcome::openWindow << "-"
                                               << "";
        QTest::newRow("help") << QStringList{"--help"} << false << Outcome::printHelp << ""
                              << "Usage: quorrin [FOLDER]";
        QTest::newRow("help, short, in Japanese") << QStringList{"-h"} << true << Outcome::printHelp << ""
                                                  << "使い方: quorrin [フォルダ]";
        QTest::newRow("help wins over a folder") << QStringList{"/tmp", "--help"} << false << Outcome::printHelp << ""
                                                 << "Usage:";
        QTest::newRow("version") << QStringList{"--version"} << false << Outcome::printVersion << ""
                                 << "quorrin 1.2.3\n";
        QTest::newRow("version, short") << QStringList{"-v"} << true << Outcome::printVersion << ""
                                        << "quorrin 1.2.3\n";
        QTest::newRow("unknown option") << QStringList{"--verbose"} << false << Outcome::wrongUsage << ""
                                        << "quorrin: unknown option: --verbose\nTry 'quorrin --help'.";
        QTest::newRow("unknown option in Japanese") << QStringList{"-x"} << true << Outcome::wrongUsage << ""
                                                    << "quorrin: 不明なオプションです: -x\n";
        QTest::newRow("two folders") << QStringList{"/a", "/b"} << false << Outcome::wrongUsage << ""
                                     << "quorrin: only one folder can be opened\n";
    }

    void readsTheArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, japanese);
        QFETCH(Outcome, outcome);
        QFETCH(QString, path);
        QFETCH(QString, textStart);

        const WindowCommandLine read = parseWindowCommandLine(words(arguments), "1.2.3", japanese);
        QCOMPARE(read.outcome, outcome);
        QCOMPARE(QString::fromStdString(read.path.value_or("")), path);
        QVERIFY2(QString::fromStdString(read.text).startsWith(textStart), read.text.c_str());
        // Every printed text ends its line, so the shell prompt starts on a new one.
        QVERIFY(read.text.empty() || read.text.back() == '\n');
    }

    // Bytes that are no valid UTF-8 still name a folder on Linux.
    void keepsTheBytesOfAName()
    {
        const std::string name = "/tmp/\xff\xfe";
        QCOMPARE(parseWindowCommandLine({name}, "1", false).path, std::optional(name));
    }

    void makesARelativePathAbsolute_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("expected");
        QTest::newRow("relative") << "sub/日本"
                                  << "START/sub/日本";
        QTest::newRow("dot") << "."
                             << "START/.";
        QTest::newRow("absolute") << "/usr/share"
                                  << "/usr/share";
    }

    void makesARelativePathAbsolute()
    {
        QFETCH(QString, given);
        QFETCH(QString, expected);
        quorrin::testing::TempDir dir;
        text::Utf8TextRules rules;
        platform::posix::PosixFileSystem fs(rules);
        fs.changeDirectory(dir.path());
        const std::string made = absolutePath(fs, rules, given.toStdString());
        QCOMPARE(QString::fromStdString(made), expected.replace("START", QString::fromStdString(dir.path())));
    }
};

QTEST_GUILESS_MAIN(WindowCommandLineTest)
#include "window_command_line_test.moc"
