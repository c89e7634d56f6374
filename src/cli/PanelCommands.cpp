#include "cli/PanelCommands.h"

#include "session/PanelSession.h"
#include "app/Strings.h"
#include "base/TextIds.h"
#include "cli/CliSink.h"
#include "cli/JsonOutput.h"
#include "cli/SiteRun.h"
#include "cli/PanelRun.h"
#include "fleet/SiteRecord.h"
#include "online/Indicators.h"
#include "online/OnlineModel.h"
#include "online/StatusWatch.h"
#include "panel/PanelModels.h"
#include "operations/OperationCodes.h"
#include "operations/StatusDecoder.h"

#include <QJsonArray>
#include <QJsonObject>

#include <functional>
#include <iomanip>
#include <optional>
#include <sstream>
#include <string_view>

namespace qarvo::cli {

namespace {

constexpr std::string_view kPartitionOption = "--partition";
constexpr std::string_view kJsonOption = "--json";

// Labels of the online status page.
constexpr int kPanelLabel = 2418;
constexpr int kPanelClockLabel = 2413;
constexpr int kPcClockLabel = 2414;
constexpr int kChimeLabel = 2415;
constexpr int kTroublesLabel = 2419;
constexpr int kPartitionBLabel = 2417;
constexpr int kZoneNumberHeader = 6000;
constexpr int kPgmNumberHeader = 138;
constexpr int kPgmTypeHeader = 139;

// The zone list's indicator columns and their headers, in page order.
struct IndicatorColumn {
    online::Indicator indicator;
    int header;
};
constexpr IndicatorColumn kIndicatorColumns[] = {
    {online::Indicator::ZoneOpen, 6002},    {online::Indicator::TamperOpen, 135},
    {online::Indicator::Burglary, 6003},    {online::Indicator::TamperAlarm, 136},
    {online::Indicator::Bypass, 6004},      {online::Indicator::Stay, 6005},
};

// What each of the nine indicator images means, as text: off; on for the
// system; partition A, both, partition B; in brackets the images of an
// indicator that has had no report of its own yet.
constexpr const char* kIconMarks[] = {"-", "x", "(x)", "A", "AB", "B", "(A)", "(AB)", "(B)"};

std::string utf8(const QString& text) { return text.toStdString(); }
std::string label(int textId) { return strings::utf8(textId); }

// A message from the command line, not from the panel.
void printProblem(std::ostream& err, const std::string& text) { err << kProgramName << ": " << text << std::endl; }

// ---------------------------------------------------------------- status

// The online status page of the run's panel, without widgets.
online::StatusWatch statusWatch(session::PanelSession& panel, const RecordingSink& sink)
{
    return online::StatusWatch(
        online::OnlineModel::Sources{
            [&panel] { return operations::StatusCounts{panel.doc.identity().zoneCount, panel.doc.identity().pgmCount}; },
            [&panel] { return panel.worker.panelClock(); },
            {}},
        sink);
}

void printLine(std::ostream& out, int labelId, const QString& text)
{
    out << label(labelId) << ' ' << utf8(text.trimmed()) << '\n';
}

// One row of the zone table, without the padding after its last column.
void endRow(std::ostream& out, std::ostringstream& row)
{
    std::string text = row.str();
    text.erase(text.find_last_not_of(' ') + 1);
    out << text << '\n';
    row.str({});
}

void printZones(std::ostream& out, const online::OnlineModel& model)
{
    constexpr int kDescriptionWidth = 24;
    std::ostringstream row;
    row << "  " << std::left << std::setw(5) << label(kZoneNumberHeader) << std::setw(kDescriptionWidth)
        << label(6001);
    for (const IndicatorColumn& column : kIndicatorColumns)
        row << "  " << label(column.header);
    endRow(out, row);
    for (int zone = 0; zone < model.shownZones(); ++zone) {
        row << "  " << std::setw(5) << utf8(online::OnlineModel::zoneNumberText(zone)) << std::setw(kDescriptionWidth)
            << utf8(model.zone(zone).description.trimmed());
        for (const IndicatorColumn& column : kIndicatorColumns) {
            const int icon = model.icon(zone, column.indicator);
            const char* mark = icon >= 0 && icon < static_cast<int>(std::size(kIconMarks)) ? kIconMarks[icon] : "?";
            row << "  " << std::setw(static_cast<int>(label(column.header).size())) << mark;
        }
        endRow(out, row);
    }
}

void printPgms(std::ostream& out, const online::OnlineModel& model)
{
    out << "  " << label(kPgmNumberHeader) << "  " << label(kPgmTypeHeader) << '\n';
    for (const online::PgmRow& pgm : model.pgms())
        out << "  " << std::setw(3) << utf8(pgm.number) << "  " << utf8(pgm.state.trimmed()) << '\n';
}

QString jsonText(const QString& text) { return text.trimmed(); }

// The names of the zone indicators in JSON, in the page's column order.
constexpr const char* kIndicatorKeys[] = {"zone_open", "tamper_open", "burglary", "tamper_alarm", "bypass", "stay"};
static_assert(std::size(kIndicatorKeys) == std::size(kIndicatorColumns));

// One partition's indicators of a zone, from the zone's indicator word.
QJsonObject partitionIndicators(std::uint32_t word, bool partitionB)
{
    QJsonObject on;
    for (std::size_t i = 0; i < std::size(kIndicatorColumns); ++i) {
        const online::IndicatorBits bits = online::indicatorBits(kIndicatorColumns[i].indicator);
        on.insert(kIndicatorKeys[i], (word & (partitionB ? bits.b : bits.a)) != 0);
    }
    return on;
}

QJsonObject zoneJson(const online::OnlineModel& model, int zone)
{
    QJsonObject row{{"number", zone + 1}, {"description", jsonText(model.zone(zone).description)}};
    for (std::size_t i = 0; i < std::size(kIndicatorColumns); ++i)
        row.insert(kIndicatorKeys[i], model.icon(zone, kIndicatorColumns[i].indicator) != 0);
    if (model.partitionedMode()) {
        row.insert("partition_a", partitionIndicators(model.zone(zone).indicators, false));
        row.insert("partition_b", partitionIndicators(model.zone(zone).indicators, true));
    }
    return row;
}

QJsonObject partitionJson(const online::PartitionRow& row)
{
    // The partition's button offers the opposite of its state.
    return {{"status", jsonText(row.status)}, {"armed", row.button.captionId == text_id::kDisarm}};
}

// "2026-03-05T11:01:00" of the panel clock record (minute of the month,
// month from 0, year of the century).
QJsonValue panelClockJson(const operations::PanelClock& clock)
{
    constexpr int kMinutesPerDay = 24 * 60;
    constexpr int kCentury = 2000;
    const QDate date(kCentury + clock.year, clock.month + 1, clock.minutes / kMinutesPerDay + 1);
    const int minute = clock.minutes % kMinutesPerDay;
    return isoTime(QDateTime(date, QTime(minute / 60, minute % 60)));
}

// The online view as one JSON object, with names of its own rather than
// the page's labels.
void printViewJson(std::ostream& out, const online::OnlineModel& model, const operations::PanelClock& clock)
{
    QJsonArray zones;
    for (int zone = 0; zone < model.shownZones(); ++zone)
        zones.append(zoneJson(model, zone));
    QJsonArray pgms;
    for (const online::PgmRow& pgm : model.pgms())
        pgms.append(QJsonObject{{"number", jsonText(pgm.number).toInt()},
                                {"on", pgm.on},
                                {"state", jsonText(pgm.state)}});
    QJsonObject view{{"panel", jsonText(model.modelText())},
                     {"panel_clock", panelClockJson(clock)},
                     {"pc_clock", isoTime(QDateTime::currentDateTime())},
                     {"chime", model.chimeButton().captionId == text_id::kTurnChimeOff},
                     {"troubles", jsonText(model.troubleText())},
                     {"partitioned", model.partitionedMode()},
                     {"partition_a", partitionJson(model.systemRow())},
                     {"zones", zones},
                     {"pgms", pgms}};
    if (model.partitionedMode())
        view.insert("partition_b", partitionJson(model.partitionBRow()));
    printJson(out, view);
}

void printView(std::ostream& out, const online::OnlineModel& model)
{
    printLine(out, kPanelLabel, model.modelText());
    printLine(out, kPanelClockLabel, model.panelClockText());
    printLine(out, kPcClockLabel, model.pcClockText());
    printLine(out, kChimeLabel, model.chimeText());
    printLine(out, kTroublesLabel, model.troubleText());
    printLine(out, model.systemLabelId(), model.systemRow().status);
    if (model.partitionedMode())
        printLine(out, kPartitionBLabel, model.partitionBRow().status);
    printZones(out, model);
    printPgms(out, model);
    out.flush();
}

// ---------------------------------------------------------------- the link

// One command's panel run with the online status kept up to date.
class PanelLink {
public:
    explicit PanelLink(Session& session)
        : run_(session), status_(statusWatch(run_.panel(), run_.sink())), patience_(2 * session.env.timing.workerReply)
    {
    }

    // Opens the communicator connection and has the worker identify the
    // panel; true once the link is idle and all status has been decoded.
    bool connect()
    {
        return run_.connect({}, [&] { return updated().complete(); },
                            patience("the panel did not report its whole status within"));
    }

    int failure() { return run_.failure(); }

    // Requests the operation and waits until the worker is back in the idle
    // poll. Returns true when the panel carried it out; a refusal has been
    // printed by the sink.
    bool request(int code, int argument)
    {
        const int messagesBefore = updated().messages();
        // The link is idle: the worker takes the operation at once.
        run_.job().startCommand(code, argument);
        if (!run_.waitFor([&] { return run_.idle() ? PanelRun::Wait::Done : PanelRun::Wait::Pending; },
                          patience("the panel did not complete the command within")))
            return false;
        return updated().messages() == messagesBefore;
    }

    // Waits for a fresh status of the whole panel.
    bool refreshStatus()
    {
        status_.restart();
        return run_.waitFor([&] { return updated().complete() ? PanelRun::Wait::Done : PanelRun::Wait::Pending; },
                            patience("the panel did not report its whole status within"));
    }

    const online::OnlineModel& model() const { return status_.model(); }
    const panel::PanelIdentity& identity() const { return run_.identity(); }
    bool partitioned() { return run_.panel().worker.partitioned(); }
    operations::PanelClock panelClock() { return run_.panel().worker.panelClock(); }

private:
    const online::StatusWatch& updated()
    {
        status_.update();
        return status_;
    }
    PanelRun::Patience patience(std::string_view what) const { return {patience_, what}; }

    PanelRun run_;
    online::StatusWatch status_;
    Millis patience_;
};

// ---------------------------------------------------------------- commands

struct Request {
    int code = 0;
    int argument = 0;
    // Set when the panel is already in the asked state: nothing is sent and
    // the command succeeds with this note, so scripts may repeat it.
    std::string already;
};

// Works out the request once the panel's status is known; nullopt (with
// the reason printed) when the command cannot be asked of this panel.
using Planner = std::function<std::optional<Request>(PanelLink&, std::ostream& err)>;

int runCommand(Session& session, const Planner& plan)
{
    PanelLink link(session);
    if (!link.connect())
        return link.failure();
    const auto request = plan(link, session.env.err);
    if (!request)
        return kExitFailure;
    if (!request->already.empty()) {
        if (!session.commandLine.options.quiet)
            session.env.err << request->already << "; nothing was sent." << std::endl;
    }
    else if (!link.request(request->code, request->argument))
        return link.failure();
    if (link.refreshStatus())
        printView(session.env.out, link.model());
    return kExitSuccess;
}

bool noArguments(Session& session, bool jsonAllowed = false)
{
    const auto& args = session.commandLine.arguments;
    if (args.empty() || (jsonAllowed && args.size() == 1 && args.front() == kJsonOption))
        return true;
    usageError(session.env.err, "command '" + session.commandLine.command + "' takes no argument: '" + args.front() + "'");
    return false;
}

// [--partition A|B] (also --partition=B); 1 for A, 2 for B.
std::optional<int> partitionArgument(Session& session)
{
    const auto& args = session.commandLine.arguments;
    const std::string prefix = std::string(kPartitionOption) + "=";
    std::optional<std::string> value;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == kPartitionOption && i + 1 < args.size() && !value)
            value = args[++i];
        else if (args[i].starts_with(prefix) && !value)
            value = args[i].substr(prefix.size());
        else {
            usageError(session.env.err, "command '" + session.commandLine.command + "' does not take '" + args[i] + "'");
            return std::nullopt;
        }
    }
    if (!value || *value == "A" || *value == "a")
        return operations::kPartitionA;
    if (*value == "B" || *value == "b")
        return operations::kPartitionB;
    usageError(session.env.err, "--partition expects A or B, not '" + *value + "'");
    return std::nullopt;
}

// "on" or "off".
std::optional<bool> onOffArgument(Session& session, const std::string& text)
{
    if (text == "on" || text == "off")
        return text == "on";
    usageError(session.env.err, "command '" + session.commandLine.command + "' expects on or off, not '" + text + "'");
    return std::nullopt;
}

// The number a command takes first, from 1 to max, with `count` arguments in all.
std::optional<int> numberArgument(Session& session, const char* what, int max, std::size_t count = 1)
{
    const auto& args = session.commandLine.arguments;
    if (args.size() != count) {
        usageError(session.env.err, "command '" + session.commandLine.command + "' takes one " + what + " number");
        return std::nullopt;
    }
    const auto number = parseDecimal(args.front(), 1, max);
    if (!number) {
        usageError(session.env.err, std::string("expected a ") + what + " number from 1 to " + std::to_string(max) +
                                        ", not '" + args.front() + "'");
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

// The panel's own texts for a request already carried out: the panel
// without partitions, partition A, partition B.
constexpr int kAlreadyArmed[] = {text_id::kPanelAlreadyArmed, text_id::kPartitionAAlreadyArmed,
                                 text_id::kPartitionBAlreadyArmed};
constexpr int kAlreadyDisarmed[] = {text_id::kPanelAlreadyDisarmed, text_id::kPartitionAAlreadyDisarmed,
                                    text_id::kPartitionBAlreadyDisarmed};

// The text without its closing full stop: the note goes on after it.
std::string alreadyText(int textId)
{
    std::string text = strings::utf8(textId);
    if (text.ends_with('.'))
        text.pop_back();
    return text;
}

int runPartitionCommand(Session& session, int code)
{
    const auto partition = partitionArgument(session);
    if (!partition)
        return kExitUsage;
    return runCommand(session, [&](PanelLink& link, std::ostream& err) -> std::optional<Request> {
        if (*partition == operations::kPartitionB && !link.partitioned()) {
            printProblem(err, "the panel does not work with partitions: there is no partition B");
            return std::nullopt;
        }
        // The partition's button offers the opposite of its state.
        const bool partitionB = *partition == operations::kPartitionB;
        const auto& row = partitionB ? link.model().partitionBRow() : link.model().systemRow();
        const int scope = partitionB ? 2 : link.partitioned() ? 1 : 0;
        if (code == operations::kArm && row.button.captionId == text_id::kDisarm)
            return Request{code, *partition, alreadyText(kAlreadyArmed[scope])};
        if (code == operations::kDisarm && row.button.captionId == text_id::kArm)
            return Request{code, *partition, alreadyText(kAlreadyDisarmed[scope])};
        return Request{code, *partition, {}};
    });
}

constexpr int kMostZones = 16;
constexpr int kMostPgms = 8;

// The panel inverts a zone's bypass bit for both operations, so a zone
// already in the asked state is left alone rather than switched back.
int runBypassCommand(Session& session, int code)
{
    const auto zone = numberArgument(session, "zone", kMostZones);
    if (!zone)
        return kExitUsage;
    return runCommand(session, [&](PanelLink& link, std::ostream& err) -> std::optional<Request> {
        const int zones = link.identity().zoneCount;
        if (*zone > zones) {
            printProblem(err, "zone " + std::to_string(*zone) + ": the panel has " + std::to_string(zones) + " zones");
            return std::nullopt;
        }
        const int index = *zone - 1;
        const int action = link.model().zone(index).actionId;
        if (code == operations::kBypass && action == text_id::kUnbypass)
            return Request{code, index, "zone " + std::to_string(*zone) + " is already bypassed"};
        if (code == operations::kUnbypass && action == text_id::kBypass)
            return Request{code, index, "zone " + std::to_string(*zone) + " is not bypassed"};
        return Request{code, index, {}};
    });
}

int runPlainCommand(Session& session, int code)
{
    if (!noArguments(session))
        return kExitUsage;
    return runCommand(session, [code](PanelLink&, std::ostream&) { return std::optional<Request>(Request{code, 0, {}}); });
}

} // namespace

int runStatus(Session& session)
{
    if (!noArguments(session, true))
        return kExitUsage;
    PanelLink link(session);
    if (!link.connect())
        return link.failure();
    if (!session.commandLine.arguments.empty())
        printViewJson(session.env.out, link.model(), link.panelClock());
    else
        printView(session.env.out, link.model());
    if (session.site && !session.site->keepStatus(fleet::statusSnapshotOf(link.model())))
        return kExitFailure;
    return kExitSuccess;
}

int runIdentify(Session& session)
{
    if (!noArguments(session, true))
        return kExitUsage;
    PanelLink link(session);
    if (!link.connect())
        return link.failure();
    const panel::PanelIdentity& id = link.identity();
    std::ostream& out = session.env.out;
    if (!session.commandLine.arguments.empty()) {
        printJson(out, QJsonObject{{"model", strings::format(panel::modelTextId(id.typeCode), id.typeCode).trimmed()},
                                   {"type_code", id.typeCode},
                                   {"zones", id.zoneCount},
                                   {"user_records", id.userRecordCount},
                                   {"pgm_outputs", id.pgmCount},
                                   {"keypads", id.keypadCount}});
        return kExitSuccess;
    }
    out << utf8(strings::format(panel::modelTextId(id.typeCode), id.typeCode).trimmed()) << '\n'
        << "type code " << static_cast<int>(id.typeCode) << '\n'
        << "zones " << id.zoneCount << '\n'
        << "user records " << id.userRecordCount << '\n'
        << "PGM outputs " << id.pgmCount << '\n'
        << "keypads " << id.keypadCount << std::endl;
    return kExitSuccess;
}

int runArm(Session& session) { return runPartitionCommand(session, operations::kArm); }
int runDisarm(Session& session) { return runPartitionCommand(session, operations::kDisarm); }
int runStopAutoarm(Session& session) { return runPartitionCommand(session, operations::kStopAutoarm); }
int runBypass(Session& session) { return runBypassCommand(session, operations::kBypass); }
int runUnbypass(Session& session) { return runBypassCommand(session, operations::kUnbypass); }
int runChime(Session& session)
{
    const auto& args = session.commandLine.arguments;
    if (args.empty())
        return runPlainCommand(session, operations::kToggleChime);
    const auto wanted = onOffArgument(session, args.size() == 1 ? args.front() : std::string());
    if (!wanted)
        return kExitUsage;
    return runCommand(session, [&](PanelLink& link, std::ostream&) -> std::optional<Request> {
        const bool on = link.model().chimeButton().captionId == text_id::kTurnChimeOff;
        if (on == *wanted)
            return Request{operations::kToggleChime, 0, std::string("the chime is already ") + (on ? "on" : "off")};
        return Request{operations::kToggleChime, 0, {}};
    });
}
int runSyncTime(Session& session) { return runPlainCommand(session, operations::kSetClock); }

int runPgm(Session& session)
{
    // "pgm N" switches the output over; "pgm N on|off" sets it.
    std::optional<bool> wanted;
    if (session.commandLine.arguments.size() == 2) {
        wanted = onOffArgument(session, session.commandLine.arguments.back());
        if (!wanted)
            return kExitUsage;
    }
    const auto pgm = numberArgument(session, "PGM", kMostPgms, wanted ? 2 : 1);
    if (!pgm)
        return kExitUsage;
    return runCommand(session, [&](PanelLink& link, std::ostream& err) -> std::optional<Request> {
        const int pgms = std::min(link.identity().pgmCount, kMostPgms);
        if (*pgm > pgms) {
            printProblem(err, "PGM " + std::to_string(*pgm) + ": the panel has " + std::to_string(pgms) + " PGM outputs");
            return std::nullopt;
        }
        const auto& rows = link.model().pgms();
        if (wanted && std::size_t(*pgm) <= rows.size()) {
            const bool on = rows[std::size_t(*pgm - 1)].on;
            if (on == *wanted)
                return Request{operations::kChangePgm, *pgm - 1,
                               "PGM " + std::to_string(*pgm) + " is already " + (on ? "on" : "off")};
        }
        return Request{operations::kChangePgm, *pgm - 1, {}};
    });
}

} // namespace qarvo::cli
