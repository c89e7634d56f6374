// The command line as an installer's tool: nothing reaches a device
// unchecked, nothing is lost on the way, and a peer that is missing or
// silent ends the run with a clear message and its exit status. Run
// in-process against a simulated communicator and panel of the test's own.
#include "cli/CliApp.h"
#include "cli/DocumentCommands.h"
#include "cli/EventLogCommands.h"

#include "app/PanelBackup.h"
#include "communicator/TaviModelInfo.h"
#include "communicator/TaviOptions.h"
#include "panel/CUploadDoc.h"
#include "panel/FieldCodecs.h"
#include "panel/FixedRegion.h"
#include "link/ConnectionSettings.h"
#include "operations/WrittenPages.h"
#include "sim/DemoPeers.h"
#include "support/CliFixture.h"
#include "support/Documents.h"
#include "support/Eventually.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <set>
#include <sstream>

using namespace qarvo;
using namespace qarvo::cli;
using namespace qarvo::testing;
namespace fs = std::filesystem;

namespace {

class SafeWrites : public CliPanelTest {
protected:
    void SetUp() override
    {
        CliPanelTest::SetUp();
        own_.panel.setMemory(demoProgramming(0x24));
    }

    // A document holding what the panel holds, changed by edit.
    std::string document(const char* name, const std::function<void(panel::CUploadDoc&)>& edit)
    {
        const std::string path = file(name).string();
        EXPECT_EQ(run({"new", path}).status, kExitSuccess);
        panel::CUploadDoc doc("Current log");
        EXPECT_EQ(doc.open(path), "");
        const auto memory = own_.panel.memory();
        std::ranges::copy(memory, doc.image().bytes().begin());
        edit(doc);
        EXPECT_EQ(doc.save(path), "");
        return path;
    }
};

void fiveDigitCode(panel::CUploadDoc& doc)
{
    // 1 2 3 4 5 and an unused nibble: neither 4 nor 6 digits.
    const std::uint8_t code[] = {0x12, 0x34, 0x5F};
    std::ranges::copy(code, doc.image().range(panel::fixed::userRecordOffset(2), 3).begin());
}

void formatWithoutItem(panel::CUploadDoc& doc) { doc.bytes(panel::Setting::CommunicationFormat1)[0] = 0xEE; }

} // namespace

TEST_F(SafeWrites, AValueThePagesRefuseIsRefusedBeforeAnythingIsSent)
{
    struct Case {
        const char* command;
        void (*edit)(panel::CUploadDoc&);
        const char* named; // the setting the refusal names
    };
    const Case cases[] = {
        {"write-master", fiveDigitCode, "user.02.code"},
        {"write-installer", formatWithoutItem, "format"},
    };
    for (const Case& c : cases) {
        const std::string doc = document("bad.rps", c.edit);
        const CliRun r = run({c.command, doc});
        EXPECT_EQ(r.status, kExitFailure) << c.command;
        EXPECT_TRUE(contains(r.err, c.named) && contains(r.err, "nothing was written")) << r.err;
        EXPECT_EQ(own_.communicator.counters.hellos, 0u) << "no datagram before the check";
        EXPECT_EQ(own_.panel.counters().memoryWrites, 0u);
        fs::remove(doc);
    }
}

TEST_F(SafeWrites, DryRunNamesTheSettingsThatWouldChangeAndWritesNothing)
{
    const std::string doc = document("edit.rps", [](panel::CUploadDoc& d) {
        std::ranges::copy(panel::encodeText16("Back door"), d.bytes(panel::zoneName(2)).begin());
    });
    const auto memory = own_.panel.memory();
    const CliRun r = run({"write-installer", doc, "--dry-run"});
    ASSERT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_TRUE(contains(r.out, "zone.02.name: 'Hall' -> 'Back door'")) << r.out;
    EXPECT_FALSE(contains(r.out, "zone.01.name")) << "the panel and the document agree on zone 1";
    EXPECT_TRUE(contains(r.err, "--dry-run")) << r.err;
    EXPECT_EQ(own_.panel.counters().memoryWrites, 0u);
    EXPECT_EQ(own_.panel.memory(), memory);
}

TEST_F(SafeWrites, OnlyAnOptionsRecordTheOptionsPageAcceptsIsWritten)
{
    std::mt19937 random(7);
    std::vector<std::uint8_t> noise(tavi::kOptionsSize);
    for (auto& b : noise)
        b = static_cast<std::uint8_t>(random());
    const auto defaults = TaviOptions::builtInDefaults().bytes;
    struct Case {
        std::vector<std::uint8_t> record;
        bool written;
    };
    const Case cases[] = {{noise, false}, {{defaults.begin(), defaults.end()}, true}};
    for (const Case& c : cases) {
        const fs::path in = file("options.bin");
        std::ofstream(in, std::ios::binary)
            .write(reinterpret_cast<const char*>(c.record.data()), std::streamsize(c.record.size()));
        const unsigned writesBefore = own_.communicator.counters.optionWrites;
        const CliRun r = run({"tavi-write", in.string(), "--force"});
        EXPECT_EQ(r.status, c.written ? kExitSuccess : kExitFailure) << r.err;
        EXPECT_EQ(contains(r.err, "nothing was written"), !c.written) << r.err;
        EXPECT_EQ(own_.communicator.counters.optionWrites, writesBefore + (c.written ? 1u : 0u));
    }
}

TEST_F(SafeWrites, ReadingIntoADocumentOfAnotherModelNeedsReplace)
{
    const std::string doc = file("v1.rps").string();
    ASSERT_EQ(run({"new", doc, "--type", "21"}).status, kExitSuccess);
    const auto before = fileBytes(doc);
    for (const char* command : {"read-installer", "read-master"}) {
        const CliRun r = run({command, doc});
        EXPECT_EQ(r.status, kExitFailure) << command;
        EXPECT_TRUE(contains(r.err, "--replace")) << r.err;
        EXPECT_EQ(fileBytes(doc), before) << command;
    }
    const CliRun events = run({"read-events", "--doc", doc});
    EXPECT_EQ(events.status, kExitFailure);
    EXPECT_EQ(fileBytes(doc), before);

    ASSERT_EQ(run({"read-installer", doc, "--replace"}).status, kExitSuccess);
    panel::CUploadDoc replaced("Current log");
    ASSERT_EQ(replaced.open(doc), "");
    EXPECT_EQ(replaced.layout().typeCode(), 0x24);
}

TEST_F(SafeWrites, AnUnwritableOutputLeavesTheLogUnread)
{
    own_.panel.setEventLog(demoEvents(), kDemoUnreadEvents);
    const CliRun r = run({"read-events", "--mark-read", "--txt", (dir() / "missing" / "log.txt").string()});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_TRUE(contains(r.err, "nothing was read")) << r.err;
    EXPECT_EQ(own_.panel.unreadEvents(), kDemoUnreadEvents);
    EXPECT_EQ(own_.communicator.counters.hellos, 0u);

    // Written where it can be, the lines are saved before the log is marked.
    const CliRun good = run({"read-events", "--mark-read", "--txt", file("log.txt").string()});
    ASSERT_EQ(good.status, kExitSuccess) << good.err;
    EXPECT_EQ(own_.panel.unreadEvents(), 1u) << "only the panel's own note of the marking is unread";
    EXPECT_GT(fs::file_size(file("log.txt")), 0u);
}

TEST_F(SafeWrites, CtrlCDuringAWriteEndsTheLinkAndNamesThePage)
{
    const std::string doc = document("edit.rps", [](panel::CUploadDoc& d) {
        std::ranges::copy(panel::encodeText16("Back door"), d.bytes(panel::zoneName(2)).begin());
    });
    // Slow enough that the write is still under way when the key is pressed.
    own_.communicator.setFaults({.delay = std::chrono::milliseconds(10)}, {.delay = std::chrono::milliseconds(10)});
    std::atomic<bool> ctrlC{false};
    qarvo::testing::CliInBackground write({"write-installer", doc, "--no-backup"},
                                          {.executableDirectory = dir(), .interrupt = &ctrlC});
    ASSERT_TRUE(qarvo::testing::eventually([&] { return own_.panel.counters().memoryWrites > 0; }));
    ctrlC = true;
    const CliRun r = write.finish();
    EXPECT_EQ(r.status, kExitInterrupted) << r.err;
    EXPECT_TRUE(contains(r.err, "the installer page may be partly written")) << r.err;
    EXPECT_EQ(own_.panel.counters().endOfLinks, 1u) << "the link ended with its end-of-link request";
    EXPECT_TRUE(qarvo::testing::eventually([&] { return !own_.communicator.sessionOpen(); }));
}

TEST_F(SafeWrites, ACorruptDocumentIsRefusedBeforeAnythingIsSentOrChanged)
{
    const std::string good = file("good.rps").string();
    ASSERT_EQ(run({"new", good}).status, kExitSuccess);
    const Bytes whole = fileBytes<std::uint8_t>(good);
    const std::vector<Bytes> corruptions = {
        {},                                                // empty
        {whole.begin(), whole.begin() + whole.size() / 2}, // cut short
        Bytes(whole.size(), 0x5A),                         // the right size, no document
    };
    const std::string doc = file("corrupt.rps").string();
    const Args commands[] = {{"write-installer", doc}, {"write-master", doc}, {"restore", doc},
                             {"set", doc, "delay.entry-1=30"}, {"show", doc}, {"check", doc},
                             {"diff", doc, good}, {"diff", good, doc}};
    for (const Bytes& bytes : corruptions) {
        std::ofstream(doc, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        for (const Args& args : commands) {
            const CliRun r = run(args);
            const std::string what = args[0] + " on " + std::to_string(bytes.size()) + " bytes";
            EXPECT_NE(r.status, kExitSuccess) << what;
            EXPECT_TRUE(contains(r.err, "corrupt.rps")) << what << ": " << r.err;
            EXPECT_EQ(r.out, "") << what;
            EXPECT_EQ(fileBytes<std::uint8_t>(doc), bytes) << what;
        }
    }
    EXPECT_EQ(own_.communicator.counters.hellos, 0u) << "no datagram for a document that does not open";
    EXPECT_EQ(fileBytes<std::uint8_t>(good), whole);
}

TEST_F(SafeWrites, ASilentPanelEndsWithTheTimeOutNamedAndExitThree)
{
    own_.panel.setSilent(true);
    const CliRun r = run({"identify"});
    EXPECT_EQ(r.status, kExitConnection) << r.err;
    EXPECT_TRUE(contains(r.err, "Timed out: ")) << r.err;
    EXPECT_TRUE(contains(r.err, " ms") || contains(r.err, " s")) << r.err;
}

TEST(NoPeer, WithoutAnAddressCommandsExitTwoBeforeSendingAnything)
{
    qarvo::testing::TempDir empty;
    const Args commands[] = {{"identify"}, {"status"}, {"connect"}, {"tavi-info"}, {"read-events"},
                             {"--mode", "callback", "connect"}};
    for (const Args& args : commands) {
        const CliRun r = qarvo::testing::runCommandLine(args, {empty.path()});
        EXPECT_EQ(r.status, kExitUsage) << args.back();
        EXPECT_TRUE(contains(r.err, "no communicator address: use --address or IP Settings") ||
                    contains(r.err, "no callback server"))
            << r.err;
        EXPECT_FALSE(contains(r.err, "Connecting")) << r.err;
    }
    link::ConnectionSettings defaults;
    EXPECT_EQ(defaults.communicatorAddress, link::kNoAddress) << "no default peer";
}

TEST_F(SafeWrites, PgmOnOffAndToggleActOnTheOutputsReportedState)
{
    struct Case {
        bool on;
        const char* asked; // nullptr: switch over
        bool onAfter;
    };
    const Case cases[] = {{false, "on", true},  {false, "off", false}, {false, nullptr, true},
                          {true, "on", true},   {true, "off", false},  {true, nullptr, false}};
    constexpr std::uint8_t kPgm1 = 0x80;
    for (const Case& c : cases) {
        sim::PanelStatus status = own_.panel.status();
        status.pgmStates = c.on ? kPgm1 : 0;
        own_.panel.setStatus(status);
        Args args{"pgm", "1"};
        if (c.asked)
            args.push_back(c.asked);
        const CliRun r = run(args);
        const std::string row = std::string(c.on ? "on" : "off") + " -> " + (c.asked ? c.asked : "toggle");
        EXPECT_EQ(r.status, kExitSuccess) << row << '\n' << r.err;
        EXPECT_EQ((own_.panel.status().pgmStates & kPgm1) != 0, c.onAfter) << row;
        EXPECT_EQ(contains(r.err, "nothing was sent"), c.on == c.onAfter) << row << '\n' << r.err;
    }
}

TEST_F(SafeWrites, AWriteThatStopsShortSaysThePanelMayBePartlyWrittenAndHowToRestoreIt)
{
    const std::string doc = document("edit.rps", [](panel::CUploadDoc& d) {
        std::ranges::copy(panel::encodeText16("Back door"), d.bytes(panel::zoneName(2)).begin());
    });
    const auto before = own_.panel.memory();
    struct Case {
        const char* name;
        std::function<void(std::atomic<bool>& ctrlC)> stop;
        int status;
    };
    const Case cases[] = {
        {"silent panel", [&](std::atomic<bool>&) { own_.panel.setSilent(true); }, kExitConnection},
        {"connection closed", [&](std::atomic<bool>&) { own_.communicator.sendClose(); }, kExitFailure},
        {"Ctrl-C", [](std::atomic<bool>& ctrlC) { ctrlC = true; }, kExitInterrupted},
    };
    const std::string restoreHint = "to put them back: qarvoip-cli ";
    for (const Case& c : cases) {
        // Slow enough that the write is still under way when it is stopped.
        own_.communicator.setFaults({.delay = std::chrono::milliseconds(5)}, {.delay = std::chrono::milliseconds(5)});
        std::atomic<bool> ctrlC{false};
        const unsigned writesBefore = own_.panel.counters().memoryWrites;
        qarvo::testing::CliInBackground write({"--home", dir().string(), "write-installer", doc},
                                              {.executableDirectory = dir(), .interrupt = &ctrlC});
        // The backup reads both pages first: that takes a while on this line.
        ASSERT_TRUE(eventually([&] { return own_.panel.counters().memoryWrites > writesBefore; }, Millis(60000)))
            << c.name;
        c.stop(ctrlC);
        const CliRun r = write.finish();
        EXPECT_EQ(r.status, c.status) << c.name << '\n' << r.err;
        EXPECT_TRUE(contains(r.err, "the installer page may be partly written")) << c.name << '\n' << r.err;

        // The command it names puts the panel back as it was.
        own_.panel.setSilent(false);
        own_.communicator.setFaults({}, {});
        const auto hint = r.err.find(restoreHint);
        ASSERT_NE(hint, std::string::npos) << r.err;
        const std::string command = r.err.substr(hint + restoreHint.size(), r.err.find('\n', hint) - hint - restoreHint.size());
        std::istringstream words(command);
        const CliRun restore = run(Args(std::istream_iterator<std::string>(words), {}));
        ASSERT_EQ(restore.status, kExitSuccess) << command << '\n' << restore.err;
        EXPECT_EQ(own_.panel.memory(), before) << c.name;
    }
}

TEST_F(SafeWrites, APageTheDocumentNeverHeldIsNotWrittenWithoutForce)
{
    const std::string installerOnly = file("installer-only.rps").string();
    ASSERT_EQ(run({"read-installer", installerOnly}).status, kExitSuccess);
    const auto before = own_.panel.memory();
    struct Case {
        Args args;
        bool refused;
    };
    const Case cases[] = {
        {{"write-master", installerOnly}, true},
        {{"restore", installerOnly}, true},
        {{"restore", installerOnly, "--dry-run"}, true},
        {{"write-installer", installerOnly}, false},
        {{"write-master", installerOnly, "--force", "--dry-run"}, false},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.refused ? kExitFailure : kExitSuccess) << c.args[0] << '\n' << r.err;
        EXPECT_EQ(contains(r.err, "holds no master page of its own"), c.refused) << r.err;
        EXPECT_EQ(own_.panel.memory(), before) << c.args[0];
    }
}

TEST_F(SafeWrites, APanelThatAlreadyHoldsThePageIsNotWrittenAgainNorBackedUp)
{
    const std::string doc = document("same.rps", [](panel::CUploadDoc&) {});
    const unsigned writesBefore = own_.panel.counters().memoryWrites;
    for (const Args& args : {Args{"write-installer", doc}, Args{"restore", doc}}) {
        const CliRun r = run(args);
        ASSERT_EQ(r.status, kExitSuccess) << r.err;
        EXPECT_TRUE(contains(r.out, "already up to date")) << r.out;
    }
    EXPECT_EQ(own_.panel.counters().memoryWrites, writesBefore);
    EXPECT_FALSE(fs::exists(dir() / app::kBackupsFolder));
}

TEST_F(SafeWrites, EachCommunicatorKeepsItsBackupsInAFolderOfItsOwnForItsOwnerOnly)
{
    const std::string doc = document("edit.rps", [](panel::CUploadDoc& d) {
        std::ranges::copy(panel::encodeText16("Back door"), d.bytes(panel::zoneName(2)).begin());
    });
    std::set<fs::path> folders;
    for (const std::int32_t serial : {1001, 1002}) {
        own_.communicator.configure([serial](sim::CommunicatorConfig& config) {
            auto info = *TaviModelInfo::parse(config.modelInfo);
            info.serialNumber = serial;
            const auto bytes = info.encode();
            config.modelInfo.assign(bytes.begin(), bytes.end());
        });
        own_.panel.setMemory(demoProgramming(0x24));
        const CliRun r = run({"--home", dir().string(), "write-installer", doc});
        ASSERT_EQ(r.status, kExitSuccess) << r.err;
        const fs::path folder = app::backupFolder(dir(), serial, 0x0000);
        ASSERT_TRUE(fs::is_directory(folder)) << r.err;
        ASSERT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << folder;
        EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
        EXPECT_EQ(fs::status(*fs::directory_iterator(folder)).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write);
        folders.insert(folder);
    }
    EXPECT_EQ(folders.size(), 2u);
}

TEST(LossyLink, BothPagesAreReadAndWrittenByteExactThroughLossAndDuplication)
{
    // The simulator as qarvoip-sim runs it: the panel repeats itself after
    // its answer time-out, so a lost datagram costs that time, not the link.
    qarvo::testing::TempDir dir;
    sim::DemoSetup setup{.answerTimeout = std::chrono::milliseconds(100)};
    const sim::Faults lossy{.loss = 0.05, .duplicate = 0.05};
    setup.communicator.toProgram = setup.communicator.fromProgram = lossy;
    sim::DemoPeers peers(setup);
    ASSERT_TRUE(peers.start());
    link::ConnectionSettings settings;
    peers.pointSettingsAt(settings);
    ASSERT_TRUE(link::saveSettings(dir.file(link::kSettingsFileName), settings));
    const CliSetup cli{.executableDirectory = dir.path()};
    const std::string doc = dir.file("lossy.rps").string();

    // Every byte a write of the page sends is the panel's.
    const auto panelHolds = [&](operations::Transfer write) {
        panel::CUploadDoc panelCopy = openDocument(doc);
        std::ranges::copy(peers.panel().memory(), panelCopy.image().bytes().begin());
        return operations::alreadyWritten(write, openDocument(doc), panelCopy);
    };
    for (const char* read : {"read-installer", "read-master"}) {
        const CliRun r = runCommandLine({read, doc}, cli);
        ASSERT_EQ(r.status, kExitSuccess) << read << '\n' << r.err;
    }
    EXPECT_TRUE(panelHolds(operations::Transfer::WriteInstaller));
    EXPECT_TRUE(panelHolds(operations::Transfer::WriteMaster));

    panel::CUploadDoc edited = openDocument(doc);
    std::ranges::copy(panel::encodeText16("Back door"), edited.bytes(panel::zoneName(2)).begin());
    const auto welcome = edited.bytes(panel::Setting::WelcomeMessage);
    ASSERT_FALSE(welcome.empty());
    welcome[0] ^= 0x01;
    ASSERT_EQ(edited.save(doc), "");
    const CliRun r = runCommandLine({"restore", doc}, cli);
    ASSERT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_TRUE(panelHolds(operations::Transfer::WriteInstaller));
    EXPECT_TRUE(panelHolds(operations::Transfer::WriteMaster));
    EXPECT_GT(peers.panel().counters().answerTimeouts, 0u) << "no datagram was lost: the test tested nothing";
}
