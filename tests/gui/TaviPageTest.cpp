// The communicator page's controls offscreen, without a communicator: the
// model's capabilities and the check boxes enable the right controls, a
// refused value takes the focus with its message, and the defaults file
// fills the page and is saved from it.
#include "GuiTestSupport.h"

#include "app/Strings.h"
#include "session/PanelSession.h"
#include "communicator/TaviDefaultsFile.h"
#include "gui/pages/CPageTavi.h"
#include "gui/shell/ShellTexts.h"
#include "gui/pages/TaviOptionsView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <memory>

using namespace qarvo;
using namespace qarvo::gui;
using qarvo::testing::ScriptedPrompter;
using Kind = CommunicatorNotice::Kind;


namespace {

std::vector<std::uint8_t> acceptReply(std::uint8_t modelCode)
{
    TaviModelInfo info;
    info.modelCode = modelCode;
    info.account = 0x0042;
    info.port = 51070;
    info.password = {'1', '2', '3', '4'};
    info.state = tavi_state::kInput1 | tavi_state::kJamming;
    info.rssi = 17;
    const auto bytes = info.encode();
    return {bytes.begin(), bytes.end()};
}

TaviOptions customRecord()
{
    TaviOptions r = TaviOptions::builtInDefaults();
    r.setAccount(0x4321);
    r.setServerIpv4(tavi::Server::Primary, {10, 1, 2, 3});
    r.setPgmTime(0, 120);
    return r;
}

} // namespace

class TaviPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestHome> home;
    std::unique_ptr<ScriptedPrompter> prompter;
    NullSink sink;
    std::unique_ptr<session::PanelSession> session;
    std::unique_ptr<CPageTavi> page;

    QLineEdit* field(const char* name) const { return page->findChild<QLineEdit*>(name); }

private slots:
    void init()
    {
        home = std::make_unique<testing::TestHome>();
        prompter = std::make_unique<ScriptedPrompter>();
        session = std::make_unique<session::PanelSession>(sink, link::ConnectionSettings{}, testing::fastTiming());
        page = std::make_unique<CPageTavi>();
        page->attach(*session, home->path());
        page->resize(644, 436);
        page->show();
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
    }

    void cleanup()
    {
        page.reset();
        session.reset();
        prompter.reset();
        home.reset();
    }

    void theModelDecidesWhichRowsAreEnabled_data()
    {
        QTest::addColumn<int>("modelCode");
        QTest::addColumn<QString>("modelName");
        QTest::addColumn<QList<bool>>("pgmRows");
        QTest::addColumn<bool>("inputs");
        QTest::addColumn<bool>("tamper");
        QTest::addColumn<bool>("gprs");
        QTest::newRow("0") << 0 << "Tavi-1" << QList<bool>{true, true, false, false} << false << true << false;
        QTest::newRow("1") << 1 << "Tavi-2" << QList<bool>{true, true, false, false} << true << true << false;
        QTest::newRow("5") << 5 << "Tavi-4" << QList<bool>{true, true, false, false} << true << true << true;
        QTest::newRow("17") << 17 << "Tavi-6" << QList<bool>{false, false, false, false} << false << false << true;
    }
    void theModelDecidesWhichRowsAreEnabled()
    {
        QFETCH(int, modelCode);
        QFETCH(QString, modelName);
        QFETCH(QList<bool>, pgmRows);
        QFETCH(bool, inputs);
        QFETCH(bool, tamper);
        QFETCH(bool, gprs);
        page->communicatorReport({Kind::ModelInfo, 1, acceptReply(static_cast<std::uint8_t>(modelCode))});
        TaviOptionsView& view = page->view();
        QCOMPARE(view.modelInfoText(0), modelName);
        QCOMPARE(view.modelInfoText(3), QString("Ethernet"));
        for (int n = 0; n < 4; ++n) {
            QCOMPARE(view.pgmButton(static_cast<std::size_t>(n))->isEnabled(), pgmRows[n]);
            QCOMPARE(field(qPrintable(QString("pgmTime%1").arg(n + 1)))->isEnabled(), pgmRows[n]);
        }
        QCOMPARE(field("inputEvent0")->isEnabled(), inputs);
        QCOMPARE(field("inputEvent2")->isEnabled(), tamper); // the tamper row
        QCOMPARE(view.gprsGroup()->isEnabled(), gprs);
        QCOMPARE(field("sim1Apn")->isEnabled(), gprs);
        QCOMPARE(field("primaryGprsKeepAlive")->isEnabled(), gprs);
        // The accept reply's account, port and password, locked again; its live state.
        QCOMPARE(field("account")->text(), QString("0042"));
        QCOMPARE(field("port")->text(), QString("51070"));
        QVERIFY(!field("port")->isEnabled());
        QCOMPARE(field("password")->text(), QString("1234"));
        QCOMPARE(view.rssiField()->text(), QString("17"));
        QVERIFY(view.stateBox(0)->isChecked());
        QVERIFY(view.stateBox(7)->isChecked());
        QVERIFY(!view.stateBox(2)->isChecked());
    }

    void theCheckBoxesEnableTheirFields()
    {
        page->communicatorReport({Kind::ModelInfo, 1, acceptReply(5)});
        TaviOptionsView& view = page->view();
        view.dhcpBox()->setChecked(true);
        for (std::size_t i = 0; i < tavi::kIpv4Count; ++i)
            QVERIFY(!view.ipv4Edit(i)->isEnabled());
        view.dhcpBox()->setChecked(false);
        for (std::size_t i = 0; i < tavi::kIpv4Count; ++i)
            QVERIFY(view.ipv4Edit(i)->isEnabled());

        auto* secondary = page->findChild<QCheckBox*>("secondaryServer");
        secondary->setChecked(false);
        QVERIFY(!field("secondaryAddress")->isEnabled());
        QVERIFY(!field("secondaryGprsKeepAlive")->isEnabled());
        secondary->setChecked(true);
        QVERIFY(field("secondaryAddress")->isEnabled());
        QVERIFY(field("secondaryGprsKeepAlive")->isEnabled());

        auto* doubleSim = page->findChild<QCheckBox*>("doubleSim");
        doubleSim->setChecked(false);
        QVERIFY(!field("sim2Apn")->isEnabled());
        doubleSim->setChecked(true);
        QVERIFY(field("sim2Apn")->isEnabled());

        page->findChild<QCheckBox*>("portEditable")->setChecked(true);
        QVERIFY(field("port")->isEnabled());
    }

    void theKeepAliveRangeShownIsTheOneChecked()
    {
        const QString shown = page->findChild<QLabel*>("primaryKeepAliveRange")->text();
        QVERIFY2(shown.contains(QString::number(kMaxKeepAliveSeconds)), qPrintable(shown));
        field("primaryKeepAlive")->setText(QString::number(kMaxKeepAliveSeconds));
        page->saveDefaults(); // stores the page first: the top of the range is taken
        QCOMPARE(unsigned(session->tavi.record().serverKeepAlive(tavi::Server::Primary)), kMaxKeepAliveSeconds);
    }

    void aRefusedValueTakesTheFocusWithItsMessage_data()
    {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("server address") << "primaryAddress" << "1.2.3.999"
                                        << "Please enter an IPv4 address or a host name of at most 29 characters.";
        QTest::newRow("network address") << "ipv4_2" << "10.0.0" << text(text_id::kEnterIpv4Address);
        QTest::newRow("keep alive") << "secondaryKeepAlive" << "601"
                                    << strings::format(text_id::kEnterNumberUpTo, kMaxKeepAliveSeconds);
    }
    void aRefusedValueTakesTheFocusWithItsMessage()
    {
        QFETCH(QString, fieldName);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        page->findChild<QCheckBox*>("secondaryServer")->setChecked(true);
        QLineEdit* edit = field(qPrintable(fieldName));
        edit->setText(typed);
        const TaviOptions before = session->tavi.record();
        page->saveDefaults();
        QCOMPARE(prompter->messageTexts(), QStringList{message});
        QTRY_VERIFY(edit->hasFocus());
        QCOMPARE(session->tavi.record(), before);
    }

    void loadDefaultsFillsThePageFromTheDefaultsFile()
    {
        const TaviDefaultsFile file(home->path().toStdString());
        std::ofstream(file.path(), std::ios::binary) << TaviDefaultsFile::format(customRecord());
        page->loadDefaultsButton()->click();
        QCOMPARE(field("account")->text(), QString("4321"));
        QCOMPARE(field("primaryAddress")->text(), QString("10.1.2.3"));
        QCOMPARE(field("pgmTime1")->text(), QString("2")); // 120 s shows as 2 min
        TaviOptions expected = customRecord();
        for (std::size_t at = tavi::offset::kReserved7; at < tavi::offset::kReserved7 + 3; ++at)
            expected.setU8(at, '0'); // the file keeps these as the character "0"
        QCOMPARE(session->tavi.record(), expected);
        QCOMPARE(session->tavi.reference(), TaviOptions::builtInDefaults());
    }

    void theDocumentCarriesTheRecordThroughItsFile()
    {
        field("account")->setText("1234");
        field("primaryAddress")->setText("host.example");
        QVERIFY(page->storeIntoDocument());
        const std::string path = home->file("options.rps").toStdString();
        QCOMPARE(QString::fromStdString(session->doc.save(path)), QString());
        field("account")->setText("0000");
        field("primaryAddress")->clear();
        QCOMPARE(QString::fromStdString(session->doc.open(path)), QString());
        page->showFromDocument();
        QCOMPARE(field("account")->text(), QString("1234"));
        QCOMPARE(field("primaryAddress")->text(), QString("host.example"));
        QCOMPARE(session->tavi.record().account(), std::uint16_t(0x1234));

        field("port")->setText("99999"); // refused: the document keeps its record
        page->findChild<QCheckBox*>("portEditable")->setChecked(true);
        QVERIFY(!page->storeIntoDocument());
        QCOMPARE(session->doc.taviOptions(), session->tavi.record().bytes);
    }

    void saveDefaultsSaysWhyNothingWasSavedAndOtherwiseSaves()
    {
        const TaviDefaultsFile file(home->path().toStdString());
        field("account")->setText("BEEF");
        page->saveDefaultsButton()->click();
        QCOMPARE(prompter->messages.size(), std::size_t(1));
        QVERIFY(prompter->messages[0].text.startsWith(text(text_id::kDefaultsFileMissing)));
        QVERIFY(prompter->messages[0].text.contains(QString::fromStdString(file.path().string())));
        QVERIFY(!std::filesystem::exists(file.path()));

        std::ofstream(file.path()) << "old";
        page->saveDefaultsButton()->click();
        QCOMPARE(prompter->messages.size(), std::size_t(1));
        const auto saved = TaviDefaultsFile::parse(
            [&] {
                std::ifstream in(file.path(), std::ios::binary);
                return std::string(std::istreambuf_iterator<char>(in), {});
            }(),
            TaviOptions::builtInDefaults());
        QVERIFY(saved);
        QCOMPARE(saved->account(), std::uint16_t(0xBEEF));
    }
};

QTEST_MAIN(TaviPageTest)
#include "TaviPageTest.moc"
