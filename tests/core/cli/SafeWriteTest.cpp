// The command line as an installer's tool: nothing reaches a device
// unchecked, nothing is lost on the way, and a peer that is missing or
// silent ends the run with a clear message and its exit status. Run
// in-process against a simulated communicator and panel of the test's own.
#include "cli/CliApp.h"
#include "cli/DocumentCommands.h"
#include "cli/EventLogCommands.h"

#include "communicator/TaviOptions.h"
#include "panel/CUploadDoc.h"
#include "panel/FieldCodecs.h"
#include "panel/FixedRegion.h"
#include "support/CliFixture.h"
#include "support/Documents.h"
#include "support/Eventually.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <random>

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
