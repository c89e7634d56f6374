// Renders the pictures the README shows: the main window of a demo run,
// connected to the embedded simulator, and the about box.
//   qarvoip-screenshot MAIN.png [ABOUT.png]
// With --pages, the five pages, the digital communicator dialog, the
// firmware update dialog, the Sites window (also after a status run over
// simulated sites) and the event log's print preview as the demo
// fills them (pages, events and communicator options read first), at the
// window's default size and at a large one, for looking the layouts over
// (in the language the settings choose):
//   qarvoip-screenshot --pages DIR
// --language CODE (first) runs in that language pack's language.
// Runs on any Qt platform (offscreen for the README, xcb under Xvfb).
#include "gui/dialogs/CAboutDlg.h"
#include "gui/shell/CMainFrame.h"
#include "gui/pages/CPageInst.h"
#include "gui/dialogs/CReportDlg.h"
#include "gui/dialogs/CSiteHistoryDlg.h"
#include "gui/dialogs/CSitesDlg.h"
#include "sim/FleetSiteList.h"
#include "sim/SimFleet.h"
#include "sites/SitePasswords.h"
#include "app/Strings.h"
#include "app/UserSettings.h"
#include "panel/PanelModels.h"
#include "gui/shell/CUploadApp.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/ProgramTexts.h"
#include "gui/shell/ShellTexts.h"
#include "gui/shell/StatusPanes.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QEventLoop>
#include <QPixmap>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <iostream>
#include <tuple>
#include <vector>

namespace {

constexpr int kConnectTimeoutMs = 15000;

// Runs the event loop until the condition holds or the time is up.
template <class Condition>
bool waitFor(Condition condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer poll;
    poll.callOnTimeout([&] {
        if (condition() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(20);
    loop.exec();
    return condition();
}

bool save(QWidget& window, const QString& file)
{
    window.raise();
    QCoreApplication::processEvents();
    if (window.grab().save(file))
        return true;
    std::cerr << "cannot write " << file.toStdString() << std::endl;
    return false;
}

using qarvo::gui::Act;
using qarvo::gui::CMainFrame;

// Answers every question with its default and pictures each modal dialog
// (the firmware update, the print preview) as file() names it, at the
// dialog's own size and at sizes() after it; the dialogs end rejected.
class PicturePrompter : public qarvo::gui::WidgetPrompter {
public:
    std::function<QString(QDialog&, QSize)> file;
    std::vector<QSize> sizes;
    bool ok = true;

    QMessageBox::StandardButton message(QWidget*, qarvo::gui::MessageKind, const QString& text,
                                        QMessageBox::StandardButtons) override
    {
        std::cerr << "message: " << text.toStdString() << std::endl;
        return QMessageBox::Ok;
    }
    int exec(QDialog& dialog) override
    {
        dialog.show();
        qarvo::gui::fitOnScreen(dialog);
        std::vector<QSize> all{dialog.size()};
        all.insert(all.end(), sizes.begin(), sizes.end());
        for (const QSize size : all) {
            dialog.resize(size);
            waitFor([] { return false; }, 300); // the layout settles
            if (file)
                ok = save(dialog, file(dialog, size)) && ok;
        }
        return QDialog::Rejected;
    }
};

// A book of ten sites in the run's folder, one with three backups of a new
// document (the entry delay changed between them) and their runs.
std::unique_ptr<qarvo::sites::SiteBook> demoBook(const QDir& folder)
{
    std::string why;
    auto book = qarvo::sites::SiteBook::open(folder.filePath(QStringLiteral("sites.db")).toStdString(), why);
    if (!book)
        return nullptr;
    const char* names[] = {"bakery",  "depot",     "garage", "library", "north-office",
                           "pharmacy", "riverside", "school", "shop",    "warehouse"};
    std::uint16_t port = 51069;
    for (const char* name : names) {
        qarvo::sites::Site site;
        site.name = name;
        site.address = "127.0.0.1";
        site.port = port++;
        site.tags = {port % 2 ? "north" : "south"};
        book->addSite(site);
    }
    const auto shop = book->findSite("shop");
    const std::string model =
        qarvo::strings::utf8(qarvo::panel::modelTextId(qarvo::panel::kDefaultTypeCode));
    book->setModel(shop->id, model);
    qarvo::panel::CUploadDoc doc("Current log");
    for (std::uint8_t delay : {30, 45, 60}) {
        doc.bytes(qarvo::panel::Setting::Entry1Delay)[0] = delay;
        const auto file = folder.filePath(QStringLiteral("backup.rps")).toStdString();
        std::string digest;
        if (!doc.save(file).empty() ||
            !book->keepDocument(file, digest).empty())
            return nullptr;
        const auto run = book->startRun(shop->id, "backup", why);
        qarvo::sites::BackupEntry backup;
        backup.siteId = shop->id;
        backup.takenAt = qarvo::sites::bookTime();
        backup.model = model;
        backup.outcome = "ok";
        backup.document = digest;
        backup.changed = delay == 30 ? "" : "delay.entry-1";
        book->finishRun(*run, qarvo::sites::kRunOk, "", backup);
    }
    return book;
}

// Points the book's site of that name at the simulated site (its port,
// account, identity codes and password); false when the book refused.
bool pointAt(qarvo::sites::SiteBook& book, const std::string& name, const qarvo::sim::FleetSite& simulated)
{
    auto site = book.findSite(name);
    if (!site)
        return false;
    const qarvo::sites::Site reached = qarvo::sim::bookSite(simulated);
    site->port = reached.port;
    site->callback = reached.callback;
    site->account = reached.account;
    site->panelId = reached.panelId;
    site->pcId = reached.pcId;
    return book.updateSite(*site).empty() && qarvo::sites::placePassword(book, *site, simulated.password).empty() &&
           book.updateSite(*site).empty();
}

// A status run over three sites: one that answers, one whose communicator
// takes another password, one where nothing answers; true once it ended.
bool runStatus(qarvo::gui::CSitesDlg& window, qarvo::sites::SiteBook& book)
{
    qarvo::sim::FleetSetup setup;
    setup.sites = 2;
    setup.mix = *qarvo::sim::parseProfileMix("healthy=1,wrong-password=1");
    setup.eventEvery = std::chrono::milliseconds(0);
    qarvo::sim::SimFleet fleet(setup);
    const std::string names[] = {"bakery", "depot"};
    if (!fleet.start() || !pointAt(book, names[0], fleet.sites()[0]) || !pointAt(book, names[1], fleet.sites()[1]))
        return false;
    window.reload();
    QTableView& table = *window.table();
    for (int row = 0; row < table.model()->rowCount(); ++row)
        if (row < 3) // bakery, depot, garage in name order
            table.selectionModel()->select(table.model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    qarvo::Timing timing;
    timing.controlReply = std::chrono::milliseconds(1000); // the silent site fails soon
    window.setRunSettings({.retries = 0}, timing);
    window.statusOfSites();
    return waitFor([&] { return !window.running(); }, 4 * kConnectTimeoutMs);
}

// DIR/sites-WxH.png, after a status run DIR/sites-run-WxH.png at the
// default size and maximised, and DIR/site-history-WxH.png.
bool saveSites(CMainFrame& frame, const QDir& dir)
{
    QTemporaryDir folder;
    auto book = demoBook(QDir(folder.path()));
    if (!book)
        return false;
    const QString name = QStringLiteral("%1-%2x%3.png");
    qarvo::gui::CSitesDlg sites(*book, frame.session().link.settings, &frame);
    sites.show();
    waitFor([] { return false; }, 200);
    bool ok = save(sites, dir.filePath(name.arg(QStringLiteral("sites")).arg(sites.width()).arg(sites.height())));
    if (!runStatus(sites, *book))
        std::cerr << "the status run did not end; the picture shows the window as it is" << std::endl;
    for (const bool maximised : {false, true}) {
        if (maximised)
            sites.showMaximized();
        waitFor([] { return false; }, 300);
        ok = save(sites, dir.filePath(name.arg(QStringLiteral("sites-run")).arg(sites.width()).arg(sites.height()))) &&
             ok;
    }
    qarvo::gui::CSiteHistoryDlg history(*book, *book->findSite("shop"), &frame);
    history.show();
    waitFor([] { return false; }, 200);
    return save(history, dir.filePath(name.arg(QStringLiteral("site-history")).arg(history.width()).arg(history.height()))) && ok;
}

// Runs a page read from its command until the commands come back.
bool readPage(CMainFrame& frame, Act act, qarvo::Command command)
{
    frame.action(act)->trigger();
    const bool ended = waitFor([&] { return frame.session().link.commands.enabled(command); }, kConnectTimeoutMs);
    // The page's new contents were posted before the commands came back.
    QCoreApplication::sendPostedEvents();
    return ended;
}

// DIR/online-, master-, installer-, eventlog-, tavi-, report-settings-,
// report-codes-, firmware- and preview-WxH.png at the default window size
// and at a large one.
bool savePages(CMainFrame& frame, const QDir& dir)
{
    if (!readPage(frame, Act::ReadInstaller, qarvo::Command::ReadInstaller) ||
        !readPage(frame, Act::ReadMaster, qarvo::Command::ReadMaster) ||
        !readPage(frame, Act::ReadEventLog, qarvo::Command::ReadEventLog))
        std::cerr << "a page read did not end; the pictures show the pages as they are" << std::endl;
    const QString name = QStringLiteral("%1-%2x%3.png");
    bool ok = true;
    const QSize defaultSize = frame.size();
    const QSize large(1600, 1000);
    PicturePrompter pictures;
    pictures.sizes = {large};
    qarvo::gui::setPrompter(&pictures);
    for (const QSize size : {defaultSize, large}) {
        frame.resize(size);
        for (const auto& [page, prefix] : {std::pair{qarvo::gui::kOnlinePage, "online"},
                                           std::pair{qarvo::gui::kMasterPage, "master"},
                                           std::pair{qarvo::gui::kInstallerPage, "installer"},
                                           std::pair{qarvo::gui::kEventLogPage, "eventlog"},
                                           std::pair{qarvo::gui::kTaviPage, "tavi"}}) {
            frame.setCurrentPage(page);
            waitFor([] { return false; }, 200); // the layout settles
            ok = save(frame, dir.filePath(name.arg(prefix).arg(size.width()).arg(size.height()))) && ok;
        }
    }
    qarvo::gui::CReportDlg report(frame.session(), frame.installerPage());
    report.show();
    qarvo::gui::fitOnScreen(report);
    auto* tabs = report.findChild<QTabWidget*>();
    for (const QSize size : {report.size(), QSize(1600, 1000)}) {
        report.resize(size);
        for (int tab = 0; tabs && tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            waitFor([] { return false; }, 200);
            const QString prefix = tab == 0 ? QStringLiteral("report-settings") : QStringLiteral("report-codes");
            ok = save(report, dir.filePath(name.arg(prefix).arg(size.width()).arg(size.height()))) && ok;
        }
    }
    report.hide();
    frame.resize(defaultSize);
    for (const auto& [page, act, prefix] : {std::tuple{qarvo::gui::kTaviPage, Act::FirmwareUpdate, "firmware"},
                                            std::tuple{qarvo::gui::kEventLogPage, Act::PrintPreview, "preview"}}) {
        frame.setCurrentPage(page);
        pictures.file = [&, prefix = prefix](QDialog&, QSize size) {
            return dir.filePath(name.arg(prefix).arg(size.width()).arg(size.height()));
        };
        frame.action(act)->trigger();
    }
    qarvo::gui::setPrompter(nullptr);
    return saveSites(frame, dir) && ok && pictures.ok;
}

} // namespace

// A first start in the language of the code: the run's own settings folder
// (the user's settings stay as they are) choosing it, and the built packs in
// the home folder.
void chooseLanguage(const QString& code, const QTemporaryDir& home)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    const QDir packs(QStringLiteral(QARVO_LANGUAGE_PACK_DIR));
    for (const QString& pack : packs.entryList({QStringLiteral("Rps*.qm")}, QDir::Files))
        QFile::copy(packs.filePath(pack), home.filePath(pack));
    qarvo::app::UserSettings().setLanguage(code);
}

int main(int argc, char* argv[])
{
    QTemporaryDir home; // a first start: empty settings folder, demo settings
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const bool language = args.size() > 2 && args[1] == QStringLiteral("--language");
    if (language) {
        chooseLanguage(args[2], home);
        args.remove(1, 2);
    }
    QApplication application(argc, argv);
    const bool pages = args.size() == 3 && args[1] == QStringLiteral("--pages");
    if (args.size() < 2 || (args[1].startsWith(u'-') && !pages)) {
        std::cerr << "usage: qarvoip-screenshot [--language CODE] MAIN.png [ABOUT.png] | [--language CODE] --pages DIR"
                  << std::endl;
        return 2;
    }
    qarvo::gui::CUploadApp app({QStringLiteral("qarvoip"), QStringLiteral("--home"), home.path(),
                                QStringLiteral("--demo")});
    if (!app.initInstance())
        return app.exitCode();
    qarvo::gui::CMainFrame& frame = *app.mainFrame();
    const bool connected = waitFor([&] {
        return frame.panes().textId(qarvo::gui::kPanelPane) == qarvo::text_id::kConnected;
    }, kConnectTimeoutMs);
    if (!connected)
        std::cerr << "the demo did not connect; the picture shows the window as it is" << std::endl;
    waitFor([] { return false; }, 500); // the first status messages fill the pages
    bool ok = pages ? savePages(frame, QDir(args[2])) : save(frame, args[1]);
    if (!pages && args.size() > 2) {
        qarvo::gui::CAboutDlg about(qarvo::gui::versionTexts(), &frame);
        about.show();
        qarvo::gui::fitOnScreen(about);
        waitFor([&] { return about.isVisible(); }, 1000);
        ok = save(about, args[2]) && ok;
    }
    // Leave as a user would: the panel link, then the communicator connection.
    frame.session().worker.abort(false);
    frame.session().worker.waitStopped(std::chrono::seconds(5));
    frame.session().worker.abort(true);
    return ok ? 0 : 1;
}
