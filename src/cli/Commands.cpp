#include "cli/Commands.h"

#include "cli/DocumentCommands.h"
#include "cli/EventLogCommands.h"
#include "cli/PanelCommands.h"
#include "cli/PanelRun.h"
#include "cli/SettingCommands.h"
#include "cli/FleetCommands.h"
#include "cli/SiteCommands.h"
#include "cli/TaviCommands.h"

#include <algorithm>
#include <array>

namespace qarvo::cli {

namespace {

constexpr std::array kCommands{
    CommandRow{"connect", "open the communicator connection, then close it", false, runConnect},
    CommandRow{"demo", "[DOC.rps]: run a session with the embedded simulator and save what it read into a new document (default: the first free demo.rps, demo-2.rps... here)", true, runDemo},
    CommandRow{"identify", "[--json]: identify the panel: its model and identity values", false, runIdentify},
    CommandRow{"status", "[--json]: show the panel's online status: partitions, troubles, clock, zones, PGMs", false, runStatus},
    CommandRow{"arm", "[--partition A|B]: arm the system or a partition", false, runArm},
    CommandRow{"disarm", "[--partition A|B]: disarm the system or a partition", false, runDisarm},
    CommandRow{"stop-autoarm", "[--partition A|B]: stop the autoarming countdown", false, runStopAutoarm},
    CommandRow{"bypass", "ZONE: bypass the zone", false, runBypass},
    CommandRow{"unbypass", "ZONE: unbypass the zone", false, runUnbypass},
    CommandRow{"chime", "[on|off]: switch the chime over, or set it (exit 0 when it already is)", false, runChime},
    CommandRow{"sync-time", "set the panel clock from this computer's", false, runSyncTime},
    CommandRow{"pgm", "N [on|off]: switch the panel's PGM output N over, or set it", false, runPgm},
    CommandRow{"new", "DOC.rps [--type CODE]: a new settings document for panel type CODE (default 24)", false, runNew, true},
    CommandRow{"read-installer", "DOC.rps [--replace]: read the installer page into the document (made when missing)", false,
               runReadInstaller},
    CommandRow{"read-master", "DOC.rps [--replace]: read the master page into the document (made when missing)", false,
               runReadMaster},
    CommandRow{"write-installer", "DOC.rps [--dry-run] [--no-backup] [--verify] [--force]: check the document's installer page as the pages "
               "do, keep a backup of the panel's pages, write it unless the panel already holds it", false,
               runWriteInstaller},
    CommandRow{"backup", "DIR|FILE.rps: both pages, the event log and the communicator options in one document",
               false, runBackup},
    CommandRow{"restore", "FILE.rps [--dry-run] [--no-backup] [--force]: check, back up, write both pages and verify them", false,
               runRestore},
    CommandRow{"write-master", "DOC.rps [--dry-run] [--no-backup] [--verify] [--force]: check the document's master page as the pages do, "
               "keep a backup of the panel's pages, write it unless the panel already holds it", false, runWriteMaster},
    CommandRow{"read-events", "[--all] [--mark-read] [--json] [--txt OUT.txt] [--csv OUT.csv] [--doc DOC.rps [--replace]]: read the "
               "panel's event log; "
               "--mark-read marks it only once every output is saved",
               false, runReadEvents},
    CommandRow{"settings", "[--type CODE] [--json | --markdown]: list every setting by name with its kind, range and label", false,
               runSettings, true},
    CommandRow{"show", "DOC.rps [--json]: print every setting of the document", false, runShow, true},
    CommandRow{"set", "DOC.rps NAME=VALUE... [--from FILE.json]: change settings, checked as the pages do", false,
               runSet, true},
    CommandRow{"check", "DOC.rps [--json]: report the first invalid value of the document", false, runCheck, true},
    CommandRow{"diff", "A.rps B.rps [--json]: list the settings that differ (exit 0 equal, 1 differ, 2 error)", false,
               runDiff, true},
    CommandRow{"tavi-info", "[--json]: show the communicator's model information", false, runTaviInfo},
    CommandRow{"tavi-read", "OUT.bin: read the communicator options into the file", false, runTaviRead},
    CommandRow{"tavi-write", "IN.bin [--dry-run] [--force]: check the file's communicator options as the options page does, then write them (--dry-run: name the options that would change)", false, runTaviWrite},
    CommandRow{"tavi-pgm", "N: toggle the communicator's PGM N (1 to 4)", false, runTaviPgm},
    CommandRow{"firmware-update", "HOST:PORT: make the communicator update its firmware", false, runFirmwareUpdate},
    CommandRow{"sites", "SUBCOMMAND [NAME] [options]: the site book: add, edit, rm, list, show, import, export, "
               "history, diff", false, runSites, true, sitesHelp},
    CommandRow{"fleet",
               "SUBCOMMAND [options]: one job over many sites of the book: backup, events, status, report; "
               "worker, wait for runs queued in a shared book",
               false, runFleet, true, fleetHelp},
};

struct Example {
    std::string_view command;
    std::string_view line; // after the program's name
};
// Most panel commands run against the embedded simulator here, so they can
// be tried as they stand.
constexpr Example kExamples[] = {
    {"connect", "--demo connect"},
    {"demo", "demo site.rps"},
    {"identify", "--demo identify --json"},
    {"status", "--address 192.168.0.9 --password 5307 status --json"},
    {"arm", "--demo arm --partition A"},
    {"disarm", "--demo disarm"},
    {"stop-autoarm", "--demo stop-autoarm"},
    {"bypass", "--demo bypass 3"},
    {"unbypass", "--demo unbypass 3"},
    {"chime", "--demo chime on"},
    {"sync-time", "--demo sync-time"},
    {"pgm", "--demo pgm 2 on"},
    {"new", "new site.rps --type 24"},
    {"read-installer", "--demo read-installer site.rps"},
    {"read-master", "--demo read-master site.rps"},
    {"write-installer", "--demo write-installer site.rps --dry-run"},
    {"backup", "--demo backup ."},
    {"restore", "--demo restore site.rps"},
    {"write-master", "--demo write-master site.rps --verify"},
    {"read-events", "--demo read-events --all --json"},
    {"settings", "settings --type 24 --json"},
    {"show", "show site.rps --json"},
    {"set", "set site.rps delay.entry-1=30 zone.02.name=Porch"},
    {"check", "check site.rps --json"},
    {"diff", "diff old.rps site.rps --json"},
    {"tavi-info", "--demo tavi-info --json"},
    {"tavi-read", "--demo tavi-read options.bin"},
    {"tavi-write", "--demo tavi-write options.bin --dry-run"},
    {"tavi-pgm", "--demo tavi-pgm 1"},
    {"firmware-update", "--address 192.168.0.9 firmware-update 192.168.0.2:51068"},
    {"sites", "sites add shop --address 192.168.0.9 --password-stdin --tag north"},
    {"fleet", "fleet backup --tag north --jobs 16"},
};

// Commands without arguments refuse any they are given.
bool refuseArguments(Session& session)
{
    const auto& line = session.commandLine;
    if (line.arguments.empty())
        return false;
    usageError(session.env.err, "command '" + line.command + "' takes no argument: '" + line.arguments.front() + "'");
    return true;
}

} // namespace

std::span<const CommandRow> commandTable() { return kCommands; }

std::string_view commandExample(std::string_view name)
{
    const auto it = std::find_if(std::begin(kExamples), std::end(kExamples), [&](const Example& e) { return e.command == name; });
    return it == std::end(kExamples) ? std::string_view() : it->line;
}

const CommandRow* findCommand(std::string_view name)
{
    const auto it = std::find_if(kCommands.begin(), kCommands.end(), [&](const CommandRow& c) { return c.name == name; });
    return it == kCommands.end() ? nullptr : &*it;
}

int runConnect(Session& session)
{
    if (refuseArguments(session))
        return kExitUsage;
    PanelRun run(session, PanelRun::ConnectionLines::OnOutput);
    if (!run.open())
        return run.failure();
    return run.finish() ? kExitSuccess : kExitFailure;
}

int runDemo(Session& session) { return runDocumentDemo(session); }

} // namespace qarvo::cli
