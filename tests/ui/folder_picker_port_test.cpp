#include "ui/folder_picker_port.h"

#include "dialog_driver.h"

#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QtTest>

using quorrin::testing::pressAccept;
using quorrin::testing::whenShown;
using quorrin::ui::QtFolderPickerPort;

namespace {

std::string bytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString statusLine(QFileDialog& dialog)
{
    auto* status = dialog.findChild<QLabel*>(QStringLiteral("statusLine"));
    return status != nullptr ? status->text() : QStringLiteral("(no status line)");
}

} // namespace

class FolderPickerPortTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(folder.isValid());
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("日本/下位")));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("elsewhere")));
        owner.resize(200, 100);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
    }

    // The dialog starts on the given folder; as the user selects a subfolder, then opens it,
    // the status line names each, and confirming returns the folder the user is in.
    void theStatusLineFollowsTheUserAndTheFolderShownIsReturned_data()
    {
        QTest::addColumn<QString>("startSuffix");
        QTest::addColumn<bool>("descend");
        QTest::newRow("confirmed at once") << "" << false;
        QTest::newRow("moved down first") << "/" << true;
    }
    void theStatusLineFollowsTheUserAndTheFolderShownIsReturned()
    {
        QFETCH(QString, startSuffix);
        QFETCH(bool, descend);
        const QString start = folder.filePath(QStringLiteral("日本"));
        const QString deeper = folder.filePath(QStringLiteral("日本/下位"));
        bool seen = false;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("フォルダを選択してください。"));
            QCOMPARE(dialog.directory().absolutePath(), start);
            QCOMPARE(statusLine(dialog), start);
            QCOMPARE(dialog.fileMode(), QFileDialog::Directory);
            QVERIFY(dialog.testOption(QFileDialog::ShowDirsOnly));
            if (descend) {
                auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
                QVERIFY(view != nullptr);
                QModelIndex item;
                QTRY_VERIFY((item = view->model()->index(0, 0, view->rootIndex())).isValid());
                QCOMPARE(item.data().toString(), QStringLiteral("下位"));
                view->setCurrentIndex(item);
                QCOMPARE(statusLine(dialog), deeper);
                QTest::keyClick(view, Qt::Key_Return);
                QTRY_COMPARE(dialog.directory().absolutePath(), deeper);
                QCOMPARE(statusLine(dialog), deeper);
            }
            seen = true;
            pressAccept(dialog);
        });
        const auto chosen = QtFolderPickerPort(false).pick(&owner, bytes(start + startSuffix));

        QVERIFY(seen);
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen), descend ? deeper : start);
    }

    // Without a usable start the dialog opens where Qt opens it by default
    // (the folder visited last in this run, else the current one); it never
    // tries the start itself.
    void anEmptyOrMissingStartLeavesTheDefault_data()
    {
        QTest::addColumn<QString>("start");
        QTest::newRow("empty") << QString();
        QTest::newRow("missing") << QStringLiteral("gone/away");
        QTest::newRow("a file") << QStringLiteral("plain.txt");
    }

    void anEmptyOrMissingStartLeavesTheDefault()
    {
        QFETCH(QString, start);
        QVERIFY(QFile(folder.filePath(QStringLiteral("plain.txt"))).open(QIODevice::WriteOnly));
        QString directory;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            directory = dialog.directory().absolutePath();
            dialog.reject();
        });
        const auto chosen =
            QtFolderPickerPort(false).pick(&owner, start.isEmpty() ? std::string() : bytes(folder.filePath(start)));

        QVERIFY(QFileInfo(directory).isDir());
        QVERIFY(directory != folder.filePath(start));
        QVERIFY(!chosen.has_value());
    }

private:
    QTemporaryDir folder;
    QWidget owner;
};

QTEST_MAIN(FolderPickerPortTest)
#include "folder_picker_port_test.moc"
