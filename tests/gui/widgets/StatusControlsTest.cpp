// The LED label's choice among the nine status images, and the images
// themselves: drawn sharp at both pixel ratios and each one different.
#include "gui/widgets/CStaticLed.h"
#include "gui/widgets/StatusImages.h"

#include <QImage>
#include <QTest>

#include <set>

using namespace qarvo::gui;

class StatusControlsTest : public QObject {
    Q_OBJECT

private slots:
    void ledImage_data()
    {
        QTest::addColumn<bool>("a");
        QTest::addColumn<bool>("b");
        QTest::addColumn<bool>("dual");
        QTest::addColumn<bool>("alarm");
        QTest::addColumn<int>("image");
        QTest::newRow("single off") << false << true << false << false << 0;
        QTest::newRow("single on") << true << false << false << false << 1;
        QTest::newRow("single on, alarm") << true << false << false << true << 2;
        QTest::newRow("dual, none") << false << false << true << true << 0;
        QTest::newRow("dual, A") << true << false << true << false << 3;
        QTest::newRow("dual, B") << false << true << true << false << 5;
        QTest::newRow("dual, both") << true << true << true << false << 4;
        QTest::newRow("dual, A, alarm") << true << false << true << true << 6;
        QTest::newRow("dual, both, alarm") << true << true << true << true << 7;
        QTest::newRow("dual, B, alarm") << false << true << true << true << 8;
    }

    void ledImage()
    {
        QFETCH(bool, a);
        QFETCH(bool, b);
        QFETCH(bool, dual);
        QFETCH(bool, alarm);
        QFETCH(int, image);
        CStaticLed led;
        led.setOn(a, b);
        led.setDual(dual);
        led.setAlarm(alarm);
        QCOMPARE(led.image(), image);
        const ImageLook look = imageLook(image);
        QCOMPARE(look.dual, dual && image != 0);
        led.reset();
        QCOMPARE(led.image(), 0);
        QVERIFY(!led.dual());
    }

    void imagesAreDrawnAtThePixelRatioAndDiffer()
    {
        for (const qreal ratio : {1.0, 2.0}) {
            std::set<QByteArray> seen;
            for (int image = 0; image < kStatusImageCount; ++image) {
                const QPixmap pixmap = statusImage(Glyph::Bypass, image, ratio);
                QCOMPARE(pixmap.size(), kStatusImageSize * ratio);
                QCOMPARE(pixmap.devicePixelRatio(), ratio);
                const QImage pixels = pixmap.toImage();
                seen.insert(QByteArray(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes()));
            }
            QCOMPARE(int(seen.size()), kStatusImageCount);
        }
        QVERIFY(statusImage(Glyph::Lamp, kStatusImageCount).isNull());
        // The indicators differ by shape, not only colour: their active
        // images cover different pixels.
        const auto coverage = [](Glyph g) {
            const QImage i = statusImage(g, 1).toImage();
            QByteArray mask;
            for (int y = 0; y < i.height(); ++y)
                for (int x = 0; x < i.width(); ++x)
                    mask.append(qAlpha(i.pixel(x, y)) > 128 ? '1' : '0');
            return mask;
        };
        std::set<QByteArray> shapes;
        for (Glyph g : {Glyph::ZoneOpen, Glyph::TamperOpen, Glyph::Burglary, Glyph::TamperAlarm, Glyph::Bypass,
                        Glyph::Stay})
            shapes.insert(coverage(g));
        QCOMPARE(int(shapes.size()), 6);
    }
};

QTEST_MAIN(StatusControlsTest)
#include "StatusControlsTest.moc"
