#include "platform/posix/iconv_charset_converter.h"
#include "posix_window_world.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <filesystem>

using namespace quorrin;
using namespace quorrin::ui;
using namespace quorrin::ui::test;

namespace {

QAction* item(TForm1& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

QStringList titles(const QList<QAction*>& actions)
{
    QStringList out;
    for (const QAction* action : actions)
        if (!action->isSeparator())
            out << action->text();
    return out;
}

QStringList checkedItems(TForm1& window)
{
    QStringList out;
    for (const QAction* action : window.findChildren<QAction*>())
        if (action->isCheckable() && action->isChecked())
            out << action->objectName();
    out.sort();
    return out;
}

} // namespace

class PosixOutputOptionsTest : public QObject {
    Q_OBJECT

private slots:
    // The menu stands between "ファイル" and "ヘルプ" and shows the stored
    // choices; the preview shows the header and the date style at once.
    void theMenuShowsTheStoredChoices()
    {
        PosixWindowWorld world;
        world.dir.writeFile("quorrin.ini",
                            "[List]\r\n2=3\r\n[Output]\r\nEncoding=shift_jis\r\nHeader=1\r\nDates=iso\r\n");
        std::filesystem::last_write_time(world.dir / "list/a.txt",
                                         std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
        auto window = world.open();
        QCOMPARE(titles(window->menuBar()->actions()), (QStringList{"ファイル", "設定", "ヘルプ"}));
        auto* settings = window->findChild<QMenu*>(QStringLiteral("Settings1"));
        QCOMPARE(titles(settings->actions()),
                 (QStringList{"文字コード", "改行", "見出し行を付ける", "日付の形式", "並べ替え",
                              "サブフォルダも含める", "サブフォルダの深さ", "ジャンルの規則…"}));
        QCOMPARE(titles(window->findChild<QMenu*>(QStringLiteral("Encoding"))->actions()),
                 (QStringList{"システム標準", "UTF-8", "UTF-8 (BOM付き)", "Shift_JIS", "UTF-16LE"}));
        QCOMPARE(titles(window->findChild<QMenu*>(QStringLiteral("LineEnd"))->actions()), (QStringList{"CR+LF", "LF"}));
        QCOMPARE(titles(window->findChild<QMenu*>(QStringLiteral("Dates"))->actions()),
                 (QStringList{"システムの形式", "ISO 8601"}));
        QCOMPARE(titles(window->findChild<QMenu*>(QStringLiteral("Sort"))->actions()),
                 (QStringList{"名前", "名前 (数字順)", "サイズ", "日付", "オプション", "拡張子", "降順"}));
        QCOMPARE(checkedItems(*window),
                 (QStringList{"Dates1", "Encoding3", "Header", "LineEnd0", "ScanDepth0", "Sort0"}));
        const auto& lines = window->listingLines();
        QCOMPARE(lines.size(), std::size_t(4));
        QCOMPARE(QString::fromStdString(lines[0]), QStringLiteral("ファイル名\t日付"));
        // ISO dates have no other shape than this one.
        QVERIFY(QRegularExpression(QStringLiteral("^a\\.txt\t\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                    .match(QString::fromStdString(lines[1]))
                    .hasMatch());
    }

    // Every choice rebuilds the listing and is written at closing.
    void choicesRebuildTheListingAndAreKept()
    {
        PosixWindowWorld world;
        auto window = world.open();
        QCOMPARE(window->listingLines().size(), std::size_t(3));
        item(*window, "Header")->trigger();
        QCOMPARE(QString::fromStdString(window->listingLines().front()), QStringLiteral("ファイル名\tサイズ"));
        item(*window, "Encoding4")->trigger();
        item(*window, "LineEnd1")->trigger();
        item(*window, "Dates1")->trigger();
        QVERIFY(window->close());
        QVERIFY(world.read("quorrin.ini")
                    .ends_with("[Output]\r\nEncoding=utf-16le\r\nLineEnd=lf\r\nHeader=1\r\nDates=iso\r\n"
                               "Sort=name\r\nDescending=0\r\n"));
        auto again = world.open();
        QCOMPARE(checkedItems(*again),
                 (QStringList{"Dates1", "Encoding4", "Header", "LineEnd1", "ScanDepth0", "Sort0"}));
    }

    // The order reaches the listing and the saved file, never the file
    // list, and is kept with the other choices.
    void theSortOrderReordersTheListingOnly()
    {
        PosixWindowWorld world;
        world.dir.writeFile("list/file10.txt", "ccc");
        world.dir.writeFile("list/file2.txt", "ccc");
        auto window = world.open();
        const std::vector<std::string> fileList = window->fileList().Items();
        const struct {
            const char* item;
            std::vector<std::string> lines;
        } steps[] = {
            {"Sort2", {"日本.txt\t1", "b.txt\t2", "file10.txt\t3", "file2.txt\t3", "a.txt\t4"}},
            {"Descending", {"a.txt\t4", "file10.txt\t3", "file2.txt\t3", "b.txt\t2", "日本.txt\t1"}},
            {"Sort1", {"日本.txt\t1", "file10.txt\t3", "file2.txt\t3", "b.txt\t2", "a.txt\t4"}},
        };
        for (const auto& step : steps) {
            item(*window, step.item)->trigger();
            QCOMPARE(window->listingLines(), step.lines);
            QCOMPARE(window->fileList().Items(), fileList);
        }
        save(world, *window, world.dir / "out/list.txt");
        QCOMPARE(world.read("out/list.txt"),
                 std::string("日本.txt\t1\r\nfile10.txt\t3\r\nfile2.txt\t3\r\nb.txt\t2\r\na.txt\t4\r\n"));
        QVERIFY(window->close());
        QVERIFY(world.read("quorrin.ini").ends_with("Sort=natural\r\nDescending=1\r\n"));
        auto again = world.open();
        QCOMPARE(checkedItems(*again),
                 (QStringList{"Dates0", "Descending", "Encoding0", "LineEnd0", "ScanDepth0", "Sort1"}));
        QCOMPARE(again->listingLines().front(), std::string("日本.txt\t1"));
    }

    void savingWritesTheChosenEncodingAndLineEnds()
    {
        const struct {
            const char* encoding;
            const char* lineEnd;
            std::string bytes;
        } cases[] = {
            {"Encoding0", "LineEnd0", "a.txt\t4\r\nb.txt\t2\r\n日本.txt\t1\r\n"},
            {"Encoding2", "LineEnd1",
             "\xEF\xBB\xBF"
             "a.txt\t4\nb.txt\t2\n日本.txt\t1\n"},
            {"Encoding3", "LineEnd0", "a.txt\t4\r\nb.txt\t2\r\n\x93\xFA\x96\x7B.txt\t1\r\n"},
            {"Encoding4", "LineEnd1",
             std::string("\xFF\xFE"
                         "a\0.\0t\0x\0t\0\t\0"
                         "4\0\n\0b\0.\0t\0x\0t\0\t\0"
                         "2\0\n\0"
                         "\xE5\x65\x2C\x67.\0t\0x\0t\0\t\0"
                         "1\0\n\0",
                         52)},
        };
        for (const auto& c : cases) {
            PosixWindowWorld world;
            auto window = world.open();
            item(*window, c.encoding)->trigger();
            item(*window, c.lineEnd)->trigger();
            save(world, *window, world.dir / "out/list.txt");
            QCOMPARE(QByteArray::fromStdString(world.read("out/list.txt")).toHex(' '),
                     QByteArray::fromStdString(c.bytes).toHex(' '));
            QVERIFY(world.unmappableQuestion->asked.empty());
        }
    }

    // A name Shift_JIS cannot hold is never replaced without asking; each
    // answer gives its own file, and cancelling changes nothing.
    void unmappableNamesAreAskedAbout()
    {
        const struct {
            UnmappableAnswer answer;
            std::string bytes; // nothing written when empty
        } cases[] = {
            {UnmappableAnswer::saveWithGeta, "a.txt\t4\r\nb.txt\t2\r\n\x81\xAC.txt\t1\r\n\x93\xFA\x96\x7B.txt\t1\r\n"},
            {UnmappableAnswer::saveAsUtf8, "\xEF\xBB\xBF"
                                           "a.txt\t4\r\nb.txt\t2\r\n〜.txt\t1\r\n日本.txt\t1\r\n"},
            {UnmappableAnswer::cancel, ""},
        };
        for (const auto& c : cases) {
            PosixWindowWorld world;
            world.dir.writeFile("list/〜.txt", "w");
            auto window = world.open();
            item(*window, "Encoding3")->trigger();
            world.unmappableQuestion->answer = c.answer;
            save(world, *window, world.dir / "out/list.txt");
            QVERIFY((world.unmappableQuestion->asked ==
                     std::vector<ScriptedUnmappableQuestion::Asked>{{"Shift_JIS", 1, {"〜.txt\t1"}}}));
            QCOMPARE(world.read("out/list.txt"), c.bytes);
            QCOMPARE(window->settings().SavePath.empty(), c.bytes.empty());
            QVERIFY(world.errors.empty());
        }
    }

    // Many such lines: the count of them all, the first five shown.
    void theQuestionShowsTheFirstFewLines()
    {
        PosixWindowWorld world;
        for (int i = 1; i <= 7; ++i)
            world.dir.writeFile("list/" + std::to_string(i) + "\xFF.txt", "");
        auto window = world.open();
        item(*window, "Encoding4")->trigger();
        save(world, *window, world.dir / "out/list.txt");
        QCOMPARE(world.unmappableQuestion->asked.size(), std::size_t(1));
        const auto& asked = world.unmappableQuestion->asked.front();
        QCOMPARE(asked.encodingName, QStringLiteral("UTF-16LE"));
        QCOMPARE(asked.lineCount, std::size_t(7));
        QCOMPARE(asked.firstLines.size(), 5);
        QVERIFY(asked.firstLines.front().startsWith(QStringLiteral("1")));
        const QString text = unmappableQuestionText(asked.encodingName, asked.lineCount, asked.firstLines);
        QVERIFY(text.startsWith(QStringLiteral("7 行に UTF-16LE で書けない文字があります。")));
        QVERIFY(text.contains(QStringLiteral("ほか 2 行")));
        // A long line is cut in its middle, so the box stays on the screen.
        const QString shortened = unmappableQuestionText(asked.encodingName, 1, {QString(100, QLatin1Char('a'))});
        QVERIFY(
            shortened.contains(QString(39, QLatin1Char('a')) + QStringLiteral("…") + QString(39, QLatin1Char('a'))));
        QVERIFY(!shortened.contains(QString(40, QLatin1Char('a'))));
        QVERIFY(!shortened.contains(QStringLiteral("ほか")));
    }

    // Without a converter the save says so and the old file stays as it was.
    void aMissingConverterIsReportedAndWritesNothing()
    {
        PosixWindowWorld world;
        world.charsets = std::make_unique<platform::posix::IconvCharsetConverter>("NO-SUCH-CODE-PAGE");
        world.dir.writeFile("out/list.txt", "old");
        auto window = world.open();
        item(*window, "Encoding3")->trigger();
        save(world, *window, world.dir / "out/list.txt");
        QCOMPARE(world.errors,
                 std::vector<std::string>{"このシステムには Shift_JIS (CP932) への変換がないため保存できません"});
        QCOMPARE(world.read("out/list.txt"), std::string("old"));
        QCOMPARE(window->settings().SavePath, std::string());
        QCOMPARE(window->windowTitle(), QStringLiteral("Quorrin Jr"));
    }

    // The clipboard takes the header and the line ends, never the encoding.
    void copyingFollowsTheLineEndsAndTheHeader()
    {
        PosixWindowWorld world;
        auto window = world.open();
        for (const char* action : {"Encoding4", "LineEnd1", "Header", "Copy1", "Copy2"})
            item(*window, action)->trigger();
        QCOMPARE(world.clipboard->texts,
                 (std::vector<std::string>{"ファイル名\tサイズ\na.txt\t4\nb.txt\t2\n日本.txt\t1\n",
                                           "a.txt\r\nb.txt\r\n日本.txt\r\n"}));
    }
};

QTEST_MAIN(PosixOutputOptionsTest)
#include "posix_output_options_test.moc"
