// The online status page driven by operation reports, without a link: what
// the controls show for the reports (the rules themselves are tested on the
// online model) and the notes' way into the document and back.
#include "GuiTestSupport.h"

#include "session/PanelJob.h"
#include "app/Strings.h"
#include "gui/pages/CPageOnline.h"
#include "gui/shell/ShellTexts.h"
#include "gui/widgets/CListZones.h"
#include "gui/widgets/CStaticLed.h"
#include "gui/widgets/CStatusEdit.h"
#include "gui/models/ZoneStatusModel.h"
#include "operations/StatusDecoder.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace qarvo;
using namespace qarvo::gui;
using online::Button;
using operations::toReport;

namespace {

constexpr std::uint8_t kArmed = 0x08;
constexpr std::uint8_t kStay = 0x01;
constexpr std::uint8_t kA = operations::kPartitionA;
constexpr std::uint8_t kB = operations::kPartitionB;
constexpr int kBypassColumn = online::indicatorColumn(online::Indicator::Bypass);

// A page bound to a job that never connects: its session gives the
// default model's zone and PGM counts and holds the document.
struct PageFixture {
    NullSink sink;
    session::PanelJob job{sink, {.timing = testing::fastTiming(), .keepNotices = false}};
    session::PanelSession& session = job.panel();
    CPageOnline page;

    PageFixture()
    {
        page.bind(job);
        page.resize(640, 320);
    }

    void feed(const ReportNotice& report) { page.report(report); }
    void status(std::uint8_t state, bool partitioned, std::uint8_t partition)
    {
        feed(toReport(operations::PartitionStatus{0, state, partitioned, partition}));
    }
    template <class T>
    T* child(const char* name) const
    {
        return page.findChild<T*>(QLatin1String(name));
    }
    QString textOf(const char* name) const { return child<CStatusEdit>(name)->text(); }
    int image(int zone, int column) const
    {
        const ZoneStatusModel& zones = page.zoneList()->zones();
        return zones.data(zones.index(zone, column), ZoneStatusModel::kImageRole).toInt();
    }
};

} // namespace

class OnlinePageTest : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::resetSettings(); }

    void armedAndStayInPartitionedModeShowsPartitionB()
    {
        PageFixture f;
        f.status(kArmed | kStay, true, kA);
        f.page.refreshNow();
        auto* systemLabel = f.child<CStaticLed>("systemLabel");
        QCOMPARE(systemLabel->text(), gui::text(text_id::kPartitionAIs));
        QVERIFY(f.child<CStaticLed>("partitionBLabel")->isVisibleTo(&f.page));
        QVERIFY(f.child<CStatusEdit>("partitionBStatus")->isVisibleTo(&f.page));
        QCOMPARE(f.textOf("systemStatus"), QString("ARMED, STAY "));
        QVERIFY(f.child<CStatusEdit>("systemStatus")->font().bold());
        QVERIFY(systemLabel->aOn());
        QCOMPARE(f.page.button(Button::PartitionA)->text(), gui::text(text_id::kDisarm));

        f.status(0, false, kA);
        f.page.refreshNow();
        QCOMPARE(systemLabel->text(), gui::text(text_id::kSystemIs));
        QVERIFY(!f.child<CStaticLed>("partitionBLabel")->isVisibleTo(&f.page));
        QVERIFY(!f.page.button(Button::PartitionB)->isVisibleTo(&f.page));
        QVERIFY(!systemLabel->aOn());
    }

    void bypassBitOfPartitionBShowsImageFiveAndTheUnbypassCaption()
    {
        PageFixture f;
        constexpr int zone = 2;
        constexpr std::uint8_t inB = 0x41; // partition bits 01: partition B; zone type 1
        f.feed(toReport(operations::ZoneDescriptor{zone, inB, true, true}));
        f.status(0, true, kB); // partition B disarmed: free for bypassing
        f.feed(toReport(operations::ZoneMapReport{report_kind::kZonesBypassed, 0, true, kB}));
        f.page.refreshNow();
        f.page.zoneList()->selectZone(zone);
        QCOMPARE(f.page.button(Button::Bypass)->text(), gui::text(text_id::kBypass));
        QVERIFY(f.page.button(Button::Bypass)->isEnabled());

        f.feed(toReport(operations::ZoneMapReport{report_kind::kZonesBypassed, 1u << zone, true, kB}));
        f.page.refreshNow();
        QCOMPARE(f.image(zone, kBypassColumn), 5);
        QCOMPARE(f.image(zone + 1, kBypassColumn), 0);
        QVERIFY2(f.page.zoneList()->selectedZone() == zone, "the selection stays");
        QCOMPARE(f.page.button(Button::Bypass)->text(), gui::text(text_id::kUnbypass));
        QCOMPARE(f.page.model().requestFor(Button::Bypass), (online::OperationRequest{14, zone}));
    }

    void pgmRowsAndTheirButtonCaptions_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        // Types 0x47 (on), 0x49 (off), 0x30; PGM 1 is on.
        QTest::newRow("retriggerable, on") << 0 << "Start PGM1" << true;
        QTest::newRow("bistable, off") << 1 << "Turn PGM2 on" << true;
        QTest::newRow("not switchable") << 2 << "PGM3 on / off" << false;
    }

    void pgmRowsAndTheirButtonCaptions()
    {
        QFETCH(int, row);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        PageFixture f;
        f.feed(toReport(operations::PgmStatus{3, 0x80, {0x47, 0x49, 0x30}}));
        f.page.refreshNow();
        QCOMPARE(f.page.pgmList()->model()->rowCount(), 3);
        QVERIFY(f.page.pgmList()->model()->index(row, 1).data().toString().startsWith(QLatin1Char(' ')));
        f.page.pgmList()->selectRow(row);
        QCOMPARE(f.page.button(Button::Pgm)->text(), caption);
        QCOMPARE(f.page.button(Button::Pgm)->isEnabled(), enabled);
    }

    void aBurstOfReportsIsShownOnce()
    {
        PageFixture f;
        f.page.refreshNow();
        QSignalSpy refreshed(&f.page, &CPageOnline::refreshed);
        for (int i = 0; i < 40; ++i)
            f.feed(toReport(operations::ZoneMapReport{report_kind::kZonesOpen, std::uint16_t(1u << (i % 16)), false, kA}));
        QVERIFY(refreshed.wait(2000));
        QCOMPARE(refreshed.count(), 1);
        QCOMPARE(f.image(39 % 16, online::indicatorColumn(online::Indicator::ZoneOpen)), 1); // the last report
        QCOMPARE(f.image(0, online::indicatorColumn(online::Indicator::ZoneOpen)), 0);
    }

    void notesRoundTripThroughASavedDocument()
    {
        testing::TestHome home;
        const QString file = home.file("site.rps");
        const QString notes = QStringLiteral("Gate code at the back door\nKey safe: 4711 – ask Jürgen");
        {
            PageFixture f;
            QTest::keyClicks(f.page.findChild<QPlainTextEdit*>("panelNotes"), "x");
            QCOMPARE(f.session.doc.panelNotes(), std::string("x"));
            f.page.findChild<QPlainTextEdit*>("panelNotes")->setPlainText(notes);
            QCOMPARE(QString::fromStdString(f.session.doc.panelNotes()),
                     QString(notes).replace("\n", "\r\n"));
            QCOMPARE(f.session.doc.save(file.toStdString()), std::string());
        }
        PageFixture f;
        auto* edit = f.page.findChild<QPlainTextEdit*>("panelNotes");
        QVERIFY(edit->toPlainText().isEmpty());
        QCOMPARE(f.session.doc.open(file.toStdString()), std::string());
        QVERIFY(!f.session.doc.isModified());
        f.page.showImage();
        QCOMPARE(edit->toPlainText(), notes);
        QVERIFY2(!f.session.doc.isModified(), "showing the notes does not change the document");
    }

    void resetClearsTheStateButKeepsTheNotes()
    {
        PageFixture f;
        f.page.findChild<QPlainTextEdit*>("panelNotes")->setPlainText("kept");
        f.status(kArmed, false, kA);
        f.feed(toReport(operations::PgmStatus{2, 0, {0x49, 0x49}}));
        f.page.refreshNow();
        QVERIFY(f.page.button(Button::PartitionA)->isEnabled());
        f.page.workerEnded();
        f.page.refreshNow();
        QVERIFY(f.textOf("systemStatus").isEmpty());
        QVERIFY(!f.page.button(Button::PartitionA)->isEnabled());
        QCOMPARE(f.page.button(Button::PartitionA)->text(), gui::text(text_id::kArmOrDisarm));
        QCOMPARE(f.page.findChild<QPlainTextEdit*>("panelNotes")->toPlainText(), QString("kept"));
    }
};

QTEST_MAIN(OnlinePageTest)
#include "OnlinePageTest.moc"
