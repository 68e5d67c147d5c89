#include "ui/main_window.h"

#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void captionNamesTheProgram()
    {
        quorrin::ui::TForm1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorrin Jr"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
