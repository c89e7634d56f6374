// Renders the pictures the README shows: the main window of a demo run,
// connected to the embedded simulator, and the about box.
//   qarvoip-screenshot MAIN.png [ABOUT.png]
// Runs on any Qt platform (offscreen for the README, xcb under Xvfb).
#include "gui/CAboutDlg.h"
#include "gui/CMainFrame.h"
#include "gui/CUploadApp.h"
#include "gui/ProgramTexts.h"
#include "gui/ShellTexts.h"
#include "gui/StatusPanes.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPixmap>
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

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::cerr << "usage: qarvoip-screenshot MAIN.png [ABOUT.png]" << std::endl;
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
    bool ok = save(frame, args[1]);
    if (args.size() > 2) {
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
