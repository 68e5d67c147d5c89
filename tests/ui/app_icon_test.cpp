#include "ui/app_icon.h"

#include <QtTest>

using namespace quorrin::ui;

namespace {

// The square the icon's solid pixels cover.
QRect solidArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                area |= QRect(x, y, 1, 1);
    return area;
}

// The colour at the centre of one square of the 32 x 32 design grid.
QRgb atGrid(const QImage& image, int x, int y)
{
    const qreal scale = image.width() / 32.0;
    return image.pixel(int((x + 0.5) * scale), int((y + 0.5) * scale));
}

} // namespace

class AppIconTest : public QObject {
    Q_OBJECT

private slots:
    // Every size shows the 32 px design: the same outline, scaled, and the
    // same colours in the same places.
    void everySizeIsTheDesignScaled_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : applicationIconSizes)
            QTest::addRow("%d px", size) << size;
    }

    void everySizeIsTheDesignScaled()
    {
        QFETCH(int, size);
        const QImage image = applicationIconPixmap(size).toImage();
        QCOMPARE(image.size(), QSize(size, size));

        // Disc from (5, 1) to (27, 23), sheet down to its shadow at 30.
        const qreal scale = size / 32.0;
        const QRect designed(QPoint(qRound(5 * scale), qRound(1 * scale)),
                             QPoint(qRound(28 * scale) - 1, qRound(31 * scale) - 1));
        const QRect drawn = solidArea(image);
        const int slack = qMax(1, qRound(scale / 2));
        for (const auto& [got, want] : {std::pair{drawn.left(), designed.left()},
                                        {drawn.top(), designed.top()},
                                        {drawn.right(), designed.right()},
                                        {drawn.bottom(), designed.bottom()}})
            QVERIFY2(qAbs(got - want) <= slack, qPrintable(QStringLiteral("drawn %1,%2 %3x%4")
                                                               .arg(drawn.x())
                                                               .arg(drawn.y())
                                                               .arg(drawn.width())
                                                               .arg(drawn.height())));

        if (size < 32)
            return;                                              // too small for single design pixels to survive
        QCOMPARE(atGrid(image, 16, 20), qRgb(0xFF, 0xFF, 0xFF)); // the sheet
        QCOMPARE(atGrid(image, 8, 8), qRgb(0xC0, 0xC0, 0xC0));   // the disc
        QCOMPARE(atGrid(image, 21, 16), qRgb(0xC0, 0xC0, 0xC0)); // the folded corner
        QCOMPARE(atGrid(image, 25, 25), qRgb(0x80, 0x80, 0x80)); // the sheet's shadow
        QCOMPARE(atGrid(image, 11, 16), qRgb(0x00, 0x00, 0x00)); // a listed line
        QCOMPARE(qAlpha(atGrid(image, 1, 1)), 0);                // the corner
    }

    // On a dense screen the icon has the screen's pixels, not an enlarged
    // 32 px picture.
    void aDenseScreenGetsMorePixels()
    {
        const QPixmap pixmap = applicationIconPixmap(32, 2.0);
        QCOMPARE(pixmap.size(), QSize(64, 64));
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(32, 32));
        QImage dense = pixmap.toImage();
        dense.setDevicePixelRatio(1.0);
        QCOMPARE(dense, applicationIconPixmap(64).toImage());
    }
};

QTEST_MAIN(AppIconTest)
#include "app_icon_test.moc"
