// Scripting conventions of qarvoip-cli: JSON and CSV results that parse,
// progress that never goes backwards, --quiet, and commands that succeed
// when the panel is already in the asked state.
#include "cli/CliApp.h"
#include "cli/CliSink.h"
#include "cli/JsonOutput.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "support/CliRun.h"
#include "support/Loopback.h"
#include "support/TempDir.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

using namespace qarvo;
using namespace qarvo::cli;
using Args = std::vector<std::string>;
using qarvo::testing::CliRun;
using qarvo::testing::contains;
using qarvo::testing::lines;

namespace {

CliRun run(const Args& args) { return qarvo::testing::runCommandLine(args); }

QJsonDocument json(const std::string& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n" << text;
    return document;
}

} // namespace

TEST(Json, IdentifyAndStatusParseWithTheirFields)
{
    const CliRun identify = run({"--demo", "identify", "--json"});
    ASSERT_EQ(identify.status, kExitSuccess) << identify.err;
    const QJsonObject id = json(identify.out).object();
    EXPECT_EQ(id["type_code"].toInt(), 0x24);
    EXPECT_EQ(id["zones"].toInt(), 16);

    const CliRun status = run({"--demo", "status", "--json"});
    ASSERT_EQ(status.status, kExitSuccess) << status.err;
    const QJsonObject view = json(status.out).object();
    EXPECT_EQ(view["zones"].toArray().size(), 16);
    EXPECT_EQ(view["zones"].toArray()[0].toObject()["description"].toString().isEmpty(), false);
    EXPECT_EQ(view["pgms"].toArray().size(), 8);
    EXPECT_FALSE(view["partition_a"].toObject()["status"].toString().isEmpty());
}

TEST(Json, EventsAreRecordsAndTheCsvHasAHeaderRow)
{
    qarvo::testing::TempDir dir;
    const std::string csv = dir.file("events.csv").string();
    const CliRun r = run({"--demo", "read-events", "--all", "--json", "--csv", csv});
    ASSERT_EQ(r.status, kExitSuccess) << r.err;
    const QJsonArray events = json(r.out).object()["events"].toArray();
    ASSERT_EQ(events.size(), 6);
    const QJsonObject first = events[0].toObject();
    EXPECT_EQ(first["number"].toInt(), 1);
    EXPECT_EQ(first["time"].toString(), "2026-03-05T11:01:00");
    EXPECT_EQ(first["text"].toString(), "AC power loss");
    EXPECT_TRUE(first["partition"].isNull());
    EXPECT_EQ(first["record"].toString(), "00201E") << "code 0, class 2, 30 minutes";
    const QJsonObject armed = events[2].toObject();
    EXPECT_EQ(armed["partition"].toString(), "A");
    EXPECT_EQ(armed["text"].toString(), "Arming by installer's maintenance code");

    const auto rows = lines(std::string(std::istreambuf_iterator<char>(std::ifstream(csv).rdbuf()), {}));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0], "number,time,partition,text,record\r");
    EXPECT_EQ(rows[1], "1,2026-03-05T11:01:00,,AC power loss,00201E\r");
}

TEST(Json, ShowAndDiffOfTheSettingsParse)
{
    qarvo::testing::TempDir dir;
    const std::string a = dir.file("a.rps").string();
    const std::string b = dir.file("b.rps").string();
    ASSERT_EQ(run({"new", a}).status, kExitSuccess);
    ASSERT_EQ(run({"new", b}).status, kExitSuccess);
    ASSERT_EQ(run({"set", b, "zone.02.name=Porch"}).status, kExitSuccess);
    EXPECT_TRUE(json(run({"show", a, "--json"}).out).object()["settings"].isObject());
    EXPECT_TRUE(json(run({"check", a, "--json"}).out).object()["valid"].toBool());
    const QJsonArray settings = json(run({"settings", "--json"}).out).object()["settings"].toArray();
    ASSERT_FALSE(settings.isEmpty());
    EXPECT_EQ(settings[0].toObject().keys(), (QStringList{"kind", "label", "max", "min", "name"}));
    EXPECT_EQ(json(run({"diff", a, b, "--json"}).out).array()[0].toObject()["b"].toString(), "Porch");
}

// Every name of the document is a name of its own, never a page's label.
void expectOwnNames(const QJsonValue& value, const std::string& where)
{
    static const QRegularExpression ownName("^[a-z][a-z0-9_]*$|^[a-z][a-z0-9.-]*$");
    if (value.isArray())
        for (const QJsonValue& item : value.toArray())
            expectOwnNames(item, where);
    if (!value.isObject())
        return;
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        EXPECT_TRUE(ownName.match(it.key()).hasMatch()) << where << ": " << it.key().toStdString();
        expectOwnNames(it.value(), where);
    }
}

TEST(Json, EveryDocumentCarriesItsSchemaTypedValuesAndNamesOfItsOwn)
{
    qarvo::testing::TempDir dir;
    const std::string doc = dir.file("doc.rps").string();
    ASSERT_EQ(run({"new", doc}).status, kExitSuccess);
    const QRegularExpression isoTime(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d$)");
    using Check = std::function<void(const QJsonObject&)>;
    struct Case {
        Args args;
        Check check;
    };
    const Case cases[] = {
        {{"--demo", "identify", "--json"}, [](const QJsonObject& o) { EXPECT_EQ(o["zones"].toInt(-1), 16); }},
        {{"--demo", "status", "--json"},
         [&](const QJsonObject& o) {
             EXPECT_TRUE(o["chime"].isBool());
             EXPECT_EQ(o["partition_a"].toObject()["armed"], QJsonValue(false));
             EXPECT_TRUE(isoTime.match(o["panel_clock"].toString()).hasMatch()) << o["panel_clock"].toString().toStdString();
             EXPECT_TRUE(o["zones"].toArray()[0].toObject()["tamper_alarm"].isBool());
             EXPECT_EQ(o["pgms"].toArray()[1].toObject()["number"], QJsonValue(2));
             EXPECT_EQ(o["pgms"].toArray()[1].toObject()["on"], QJsonValue(false));
         }},
        {{"--demo", "tavi-info", "--json"},
         [](const QJsonObject& o) {
             EXPECT_EQ(o["boot_loader"], QJsonValue(false));
             EXPECT_TRUE(o["serial_number"].isDouble());
             EXPECT_EQ(o["ip"].toString(), "127.0.0.1");
         }},
        {{"--demo", "read-events", "--all", "--json"},
         [](const QJsonObject& o) { EXPECT_TRUE(o["events"].toArray()[0].toObject()["number"].isDouble()); }},
        {{"settings", "--json"}, [](const QJsonObject& o) { EXPECT_FALSE(o["settings"].toArray().isEmpty()); }},
        {{"show", doc, "--json"},
         [](const QJsonObject& o) {
             const QJsonObject settings = o["settings"].toObject();
             EXPECT_TRUE(settings["delay.entry-1"].isDouble());
             EXPECT_TRUE(std::ranges::any_of(settings, [](const QJsonValue& v) { return v.isBool(); }));
         }},
        {{"check", doc, "--json"}, [](const QJsonObject& o) { EXPECT_EQ(o["valid"], QJsonValue(true)); }},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        ASSERT_EQ(r.status, kExitSuccess) << c.args[1] << "\n" << r.err;
        const QJsonObject object = json(r.out).object();
        EXPECT_EQ(object["schema"], QJsonValue(kJsonSchema)) << c.args[1];
        expectOwnNames(object, c.args[1]);
        c.check(object);
    }
    // What show prints, set takes back; two equal documents differ in nothing.
    const std::string shown = dir.file("shown.json").string();
    std::ofstream(shown) << run({"show", doc, "--json"}).out;
    EXPECT_EQ(run({"set", doc, "--from", shown}).status, kExitSuccess);
    const CliRun same = run({"diff", doc, doc, "--json"});
    EXPECT_EQ(same.status, kExitSuccess);
    EXPECT_EQ(same.out, "[]\n");
}

TEST(Json, StatusSaysWhichOutputsAreOn)
{
    qarvo::testing::TempDir dir;
    qarvo::testing::OwnPanel own(dir.path());
    ASSERT_TRUE(own.ready);
    const auto runHere = [&](const Args& args) {
        return qarvo::testing::runCommandLine(args, {.executableDirectory = dir.path()});
    };
    ASSERT_EQ(runHere({"pgm", "2"}).status, kExitSuccess);
    const CliRun status = runHere({"status", "--json"});
    ASSERT_EQ(status.status, kExitSuccess) << status.err;
    const QJsonArray pgms = json(status.out).object()["pgms"].toArray();
    ASSERT_GE(pgms.size(), 2);
    EXPECT_EQ(pgms[0].toObject()["on"], QJsonValue(false));
    EXPECT_EQ(pgms[1].toObject()["on"], QJsonValue(true));
}

// Results alone on the output, whatever the command; --quiet leaves only
// what went wrong on the error stream.
TEST(Quiet, CommunicatorCommandsPrintTheirResultAloneAndNothingElse)
{
    qarvo::testing::TempDir dir;
    const std::string bin = dir.file("options.bin").string();
    struct Case {
        Args args;
        std::string out; // the start of the output
    };
    const Case cases[] = {
        {{"tavi-read", bin}, strings::utf8(text_id::kDownloadingSuccessfully) + "\n"},
        {{"tavi-write", bin, "--force"}, strings::utf8(text_id::kUploadedSuccessfully) + "\n"},
        {{"tavi-pgm", "1"}, "PGM1 "},
        {{"tavi-info"}, "Model: "},
        {{"status"}, strings::utf8(2418)},
    };
    for (const bool quiet : {false, true}) {
        for (const Case& c : cases) {
            Args args{"--demo"};
            if (quiet)
                args.push_back("--quiet");
            args.insert(args.end(), c.args.begin(), c.args.end());
            const CliRun r = run(args);
            ASSERT_EQ(r.status, kExitSuccess) << c.args[0] << "\n" << r.err;
            EXPECT_TRUE(r.out.starts_with(c.out)) << c.args[0] << "\n" << r.out;
            EXPECT_FALSE(contains(r.out, strings::utf8(text_id::kDisconnected))) << c.args[0];
            EXPECT_EQ(r.err.empty(), quiet) << c.args[0] << "\n" << r.err;
        }
    }
}

TEST(Progress, NeverGoesBackwardsAndTakesALinePerTenthOffATerminal)
{
    struct Case {
        SinkStyle style;
        std::vector<long> percents;
        std::string printed;
    };
    const std::string caption = strings::utf8(text_id::kReadingMasterPage);
    const Case cases[] = {
        {{}, {4, 13, 16, 9, 25, 68, 66, 100}, caption + "\n" + caption + " 4%\n" + caption + " 13%\n" + caption +
                                                  " 25%\n" + caption + " 68%\n" + caption + " 100%\n"},
        {{.terminal = true}, {13, 16, 9}, caption + "\n\r" + caption + " 13%\x1b[K\r" + caption + " 16%\x1b[K"},
        {{.quiet = true}, {13, 100}, ""},
    };
    for (const Case& c : cases) {
        std::ostringstream err;
        CliSink sink(err, c.style);
        sink.post(ProgressNotice{0, 0, text_id::kReadingMasterPage, std::nullopt});
        for (const long percent : c.percents)
            sink.post(ProgressNotice{2, percent, 0, std::nullopt});
        EXPECT_EQ(err.str(), c.printed);
    }
}

TEST(Progress, QuietKeepsWhatWentWrong)
{
    std::ostringstream err;
    CliSink sink(err, {.quiet = true});
    sink.post(StatusNotice{Pane::Connection, text_id::kConnecting});
    sink.post(MessageNotice{text_id::kWrongPassword, std::nullopt});
    EXPECT_EQ(err.str(), strings::utf8(text_id::kWrongPassword) + "\n");
}

TEST(AlreadyInState, SucceedsWithANoteAndSendsNothing)
{
    struct Case {
        Args args;
        std::string note;
    };
    // The demo panel is disarmed, its chime off, zone 3 not bypassed and PGM 2 off.
    const Case cases[] = {
        {{"--demo", "disarm"}, "Panel is already disarmed"},
        {{"--demo", "unbypass", "3"}, "zone 3 is not bypassed"},
        {{"--demo", "chime", "off"}, "the chime is already off"},
        {{"--demo", "pgm", "2", "off"}, "PGM 2 is already off"},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, kExitSuccess) << r.err;
        EXPECT_TRUE(contains(r.err, c.note + "; nothing was sent")) << r.err;
    }
    const CliRun chimeOn = run({"--demo", "chime", "on"});
    ASSERT_EQ(chimeOn.status, kExitSuccess) << chimeOn.err;
    EXPECT_EQ(chimeOn.line("Global chime:"), "Global chime: ON");
    const CliRun pgmOn = run({"--demo", "pgm", "2", "on"});
    ASSERT_EQ(pgmOn.status, kExitSuccess) << pgmOn.err;
    EXPECT_TRUE(contains(pgmOn.line("2 "), "= ON")) << pgmOn.out;
}
