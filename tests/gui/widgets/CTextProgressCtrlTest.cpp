// The progress bar that draws its own text: the per cent with halves
// rounded up, the caption before it, and the switch that draws it or not.
#include "gui/widgets/CTextProgressCtrl.h"

#include <QImage>
#include <QTest>

using qarvo::gui::CTextProgressCtrl;

class CTextProgressCtrlTest : public QObject {
    Q_OBJECT

private slots:
    void percentOfTheRange_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("shown");
        QTest::newRow("33 of 0-100") << 0 << 100 << 33 << "33%";
        QTest::newRow("a half rounds up") << 0 << 8 << 1 << "13%";
        QTest::newRow("below a half rounds down") << 0 << 3 << 1 << "33%";
        QTest::newRow("the end") << 0 << 3 << 3 << "100%";
        QTest::newRow("a range that does not start at 0") << 10 << 20 << 15 << "50%";
    }
    void percentOfTheRange()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, position);
        QFETCH(QString, shown);
        CTextProgressCtrl bar;
        bar.setShowPercent(true);
        bar.setRange(minimum, maximum);
        bar.setValue(position);
        QCOMPARE(bar.text(), shown);
    }

    void theCaptionStandsBeforeThePercent()
    {
        CTextProgressCtrl bar;
        QCOMPARE(bar.maximum(), 100);
        QCOMPARE(bar.value(), 0);
        bar.setCaption("Completed ");
        QCOMPARE(bar.text(), QString("Completed "));
        bar.setShowPercent(true);
        bar.setValue(42);
        QCOMPARE(bar.text(), QString("Completed 42%"));
    }

    void theSwitchDecidesWhetherTheTextIsDrawn()
    {
        CTextProgressCtrl bar;
        bar.resize(200, 24);
        bar.setCaption("WWWWWWWW");
        bar.setValue(0);
        QVERIFY(!bar.textDrawn());
        const QImage without = bar.grab().toImage();
        bar.setTextDrawn(true);
        QVERIFY(bar.textDrawn());
        const QImage with = bar.grab().toImage();
        QVERIFY2(with != without, "the text changes what the bar shows");
        bar.setTextDrawn(false);
        QCOMPARE(bar.grab().toImage(), without);
    }
};

QTEST_MAIN(CTextProgressCtrlTest)
#include "CTextProgressCtrlTest.moc"
