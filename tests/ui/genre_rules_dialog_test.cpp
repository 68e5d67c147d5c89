#include "dialog_driver.h"
#include "posix_window_world.h"
#include "text/utf8_text_rules.h"
#include "ui/genre_rules_dialog.h"
#include "ui/genre_rules_model.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace quorrin;
using namespace quorrin::ui;
using listing::GenreRule;
using listing::GenreTable;

namespace {

const text::Utf8TextRules rules;

GenreRulesModel& modelOf(GenreRulesDialog& dialog)
{
    return *qobject_cast<GenreRulesModel*>(dialog.findChild<QTableView*>(QStringLiteral("GenreTable"))->model());
}

void click(GenreRulesDialog& dialog, const char* button)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

QString tried(GenreRulesDialog& dialog, const QString& name)
{
    dialog.findChild<QLineEdit*>(QStringLiteral("TryName"))->setText(name);
    return dialog.findChild<QLabel*>(QStringLiteral("TryLabel"))->text();
}

void edit(GenreRulesDialog& dialog, int row, int column, const QString& text)
{
    GenreRulesModel& model = modelOf(dialog);
    model.setData(model.index(row, column), text, Qt::EditRole);
}

} // namespace

class GenreRulesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theBuiltInTableIsShownAndComesBackAsItself()
    {
        GenreRulesDialog dialog(rules, std::nullopt);
        QCOMPARE(modelOf(dialog).rowCount(), 22);
        QCOMPARE(dialog.table(), GenreTable());
        // It matches exactly, as the built-in table does.
        QCOMPARE(tried(dialog, QStringLiteral("TV.avi")), QStringLiteral("ＴＶ"));
        QCOMPARE(tried(dialog, QStringLiteral("tv.avi")), QStringLiteral("（なし）"));
        click(dialog, "RemoveRule");
        QCOMPARE(dialog.table()->size(), std::size_t(21));
        click(dialog, "Standard");
        QCOMPARE(dialog.table(), GenreTable());
    }

    // Add puts an empty row after the current one; the test line follows
    // every change of the table.
    void editingTheTableChangesTheTestLineAtOnce()
    {
        GenreRulesDialog dialog(rules, std::vector<GenreRule>{{"live", "ライブ"}});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(tried(dialog, QStringLiteral("ＬＩＶＥ.mp3")), QStringLiteral("ライブ"));
        click(dialog, "AddRule");
        edit(dialog, 1, GenreRulesModel::keywordColumn, QStringLiteral("mp3"));
        edit(dialog, 1, GenreRulesModel::labelColumn, QStringLiteral("音声"));
        GenreRulesModel& model = modelOf(dialog);
        model.setData(model.index(1, GenreRulesModel::extensionColumn), Qt::Checked, Qt::CheckStateRole);
        QCOMPARE(tried(dialog, QStringLiteral("song.MP3")), QStringLiteral("音声"));
        click(dialog, "MoveUp");
        QCOMPARE(tried(dialog, QStringLiteral("live.mp3")), QStringLiteral("音声"));
        QCOMPARE(dialog.table(), GenreTable(std::vector<GenreRule>{{"mp3", "音声", true}, {"live", "ライブ"}}));
        // The moved row stays the current one; Delete in the table removes it.
        click(dialog, "MoveDown");
        QTest::keyClick(dialog.findChild<QTableView*>(QStringLiteral("GenreTable")), Qt::Key_Delete);
        QCOMPARE(dialog.table(), GenreTable(std::vector<GenreRule>{{"live", "ライブ"}}));
    }

    void okRefusesARowThatCannotBeKeptAndSaysWhich()
    {
        const struct {
            std::vector<GenreRule> table;
            const char* problem;
            int column;
        } cases[] = {
            {{{"a", "b"}, {"", "c"}}, "2 行目のキーワードが空です。", GenreRulesModel::keywordColumn},
            {{{"a", ""}}, "1 行目のラベルが空です。", GenreRulesModel::labelColumn},
        };
        for (const auto& c : cases) {
            GenreRulesDialog dialog(rules, c.table);
            dialog.show();
            dialog.accept();
            QVERIFY(dialog.isVisible());
            const auto* problem = dialog.findChild<QLabel*>(QStringLiteral("GenreProblem"));
            QVERIFY(problem->isVisibleTo(&dialog));
            QVERIFY2(problem->text().startsWith(QString::fromUtf8(c.problem)), qPrintable(problem->text()));
            const QModelIndex current = dialog.findChild<QTableView*>(QStringLiteral("GenreTable"))->currentIndex();
            QCOMPARE(current.row(), static_cast<int>(c.table.size()) - 1);
            QCOMPARE(current.column(), c.column);
        }
    }

    // A cell still being edited counts as the user sees it: after Enter, or
    // when OK comes while the editor is open.
    void anOpenEditorsTextIsKept()
    {
        for (const bool pressEnter : {true, false}) {
            // The edit is what makes the row whole.
            GenreRulesDialog dialog(rules, std::vector<GenreRule>{{"a", ""}});
            dialog.show();
            auto* view = dialog.findChild<QTableView*>(QStringLiteral("GenreTable"));
            view->setCurrentIndex(modelOf(dialog).index(0, GenreRulesModel::labelColumn));
            view->edit(view->currentIndex());
            auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(view->currentIndex()));
            QVERIFY(editor != nullptr);
            editor->setText(QStringLiteral("新しい"));
            if (pressEnter) {
                QTest::keyClick(editor, Qt::Key_Return);
                QCoreApplication::processEvents();
            }
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.table(), GenreTable(std::vector<GenreRule>{{"a", "新しい"}}));
        }
    }

    // What the user does not edit keeps its bytes, valid text or not.
    void untouchedCellsKeepTheirBytes()
    {
        const std::vector<GenreRule> table{{"\xff\xfe", "bad \x80"}, {"x", "y"}};
        GenreRulesDialog dialog(rules, table);
        edit(dialog, 0, GenreRulesModel::keywordColumn,
             modelOf(dialog).data(modelOf(dialog).index(0, 0), Qt::EditRole).toString());
        edit(dialog, 1, GenreRulesModel::labelColumn, QStringLiteral("z"));
        QCOMPARE(dialog.table(), GenreTable(std::vector<GenreRule>{{"\xff\xfe", "bad \x80"}, {"x", "z"}}));
    }

    // The menu item opens the dialog; OK rebuilds the listing and the table
    // is written at closing.
    void theWindowUsesTheNewTableAtOnceAndKeepsIt()
    {
        test::PosixWindowWorld world;
        world.dir.writeFile("quorrin.ini", "[List]\r\n2=4\r\n");
        auto window = world.open();
        QCOMPARE(QString::fromStdString(window->listingLines()[0]), QStringLiteral("a.txt\t"));
        testing::whenShown<GenreRulesDialog>([](GenreRulesDialog& dialog) {
            click(dialog, "Standard");
            modelOf(dialog).setRules({{"TXT", "文書", true}});
            testing::pressAccept(dialog);
        });
        window->findChild<QAction*>(QStringLiteral("GenreRules"))->trigger();
        QCOMPARE(QString::fromStdString(window->listingLines()[0]), QStringLiteral("a.txt\t文書"));
        QVERIFY(window->close());
        QVERIFY(world.read("quorrin.ini").ends_with("[Genre]\r\nTable=own\r\nRule1=TXT|文書|ext\r\n"));
        auto again = world.open();
        QCOMPARE(QString::fromStdString(again->listingLines()[2]), QStringLiteral("日本.txt\t文書"));
    }
};

QTEST_MAIN(GenreRulesDialogTest)
#include "genre_rules_dialog_test.moc"
