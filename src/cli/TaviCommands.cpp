#include "cli/TaviCommands.h"

#include "app/Strings.h"
#include "base/AtomicFile.h"
#include "base/TextIds.h"
#include "cli/JsonOutput.h"
#include "cli/PanelRun.h"
#include "cli/WriteCheck.h"
#include "communicator/FirmwareUpdate.h"
#include "communicator/TaviModelInfo.h"
#include "communicator/TaviTasks.h"
#include "link/Datagram.h"


#include <optional>
#include <string_view>

namespace qarvo::cli {

namespace {

constexpr std::string_view kForce = "--force";
constexpr std::string_view kDryRun = "--dry-run";
constexpr long kFirstPgm = 1;
constexpr long kLastPgm = static_cast<long>(tavi::kPgmCount);

// The communicator connection of one command with the options page's side
// of it ("Connected" and "Disconnected" are progress, not results): the state poll runs while the connection is open, and the command
// ends with the close unless the connection ended already.
class TaviSession {
public:
    explicit TaviSession(Session& session) : run_(session) {}

    bool open()
    {
        if (!run_.open())
            return false;
        tasks().connectionOpened();
        return true;
    }

    bool finish() { return run_.finish(); }
    int failure() { return run_.failure(); }

    TaviTasks& tasks() { return run_.panel().tavi; }
    link::Link& link() { return run_.panel().link; }
    CliSink& sink() { return run_.sink(); }

private:
    PanelRun run_;
};

const std::vector<std::string>& arguments(Session& session) { return session.commandLine.arguments; }

bool expectOneArgument(Session& session, std::string_view what)
{
    if (arguments(session).size() == 1)
        return true;
    usageError(session.env.err, "command '" + session.commandLine.command + "' takes one argument: " +
                                    std::string(what));
    return false;
}

// The exit status of a command whose result is good, after the close.
int finishWith(TaviSession& tavi, bool good)
{
    const bool closed = tavi.finish();
    return good && closed ? kExitSuccess : kExitFailure;
}

void printResult(Session& session, TaviSession& tavi, int textId, bool good)
{
    if (good)
        session.env.out << strings::utf8(textId) << std::endl;
    else
        tavi.sink().printLine(strings::utf8(textId));
}

// The bearer byte of the accept reply, which the control reply slot still
// holds right after the opening; 0 ("Unknown") when it holds another reply.
std::uint8_t acceptReplyBearer(link::Link& link)
{
    const auto reply = link.socket.controlReply();
    if (reply.size() < link::kHeaderSize || reply[link::offset::kCommand] != link::control::kLoginAccepted)
        return 0;
    return reply[link::offset::kBearer];
}

// Prints the update's stages, progress and new version as they come.
class FirmwarePrinter final : public NoticeSink {
public:
    explicit FirmwarePrinter(CliSink& sink) : sink_(sink) {}

    void post(const Notice& notice) override
    {
        const auto* n = std::get_if<CommunicatorNotice>(&notice);
        if (!n)
            return;
        switch (n->kind) {
        case CommunicatorNotice::Kind::FirmwareStage:
            sink_.printNote(strings::utf8(static_cast<int>(n->value)));
            break;
        case CommunicatorNotice::Kind::FirmwareProgress:
            sink_.printNote(strings::utf8(text_id::kCompleted) + std::to_string(n->value) + "%");
            break;
        case CommunicatorNotice::Kind::FirmwareVersion:
            sink_.printNote(strings::utf8(text_id::kUpdatingTo) + " " +
                            firmwareVersionText(static_cast<std::uint32_t>(n->value)));
            break;
        default:
            break;
        }
    }

private:
    CliSink& sink_;
};

QString qtext(const std::string& text) { return QString::fromStdString(text); }

// The communicator's description with names and types of its own: the
// texts of the options page where a value is one, and the live state of
// its inputs and outputs as booleans.
QJsonObject taviInfoJson(const TaviModelInfo& info, bool bootLoader, std::uint8_t bearer, std::uint32_t peer)
{
    QJsonArray pgms;
    for (int pgm = 0; pgm < info.capabilities().pgmCount; ++pgm)
        pgms.append((info.state & (tavi_state::kPgm1 << pgm)) != 0);
    return {{"model", qtext(info.modelText())},
            {"model_code", info.modelCode},
            {"hardware_revision", qtext(info.hardwareRevisionText())},
            {"software_revision", qtext(info.softwareRevisionText(bootLoader))},
            {"boot_loader", bootLoader},
            {"connected_by", qtext(taviBearerText(bearer))},
            {"id", qtext(info.idText())}, // an identifier in hexadecimal, as the page shows it
            {"serial_number", qint64(info.serialNumber)},
            {"mac", qtext(info.macText())},
            {"ip", qtext(ipv4Text(peer))},
            {"input_1", (info.state & tavi_state::kInput1) != 0},
            {"input_2", (info.state & tavi_state::kInput2) != 0},
            {"tamper", (info.state & tavi_state::kTamper) != 0},
            {"jamming", (info.state & tavi_state::kJamming) != 0},
            {"pgms", pgms},
            {"rssi", info.rssi}};
}

// The options the write would change, by name, on the output; nothing is
// written.
int showTaviDryRun(Session& session, TaviSession& tavi, const TaviOptions& wanted,
                   const TaviCapabilities& capabilities, const std::string& file)
{
    const int text = tavi.tasks().readOptions();
    if (text != text_id::kDownloadingSuccessfully) {
        printResult(session, tavi, text, false);
        return finishWith(tavi, false);
    }
    const auto differences = taviDifferences(tavi.tasks().record(), wanted, capabilities);
    for (const std::string& line : differences)
        session.env.out << line << '\n';
    session.env.out.flush();
    if (!session.commandLine.options.quiet)
        session.env.err << differences.size() << " communicator option(s) would change; " << file
                    << " was not written to the communicator (--dry-run)." << std::endl;
    return finishWith(tavi, true);
}

} // namespace

int runTaviInfo(Session& session)
{
    const bool json = arguments(session).size() == 1 && arguments(session).front() == "--json";
    if (!arguments(session).empty() && !json)
        return usageError(session.env.err, "command 'tavi-info' takes no argument but --json");
    TaviSession tavi(session);
    if (!tavi.open())
        return tavi.failure();
    const auto payload = tavi.link().connection.modelInfo();
    const auto info = TaviModelInfo::parse(payload);
    if (!info) {
        tavi.sink().printLine("The communicator's description is incomplete (" + std::to_string(payload.size()) +
                              " of " + std::to_string(TaviModelInfo::kSize) + " bytes).");
        return finishWith(tavi, false);
    }
    const bool bootLoader = tavi.link().connection.bootLoaderMode();
    const std::uint8_t bearer = acceptReplyBearer(tavi.link());
    const std::uint32_t peer = tavi.link().socket.peer().address;
    if (json) {
        printJson(session.env.out, taviInfoJson(*info, bootLoader, bearer, peer));
        return finishWith(tavi, true);
    }
    for (const TaviInfoLine& line : taviAcceptReplyTexts(*info, bootLoader, bearer, peer))
        session.env.out << line.label << ": " << line.value << '\n';
    session.env.out.flush();
    return finishWith(tavi, true);
}

int runTaviRead(Session& session)
{
    if (!expectOneArgument(session, "OUT.bin"))
        return kExitUsage;
    const std::filesystem::path file = arguments(session).front();
    TaviSession tavi(session);
    if (!tavi.open())
        return tavi.failure();
    const int text = tavi.tasks().readOptions();
    const bool read = text == text_id::kDownloadingSuccessfully;
    printResult(session, tavi, text, read);
    if (!read)
        return finishWith(tavi, false);
    const TaviOptions record = tavi.tasks().record();
    if (const std::string why = writeFileAtomically(file, record.bytes); !why.empty()) {
        tavi.sink().printLine(why); // it names the file
        return finishWith(tavi, false);
    }
    return finishWith(tavi, true);
}

int runTaviWrite(Session& session)
{
    std::vector<std::string> files;
    bool force = false;
    bool dryRun = false;
    for (const std::string& arg : arguments(session)) {
        if (arg == kForce)
            force = true;
        else if (arg == kDryRun)
            dryRun = true;
        else
            files.push_back(arg);
    }
    if (files.size() != 1)
        return usageError(session.env.err, "command 'tavi-write' takes one argument: IN.bin [--dry-run] [--force]");

    std::vector<std::uint8_t> bytes;
    std::string why;
    if (!readWholeFile(files.front(), bytes, why)) {
        session.env.err << why << std::endl; // it names the file
        return kExitFailure;
    }
    if (bytes.size() != tavi::kOptionsSize) {
        session.env.err << files.front() << ": holds " << bytes.size() << " bytes; an options record holds "
                        << tavi::kOptionsSize << "." << std::endl;
        return kExitFailure;
    }
    TaviOptions record;
    std::copy(bytes.begin(), bytes.end(), record.bytes.begin());

    TaviSession tavi(session);
    if (!tavi.open())
        return tavi.failure();
    // The options page's own conversion judges the record for this model of
    // communicator: a value it refuses, or would store otherwise, is not sent.
    const auto info = TaviModelInfo::parse(tavi.link().connection.modelInfo());
    const TaviCapabilities capabilities = info ? info->capabilities() : TaviCapabilities{};
    if (const auto refusal = taviRefusal(record, capabilities)) {
        tavi.sink().printLine(files.front() + ": " + *refusal + "; nothing was written.");
        return finishWith(tavi, false);
    }
    if (dryRun)
        return showTaviDryRun(session, tavi, record, capabilities, files.front());
    tavi.tasks().setRecord(record);
    tavi.tasks().setConfirmUnchangedWrite([&] {
        if (!force)
            tavi.sink().printLine(strings::utf8(text_id::kSettingsNotChanged));
        return force;
    });
    const auto text = tavi.tasks().writeOptions();
    if (!text)
        return finishWith(tavi, false);
    const bool written = *text == text_id::kUploadedSuccessfully;
    printResult(session, tavi, *text, written);
    return finishWith(tavi, written);
}

int runTaviPgm(Session& session)
{
    if (!expectOneArgument(session, "N (1 to 4)"))
        return kExitUsage;
    const auto pgm = parseDecimal(arguments(session).front(), kFirstPgm, kLastPgm);
    if (!pgm)
        return usageError(session.env.err, "invalid PGM '" + arguments(session).front() + "': expected 1 to 4");
    TaviSession tavi(session);
    if (!tavi.open())
        return tavi.failure();
    const TaviPgmResult result = tavi.tasks().togglePgm(static_cast<std::uint8_t>(*pgm - kFirstPgm));
    if (!result.ok()) {
        tavi.sink().printLine(strings::utf8(result.textId));
        return finishWith(tavi, false);
    }
    session.env.out << "PGM" << (result.pgm + kFirstPgm) << " "
                    << strings::utf8(result.state ? text_id::kOn : text_id::kOff) << std::endl;
    return finishWith(tavi, true);
}

int runFirmwareUpdate(Session& session)
{
    if (!expectOneArgument(session, "HOST:PORT"))
        return kExitUsage;
    const auto server = parseHostPort(arguments(session).front());
    if (!server)
        return usageError(session.env.err,
                          "invalid update server '" + arguments(session).front() + "': expected HOST:PORT");
    TaviSession tavi(session);
    if (!tavi.open())
        return tavi.failure();
    if (const auto info = TaviModelInfo::parse(tavi.link().connection.modelInfo()))
        tavi.sink().printNote(strings::utf8(text_id::kCurrentVersion) + " " +
                              firmwareCurrentVersionText(*info, tavi.link().connection.bootLoaderMode()));
    FirmwarePrinter printer(tavi.sink());
    const int result = tavi.tasks().firmware().run(server->host, server->port, printer);
    if (result == text_id::kUpdateServerUnknown)
        tavi.sink().printLine(strings::utf8(result) + "\n" + server->host);
    // Nothing to update is as good an end as a new firmware.
    return finishWith(tavi, result == kFirmwareDownloaded || result == text_id::kFirmwareUpToDate);
}

} // namespace qarvo::cli
