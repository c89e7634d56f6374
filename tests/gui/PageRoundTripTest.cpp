// The programming pages end to end against the simulated panel on
// 127.0.0.1: read both pages through the main window's commands, change a
// user code and a zone type from the keyboard in their grids, write both
// pages, read them back into a new document and compare the two documents
// setting by setting with the command line's diff.
#include "WidgetTest.h"

#include "gui/shell/CMainFrame.h"
#include "gui/pages/CPageInst.h"
#include "gui/pages/CPageMaster.h"
#include "gui/dialogs/CProgressDlg.h"
#include "gui/shell/CUploadApp.h"
#include "gui/shell/StatusPanes.h"
#include "gui/widgets/CListCtrlEx.h"
#include "operations/OperationCodes.h"
#include "panel/InstallerForm.h"
#include "panel/TypeLists.h"
#include "sim/DemoPeers.h"
#include "support/CliRun.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <memory>

using namespace qarvo;
using namespace qarvo::gui;

namespace {

using testing::kLinkTimeout;
constexpr int kUserRow = 5;         // "User 05"
constexpr int kZoneRow = 1;         // zone 2: a follower zone in the panel's defaults
constexpr auto kNewCode = "8642";

} // namespace

class PageRoundTripTest : public testing::WidgetTest {
    Q_OBJECT

    std::unique_ptr<sim::DemoPeers> peers;
    std::unique_ptr<CUploadApp> app;

    CMainFrame& frame() { return *app->mainFrame(); }

    bool connected() { return frame().panes().textId(kPanelPane) == text_id::kConnected; }

    void connectToPanel()
    {
        // After a link that ended, the command comes back only after the
        // reconnect delay.
        QTRY_VERIFY_WITH_TIMEOUT(frame().action(Act::ConnectToPanel)->isEnabled(), kLinkTimeout);
        prompter().answer(testing::pressOk);
        frame().action(Act::ConnectToPanel)->trigger();
        QTRY_VERIFY2_WITH_TIMEOUT(connected() && frame().session().worker.panelLinkUp(), qPrintable(linkState()),
                                  kLinkTimeout);
    }

    // What the status bar and the messages say of the link, for a failure.
    QString linkState()
    {
        return QStringLiteral("communicator \"%1\", panel \"%2\", messages: %3")
            .arg(frame().panes().text(kCommunicatorPane), frame().panes().text(kPanelPane),
                 prompter().messageTexts().join(u'|'));
    }

    // Ends the panel link, then the communicator connection.
    void disconnect()
    {
        frame().action(Act::Abort)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!frame().session().worker.running(), kLinkTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(frame().action(Act::Abort)->isEnabled(), kLinkTimeout);
        frame().action(Act::Abort)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!frame().session().link.connection.isOpen(), kLinkTimeout);
    }

    // A page read or write from its command, until the link is back at the
    // idle poll with the commands enabled again.
    void runPageOperation(Act act, Command command)
    {
        QTRY_VERIFY_WITH_TIMEOUT(frame().action(act)->isEnabled(), kLinkTimeout);
        frame().action(act)->trigger();
        QVERIFY2(!frame().session().link.commands.enabled(command), qPrintable(prompter().messageTexts().join(u'|')));
        QTRY_VERIFY_WITH_TIMEOUT(frame().session().link.commands.enabled(command) && frame().action(act)->isEnabled(),
                                 kLinkTimeout);
        // The worker posts the page's new contents before it gives the
        // commands back, but an earlier refresh can enable the action while
        // that notice still waits in the queue: take it in before editing,
        // or it would overwrite the edit.
        QCoreApplication::sendPostedEvents();
        QVERIFY2(frame().session().worker.panelLinkUp(), qPrintable(prompter().messageTexts().join(u'|')));
    }

    void readBothPages()
    {
        runPageOperation(Act::ReadInstaller, Command::ReadInstaller);
        runPageOperation(Act::ReadMaster, Command::ReadMaster);
    }

    QString saveAs(const QString& name)
    {
        prompter().fileToSave = home().file(name);
        frame().action(Act::SaveAs)->trigger();
        return home().file(name);
    }

    // The grid's cell made current with the grid focused, as the arrow keys
    // leave it. The progress display was the active window last; offscreen,
    // the main window is not given the activation back by itself.
    void goToCell(CListCtrlEx& grid, int row, int column)
    {
        QApplication::setActiveWindow(&frame());
        grid.setFocus();
        grid.setCurrentIndex(grid.model()->index(row, column));
        QCOMPARE(QApplication::focusWidget(), &grid);
    }

    void showPage(int page)
    {
        frame().setCurrentPage(page);
        QCOMPARE(frame().currentPage(), page);
    }

    // The settings that differ between two documents, by name, as
    // "qarvoip-cli diff --json" lists them.
    static QStringList differences(const QString& a, const QString& b)
    {
        const testing::CliRun run =
            testing::runCommandLine({"diff", a.toStdString(), b.toStdString(), "--json"});
        QStringList names;
        for (const QJsonValue& d : QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).array())
            names << d.toObject()["name"].toString();
        if (run.status != (names.isEmpty() ? 0 : 1))
            names << QStringLiteral("(diff ended with %1: %2)").arg(run.status).arg(QString::fromStdString(run.err));
        return names;
    }

    void initTest() override
    {
        peers = std::make_unique<sim::DemoPeers>(); // the model's defaults and a few zone names
        QVERIFY(peers->start());
        link::ConnectionSettings settings;
        peers->pointSettingsAt(settings);
        home().writeConnectionSettings(settings);
        app = std::make_unique<CUploadApp>(QStringList{"qarvoip", "--home", home().path()});
        app->setTiming(testing::answeredTiming());
        QVERIFY(app->initInstance());
        frame().show();
        frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame()));
    }

    void cleanupTest() override
    {
        app.reset();
        peers.reset();
    }

private slots:
    void editedCodeAndZoneTypeComeBackAndNothingElseChanges()
    {
        connectToPanel();
        readBothPages();
        const QString before = saveAs("before.rps");
        QVERIFY2(QFile::exists(before), qPrintable(prompter().messageTexts().join(u'|')));

        // The user code: typing in the current cell opens its editor, Enter ends it.
        showPage(kMasterPage);
        CListCtrlEx& users = *frame().masterPage()->userGrid();
        QVERIFY(users.text(kUserRow, panel::code_column::kCode) != kNewCode);
        goToCell(users, kUserRow, panel::code_column::kCode);
        if (QTest::currentTestFailed())
            return;
        QTest::keyClicks(&users, QString(kNewCode).left(1));
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor && editor != &users);
        QTest::keyClicks(editor, QString(kNewCode).mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(users.text(kUserRow, panel::code_column::kCode), QString(kNewCode));

        // The zone type: Enter opens the cell's list, Down picks the next type.
        showPage(kInstallerPage);
        CListCtrlEx& zones = *frame().installerPage()->zoneGrid();
        const int follower = zones.listIndex(kZoneRow, panel::zone_column::kType);
        QCOMPARE(panel::zoneTypeList()[std::size_t(follower)].code, std::uint8_t(3));
        goToCell(zones, kZoneRow, panel::zone_column::kType);
        if (QTest::currentTestFailed())
            return;
        QTest::keyClick(&zones, Qt::Key_Return);
        editor = QApplication::focusWidget();
        QVERIFY(editor && editor != &zones);
        QTest::keyClick(editor, Qt::Key_Down);
        QTRY_COMPARE(zones.listIndex(kZoneRow, panel::zone_column::kType), follower + 1);

        runPageOperation(Act::WriteInstaller, Command::WriteInstaller);
        runPageOperation(Act::WriteMaster, Command::WriteMaster);
        const QString written = saveAs("written.rps");

        // A new document, filled from the panel alone.
        disconnect();
        frame().action(Act::New)->trigger();
        QVERIFY(!frame().session().modified());
        QVERIFY(frame().masterPage()->userGrid()->text(kUserRow, panel::code_column::kCode) != kNewCode);
        connectToPanel();
        readBothPages();
        const QString readBack = saveAs("read-back.rps");
        disconnect();

        QCOMPARE(differences(before, readBack), (QStringList{"user.05.code", "zone.02.type"}));
        QCOMPARE(differences(written, readBack), QStringList{});
    }

    // The progress display's Cancel while a page is being written: the
    // write stops where it is, the link stays up at the idle poll and sends
    // nothing more of it, and the document stays as it was.
    void cancelDuringAPageWriteStopsItAndKeepsTheDocument()
    {
        connectToPanel();
        const auto image = frame().session().doc.image().bytes();
        const std::vector<std::uint8_t> document(image.begin(), image.end());
        // Slow enough that the write is still under way when Cancel comes.
        const sim::Faults slow{.delay = std::chrono::milliseconds(5)};
        peers->communicator().setFaults(slow, slow);
        frame().action(Act::WriteInstaller)->trigger();
        // The backup before the write reads both pages first.
        QTRY_VERIFY_WITH_TIMEOUT(peers->panel().counters().memoryWrites >= 3, 3 * kLinkTimeout);
        QVERIFY(frame().progressDialog() && frame().progressDialog()->isVisible());
        auto* buttons = frame().progressDialog()->findChild<QDialogButtonBox*>();
        QVERIFY(buttons && buttons->buttons().size() == 1);
        QTest::mouseClick(buttons->buttons().first(), Qt::LeftButton);

        QTRY_VERIFY_WITH_TIMEOUT(frame().session().worker.currentCode() == operations::kIdlePoll, kLinkTimeout);
        // A request already on its way when Cancel came has arrived once the
        // panel answers the idle poll.
        const unsigned polled = peers->panel().counters().statusMessages;
        QTRY_VERIFY_WITH_TIMEOUT(peers->panel().counters().statusMessages > polled, kLinkTimeout);
        const sim::SimPanelCounters atIdle = peers->panel().counters();
        QTRY_VERIFY_WITH_TIMEOUT(peers->panel().counters().statusMessages >= atIdle.statusMessages + 2, kLinkTimeout);
        QCOMPARE(peers->panel().counters().memoryWrites, atIdle.memoryWrites);
        QCOMPARE(peers->panel().counters().completions, 0u);
        QVERIFY(frame().session().worker.panelLinkUp());
        const auto after = frame().session().doc.image().bytes();
        QVERIFY(std::equal(after.begin(), after.end(), document.begin(), document.end()));
        QTRY_VERIFY_WITH_TIMEOUT(frame().action(Act::WriteInstaller)->isEnabled(), kLinkTimeout);
        peers->communicator().setFaults({}, {});
        disconnect();
    }
};

QTEST_MAIN(PageRoundTripTest)
#include "PageRoundTripTest.moc"
