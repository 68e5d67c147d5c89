#include "ui/dialog_placement.h"
#include "ui/fitted_columns.h"
#include "ui/folder_picker_port.h"
#include "ui/save_dialog_port.h"

#include "dialog_driver.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

using quorrin::persist::SaveDialogRequest;
using quorrin::testing::pressAccept;
using quorrin::testing::whenShown;
using quorrin::ui::QtSaveDialogPort;

namespace {

const QStringList kTypes{QStringLiteral("テキストファイル(*.txt)"), QStringLiteral("すべてのファイル (*)")};

std::string bytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QLineEdit& nameField(QFileDialog& dialog)
{
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (field == nullptr)
        qFatal("the file dialog has no name field");
    return *field;
}

} // namespace

class SaveDialogPortTest : public QObject {
    Q_OBJECT

private slots:
    // Qt's shared settings of this test live below its own test folder.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        QVERIFY(folder.isValid());
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("sub")));
        owner.resize(200, 100);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
    }

    void placedCentredAtTheUpperThirdOfTheFreeArea_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("dialog");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("odd remainders truncate") << QRect(0, 0, 1025, 770) << QSize(424, 318) << QPoint(300, 150);
        QTest::newRow("second monitor with a task bar")
            << QRect(1920, 40, 1280, 984) << QSize(600, 420) << QPoint(2260, 228);
        QTest::newRow("taller than the screen") << QRect(0, 0, 800, 600) << QSize(900, 660) << QPoint(-50, -20);
    }
    void placedCentredAtTheUpperThirdOfTheFreeArea()
    {
        QFETCH(QRect, area);
        QFETCH(QSize, dialog);
        QFETCH(QPoint, topLeft);
        QCOMPARE(quorrin::ui::upperThirdCentre(area, dialog), topLeft);
    }

    void firstUseStartsInTheFolderWithTextFilesAndAddsTheSuffix()
    {
        const QString sub = folder.filePath(QStringLiteral("sub"));
        bool seen = false;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("テキストファイルへ保存"));
            QCOMPARE(dialog.nameFilters(), kTypes);
            QCOMPARE(dialog.defaultSuffix(), QStringLiteral("txt"));
            QCOMPARE(dialog.directory().absolutePath(), sub);
            QCOMPARE(nameField(dialog).text(), QString());
            QCOMPARE(dialog.selectedNameFilter(), kTypes[0]);
            QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
            QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
            QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
            QVERIFY(dialog.minimumSize() == dialog.maximumSize() && dialog.size() == dialog.minimumSize());
            // The frame is not known before the dialog shows, so the dialog's
            // own size places it, the frame's few pixels aside.
            QCOMPARE(dialog.pos(), quorrin::ui::upperThirdCentre(dialog.screen()->availableGeometry(), dialog.size()));
            seen = true;
            nameField(dialog).setText(QStringLiteral("一覧"));
            pressAccept(dialog);
        });
        const auto answer = QtSaveDialogPort(false).run(&owner, SaveDialogRequest{bytes(sub), "", 0});

        QVERIFY(seen);
        QVERIFY(answer.has_value());
        QCOMPARE(QString::fromStdString(answer->path), sub + QStringLiteral("/一覧.txt"));
        QCOMPARE(answer->typeIndex, 0);
    }

    void aLaterUseOffersTheLastNameAndTypeInTheirFolder()
    {
        const QString last = folder.filePath(QStringLiteral("sub/一覧.dat"));
        bool seen = false;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            QCOMPARE(dialog.directory().absolutePath(), folder.filePath(QStringLiteral("sub")));
            QCOMPARE(nameField(dialog).text(), QStringLiteral("一覧.dat"));
            QCOMPARE(dialog.selectedNameFilter(), kTypes[1]);
            seen = true;
            pressAccept(dialog);
        });
        const auto answer =
            QtSaveDialogPort(false).run(&owner, SaveDialogRequest{bytes(folder.path()), bytes(last), 1});

        QVERIFY(seen);
        QVERIFY(answer.has_value());
        QCOMPARE(QString::fromStdString(answer->path), last);
        QCOMPARE(answer->typeIndex, 1);
    }

    void cancellingGivesNothing()
    {
        whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
        QVERIFY(!QtSaveDialogPort(false).run(&owner, SaveDialogRequest{bytes(folder.path()), "", 0}).has_value());
    }

    // Declining the replacement returns to the dialog; only a confirmed one
    // comes back as the answer.
    void anExistingFileIsAcceptedOnlyAfterTheUserConfirmsTheReplacement()
    {
        const QString existing = folder.filePath(QStringLiteral("list.txt"));
        QVERIFY(QFile(existing).open(QIODevice::WriteOnly));

        int questions = 0;
        bool stillOpenAfterNo = false;
        auto answerQuestion = [&questions](QMessageBox::StandardButton button) {
            whenShown<QMessageBox>([&questions, button](QMessageBox& box) {
                ++questions;
                box.button(button)->click();
            });
        };
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            answerQuestion(QMessageBox::No);
            pressAccept(dialog);
            stillOpenAfterNo = dialog.isVisible();
            answerQuestion(QMessageBox::Yes);
            pressAccept(dialog);
        });
        const auto answer = QtSaveDialogPort(false).run(&owner, SaveDialogRequest{"", bytes(existing), 0});

        QCOMPARE(questions, 2);
        QVERIFY(stillOpenAfterNo);
        QVERIFY(answer.has_value());
        QCOMPARE(QString::fromStdString(answer->path), existing);
    }

    // Name first; the others as wide as they need while the name stays the
    // widest, cut down evenly from the top where it would not.
    void theColumnsFillTheViewWithTheNameWidest_data()
    {
        QTest::addColumn<int>("available");
        QTest::addColumn<QList<int>>("needs");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("room for all") << 506 << QList<int>{54, 150, 102} << QList<int>{200, 54, 150, 102};
        QTest::newRow("crowded") << 300 << QList<int>{54, 150, 102} << QList<int>{82, 54, 82, 82};
        QTest::newRow("name only") << 100 << QList<int>{} << QList<int>{100};
    }
    void theColumnsFillTheViewWithTheNameWidest()
    {
        QFETCH(int, available);
        QFETCH(QList<int>, needs);
        QTEST(quorrin::ui::fittedColumnWidths(available, needs), "widths");
    }

    // In the dialog itself: sizes, types and dates whole, the view filled.
    void theDialogsColumnsShowTheirTexts()
    {
        QFile file(folder.filePath(QStringLiteral("sub/一覧.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("some text\n") > 0);
        file.close();
        bool seen = false;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
            QVERIFY(view != nullptr);
            QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 1);
            QHeaderView& header = *view->header();
            int total = 0;
            for (int column = 0; column < header.count(); ++column) {
                total += header.sectionSize(column);
                QVERIFY(header.sectionSize(0) >= header.sectionSize(column));
                if (column > 0)
                    QVERIFY(header.sectionSize(column) >=
                            static_cast<QAbstractItemView*>(view)->sizeHintForColumn(column));
            }
            QCOMPARE(total, view->viewport()->width());
            seen = true;
            dialog.reject();
        });
        QtSaveDialogPort(false).run(&owner, SaveDialogRequest{bytes(folder.filePath(QStringLiteral("sub"))), "", 0});
        QVERIFY(seen);
    }

    // Another Qt program left its last folder and history in the settings
    // file every Qt program shares: the dialogs neither start from it nor
    // change it.
    void theDialogsKeepOutOfTheSharedQtSettings_data()
    {
        QTest::addColumn<bool>("picker");
        QTest::newRow("save dialog") << false;
        QTest::newRow("folder picker") << true;
    }
    void theDialogsKeepOutOfTheSharedQtSettings()
    {
        QFETCH(bool, picker);
        const QString shared =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/QtProject.conf");
        const QString elsewhere = folder.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(elsewhere) && QDir().mkpath(QFileInfo(shared).path()));
        const QByteArray state = "[FileDialog]\nhistory=file://" + QFile::encodeName(elsewhere) +
                                 "\nlastVisited=file://" + QFile::encodeName(elsewhere) + "\nviewMode=Detail\n";
        {
            QFile file(shared);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(state);
        }
        const QString start = folder.filePath(QStringLiteral("sub"));
        QStringList history;
        QString opened;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            history = dialog.history();
            opened = dialog.directory().absolutePath();
            pressAccept(dialog);
        });
        if (picker)
            QVERIFY(quorrin::ui::QtFolderPickerPort(false).pick(&owner, bytes(start)).has_value());
        else
            QVERIFY(QtSaveDialogPort(false).run(&owner, SaveDialogRequest{bytes(start), bytes(start + "/a.txt"), 0}));

        QCOMPARE(opened, start);
        QVERIFY2(!history.join(' ').contains(QStringLiteral("elsewhere")), qPrintable(history.join(' ')));
        QFile file(shared);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), state);
        file.remove();
    }

private:
    QTemporaryDir folder;
    QWidget owner;
};

QTEST_MAIN(SaveDialogPortTest)
#include "save_dialog_port_test.moc"
