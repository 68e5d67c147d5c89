#include "ui/clipboard_port.h"

#include "platform/errors.h"
#include "platform/native.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QtTest>

using quorrin::ui::QtClipboardPort;

class ClipboardPortTest : public QObject {
    Q_OBJECT

private slots:
    void theTextReplacesEverythingTheClipboardHeld_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("three lines") << QByteArray("a\r\nb\tc\r\n\r\n") << QStringLiteral("a\r\nb\tc\r\n\r\n");
        QTest::newRow("japanese") << QByteArray("日本語の名前.txt\r\n") << QStringLiteral("日本語の名前.txt\r\n");
        QTest::newRow("empty") << QByteArray() << QString();
    }

    void theTextReplacesEverythingTheClipboardHeld()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        auto* held = new QMimeData;
        held->setHtml(QStringLiteral("<b>old</b>"));
        held->setData(QStringLiteral("application/x-old"), "old");
        QGuiApplication::clipboard()->setMimeData(held);

        QtClipboardPort(*rules).putText(bytes.toStdString());

        const QMimeData* now = QGuiApplication::clipboard()->mimeData();
        QVERIFY(now != nullptr);
        QCOMPARE(now->text(), text);
        QVERIFY(!now->hasHtml());
        QVERIFY(!now->hasFormat(QStringLiteral("application/x-old")));
    }

    void noClipboardToTakeIsReportedAndTheOldTextStays()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        std::string message;
        try {
            QtClipboardPort(*rules, [] { return static_cast<QClipboard*>(nullptr); }).putText("after\r\n");
        } catch (const quorrin::Error& e) {
            message = e.what();
        }
        QCOMPARE(QString::fromStdString(message), QStringLiteral("クリップボードを開くことができません"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    }

private:
    std::unique_ptr<quorrin::text::TextRules> rules = quorrin::platform::makeNativeTextRules();
};

QTEST_MAIN(ClipboardPortTest)
#include "clipboard_port_test.moc"
