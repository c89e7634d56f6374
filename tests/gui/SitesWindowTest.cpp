// The site book's window over a real book in the test's folder: the filter,
// Connect handing over the site's connection with its stored password, a
// site's history comparing two backups by setting name, and a backup of the
// selected sites over a simulated fleet.
#include "WidgetTest.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "fleet/SiteRecord.h"
#include "gui/dialogs/CSiteHistoryDlg.h"
#include "gui/dialogs/CSitesDlg.h"
#include "gui/models/SitesTableModel.h"
#include "panel/CUploadDoc.h"
#include "panel/SettingCatalogue.h"
#include "session/JobResult.h"
#include "sites/SitePasswords.h"
#include "sim/FleetSiteList.h"
#include "support/Timing.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(qarvo::sites::SiteConnection)

using namespace qarvo;
using namespace qarvo::gui;

class SitesWindowTest : public testing::WidgetTest {
    Q_OBJECT

    std::unique_ptr<sites::SiteBook> book;

    sites::Site addSite(const std::string& name, std::uint16_t port, const std::string& password)
    {
        sites::Site site;
        site.name = name;
        site.address = "127.0.0.1";
        site.port = port;
        site.tags = {"north"};
        [&] { QCOMPARE(QString::fromStdString(book->addSite(site)), QString()); }();
        [&] { QCOMPARE(QString::fromStdString(sites::placePassword(*book, site, password)), QString()); }();
        [&] { QCOMPARE(QString::fromStdString(book->updateSite(site)), QString()); }();
        return site;
    }

    // A backup of a default document whose entry delay is the one given.
    void addBackup(const sites::Site& site, std::uint8_t entryDelay)
    {
        panel::CUploadDoc doc("Current log");
        doc.bytes(panel::Setting::Entry1Delay)[0] = entryDelay;
        const auto file = home().file(QStringLiteral("backup.rps")).toStdString();
        QVERIFY(doc.save(file).empty());
        std::string digest, why;
        QCOMPARE(QString::fromStdString(book->keepDocument(file, digest)), QString());
        const auto run = book->startRun(site.id, "backup", why);
        QVERIFY(run);
        sites::BackupEntry backup;
        backup.siteId = site.id;
        backup.outcome = "ok";
        backup.document = digest;
        QCOMPARE(QString::fromStdString(book->finishRun(*run, "ok", "", backup)), QString());
    }

    void addFleetSite(const sim::FleetSite& simulated)
    {
        sites::Site site = sim::bookSite(simulated);
        QCOMPARE(QString::fromStdString(book->addSite(site)), QString());
        QCOMPARE(QString::fromStdString(sites::placePassword(*book, site, simulated.password)), QString());
        QCOMPARE(QString::fromStdString(book->updateSite(site)), QString());
    }

    // The progress the window shows for the site of that name.
    static QString progressOf(const CSitesDlg& window, const std::string& name)
    {
        const QAbstractItemModel& view = *window.table()->model();
        for (int row = 0; row < view.rowCount(); ++row)
            if (view.index(row, SitesTableModel::Name).data().toString() == QString::fromStdString(name))
                return view.index(row, SitesTableModel::Progress).data().toString();
        return {};
    }

    void initTest() override
    {
        std::string why;
        book = sites::SiteBook::open(home().file(QStringLiteral("sites.db")).toStdString(), why);
        QVERIFY2(book, why.c_str());
    }

    void cleanupTest() override { book.reset(); }

private slots:
    void filterNarrowsAndConnectHandsOverTheSitesConnection()
    {
        addSite("alpha", 6001, "111111");
        addSite("bravo", 6002, "222222");
        CSitesDlg window(*book, link::ConnectionSettings{});
        QCOMPARE(window.table()->model()->rowCount(), 2);
        QTest::keyClicks(window.filter(), QStringLiteral("BRA"));
        QCOMPARE(window.table()->model()->rowCount(), 1);
        window.table()->setCurrentIndex(window.table()->model()->index(0, 0));
        QSignalSpy connectSpy(&window, &CSitesDlg::connectRequested);
        window.connectSite();
        QCOMPARE(connectSpy.count(), 1);
        const auto connection = connectSpy.first().first().value<sites::SiteConnection>();
        QCOMPARE(connection.settings.communicatorPort, std::uint16_t(6002));
        QCOMPARE(QString::fromStdString(connection.settings.password), QStringLiteral("222222"));
        QCOMPARE(connection.settings.communicatorAddress, 0x7F000001u);
    }

    void historyComparesTwoBackupsBySettingName()
    {
        const sites::Site site = addSite("alpha", 6001, "111111");
        addBackup(site, 30);
        addBackup(site, 45);
        CSiteHistoryDlg history(*book, site);
        QCOMPARE(history.backupsTable()->rowCount(), 2);
        QList<QStringList> rows;
        prompter().answer([&](QDialog& dialog) {
            if (const auto* changes = dialog.findChild<QTableWidget*>(QStringLiteral("changes")))
                for (int r = 0; r < changes->rowCount(); ++r)
                    rows << QStringList{changes->item(r, 0)->text(), changes->item(r, 2)->text(),
                                        changes->item(r, 3)->text()};
            return int(QDialog::Rejected);
        });
        history.compare(1, 0);
        const QString name = QString::fromUtf8(panel::settingInfo(panel::Setting::Entry1Delay).name.data(), qsizetype(panel::settingInfo(panel::Setting::Entry1Delay).name.size()));
        QCOMPARE(rows, (QList<QStringList>{{name, QStringLiteral("030"), QStringLiteral("045")}}));
    }

    void backUpRunsEachSelectedSiteAndShowsItsOutcome()
    {
        sim::FleetSetup setup;
        setup.sites = 2;
        setup.mix = *sim::parseProfileMix("healthy=1,wrong-password=1");
        setup.eventEvery = std::chrono::milliseconds(0);
        sim::SimFleet fleet(setup);
        QVERIFY2(fleet.start(), fleet.error().c_str());
        for (const sim::FleetSite& site : fleet.sites())
            addFleetSite(site);
        CSitesDlg window(*book, link::ConnectionSettings{});
        window.setRunSettings({.jobs = 2, .retries = 0}, testing::answeredTiming());
        window.table()->selectAll();
        QSignalSpy ended(&window, &CSitesDlg::runFinished);
        window.backUpSites();
        QVERIFY(window.running());
        QVERIFY(ended.wait(120000));
        struct Expected {
            sim::SiteProfile profile;
            int exitStatus;
            QString shown;
        };
        const Expected table[] = {
            {sim::SiteProfile::Healthy, session::exit_status::kSuccess, strings::text(text_id::kSiteDone)},
            {sim::SiteProfile::WrongPassword, session::exit_status::kRefused,
             strings::formatTexts(text_id::kSiteRunRefused, {QString()})},
        };
        for (const sim::FleetSite& site : fleet.sites()) {
            const Expected& expected = *std::ranges::find(table, site.profile, &Expected::profile);
            QVERIFY2(progressOf(window, site.name).startsWith(expected.shown), qPrintable(progressOf(window, site.name)));
            const auto runs = book->runs(book->findSite(site.name)->id);
            QCOMPARE(runs.size(), std::size_t(1));
            QCOMPARE(runs.front().kind, std::string("backup"));
            QCOMPARE(runs.front().outcome, fleet::runOutcomeOf(expected.exitStatus));
        }
    }

    void aRunWithNoSiteSelectedSaysSo()
    {
        addSite("alpha", 6001, "111111");
        CSitesDlg window(*book, link::ConnectionSettings{});
        window.table()->clearSelection();
        window.backUpSites();
        QVERIFY(!window.running());
        QVERIFY(prompter().shown(text_id::kSiteNoneSelected));
    }
};

QTEST_MAIN(SitesWindowTest)
#include "SitesWindowTest.moc"
