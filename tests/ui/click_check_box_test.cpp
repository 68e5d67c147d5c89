#include "ui/click_check_box.h"

#include <QtTest>

using quorrin::ui::ClickCheckBox;

namespace {

// A box on a shown window that records, for every OnClick, the state the handler reads.
struct Bench {
    QWidget window;
    ClickCheckBox* box = new ClickCheckBox(QStringLiteral("サイズは Ｋバイト単位"), &window);
    QList<bool> clicks;

    explicit Bench(bool checked)
    {
        box->setChecked(checked);
        box->setGeometry(10, 10, 137, 17);
        QObject::connect(box, &ClickCheckBox::OnClick, [this] { clicks << box->isChecked(); });
        window.resize(160, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

} // namespace

class ClickCheckBoxTest : public QObject {
    Q_OBJECT

private slots:
    void settingFromCodeClicksOnlyOnChange_data()
    {
        QTest::addColumn<bool>("start");
        QTest::addColumn<QList<bool>>("settings");
        QTest::addColumn<QList<bool>>("clicks");

        QTest::newRow("unchecked to checked") << false << QList<bool>{true} << QList<bool>{true};
        QTest::newRow("and back again") << false << QList<bool>{true, false} << QList<bool>{true, false};
        QTest::newRow("unchecked kept") << false << QList<bool>{false} << QList<bool>{};
        QTest::newRow("checked kept") << true << QList<bool>{true} << QList<bool>{};
        QTest::newRow("repeated settings click once") << false << QList<bool>{true, true, true} << QList<bool>{true};
    }
    void settingFromCodeClicksOnlyOnChange()
    {
        QFETCH(bool, start);
        QFETCH(QList<bool>, settings);
        QFETCH(QList<bool>, clicks);
        Bench bench(start);

        for (const bool checked : settings) {
            bench.box->setCheckedFromCode(checked);
            QCOMPARE(bench.box->isChecked(), checked);
        }

        QCOMPARE(bench.clicks, clicks);
    }

    void clickAndSpaceToggle()
    {
        Bench bench(false);

        QTest::mouseClick(bench.box, Qt::LeftButton, {}, bench.box->rect().center());
        QCOMPARE(bench.box->checkState(), Qt::Checked);
        QTest::keyClick(bench.box, Qt::Key_Space);
        QCOMPARE(bench.box->checkState(), Qt::Unchecked);
        QTest::mouseClick(bench.box, Qt::LeftButton, {}, bench.box->rect().center());
        QCOMPARE(bench.box->checkState(), Qt::Checked);

        QCOMPARE(bench.clicks, (QList<bool>{true, false, true}));
    }
};

QTEST_MAIN(ClickCheckBoxTest)
#include "click_check_box_test.moc"
