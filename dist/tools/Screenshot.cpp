// Renders the pictures the README shows: the main window of a demo run,
// connected to the embedded simulator, and the about box.
//   qarvoip-screenshot MAIN.png [ABOUT.png]
// With --pages, the programming pages and the digital communicator dialog
// as the demo panel fills them (both pages read first), at the window's
// default size and at a large one, for looking the layouts over:
//   qarvoip-screenshot --pages DIR
// Runs on any Qt platform (offscreen for the README, xcb under Xvfb).
#include "gui/CAboutDlg.h"
#include "gui/CMainFrame.h"
#include "gui/CPageInst.h"
#include "gui/CReportDlg.h"
#include "gui/CUploadApp.h"
#include "gui/ProgramTexts.h"
#include "gui/ShellTexts.h"
#include "gui/StatusPanes.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <iostream>

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

// Runs a page read from its command until the commands come back.
bool readPage(CMainFrame& frame, Act act, qarvo::Command command)
{
    frame.action(act)->trigger();
    return waitFor([&] { return frame.session().link.commands.enabled(command); }, kConnectTimeoutMs);
}

// DIR/master-WxH.png, installer-WxH.png, report-settings-WxH.png and
// report-codes-WxH.png at the default window size and at a large one.
bool savePages(CMainFrame& frame, const QDir& dir)
{
    if (!readPage(frame, Act::ReadInstaller, qarvo::Command::ReadInstaller) ||
        !readPage(frame, Act::ReadMaster, qarvo::Command::ReadMaster))
        std::cerr << "a page read did not end; the pictures show the pages as they are" << std::endl;
    const QString name = QStringLiteral("%1-%2x%3.png");
    bool ok = true;
    const QSize defaultSize = frame.size();
    for (const QSize size : {defaultSize, QSize(1600, 1000)}) {
        frame.resize(size);
        for (const auto& [page, prefix] : {std::pair{qarvo::gui::kMasterPage, "master"},
                                           std::pair{qarvo::gui::kInstallerPage, "installer"}}) {
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
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    const bool pages = args.size() == 3 && args[1] == QStringLiteral("--pages");
    if (args.size() < 2 || (args[1].startsWith(u'-') && !pages)) {
        std::cerr << "usage: qarvoip-screenshot MAIN.png [ABOUT.png] | --pages DIR" << std::endl;
        return 2;
    }
    QTemporaryDir home; // a first start: empty settings folder, demo settings
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
