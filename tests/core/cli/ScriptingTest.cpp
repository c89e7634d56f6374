// Scripting conventions of qarvoip-cli: JSON and CSV results that parse,
// progress that never goes backwards, --quiet, and commands that succeed
// when the panel is already in the asked state.
#include "cli/CliApp.h"
#include "cli/CliSink.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <fstream>
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
    EXPECT_EQ(id["typeCode"].toInt(), 0x24);
    EXPECT_EQ(id["zones"].toInt(), 16);

    const CliRun status = run({"--demo", "status", "--json"});
    ASSERT_EQ(status.status, kExitSuccess) << status.err;
    const QJsonObject view = json(status.out).object();
    EXPECT_EQ(view["zones"].toArray().size(), 16);
    EXPECT_EQ(view["zones"].toArray()[0].toObject()["description"].toString().isEmpty(), false);
    EXPECT_EQ(view["pgms"].toArray().size(), 8);
    EXPECT_FALSE(view["system"].toString().isEmpty());
}

TEST(Json, EventsAreRecordsAndTheCsvHasAHeaderRow)
{
    qarvo::testing::TempDir dir;
    const std::string csv = dir.file("events.csv").string();
    const CliRun r = run({"--demo", "read-events", "--all", "--json", "--csv", csv});
    ASSERT_EQ(r.status, kExitSuccess) << r.err;
    const QJsonArray events = json(r.out).array();
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
    EXPECT_TRUE(json(run({"show", a, "--json"}).out).isObject());
    EXPECT_TRUE(json(run({"check", a, "--json"}).out).object()["valid"].toBool());
    const QJsonArray settings = json(run({"settings", "--json"}).out).array();
    ASSERT_FALSE(settings.isEmpty());
    EXPECT_EQ(settings[0].toObject().keys(), (QStringList{"kind", "label", "name", "range"}));
    EXPECT_EQ(json(run({"diff", a, b, "--json"}).out).array()[0].toObject()["b"].toString(), "Porch");
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
        {{"--demo", "disarm"}, "partition A is already disarmed"},
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
