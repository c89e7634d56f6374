// The settings document commands of qarvoip-cli, run in-process against the
// embedded demo or a simulated communicator and panel of the test's own.
#include "cli/CliApp.h"
#include "cli/DocumentCommands.h"

#include "communicator/TaviOptions.h"
#include "panel/CUploadDoc.h"
#include "panel/FieldCodecs.h"
#include "support/CliFixture.h"
#include "support/Documents.h"
#include "support/Eventually.h"

#include <gtest/gtest.h>

using namespace qarvo;
using namespace qarvo::cli;
using namespace qarvo::testing;
namespace fs = std::filesystem;

class DocumentCommands : public CliTest {};

TEST_F(DocumentCommands, NewWritesTheDefaultsOfTheChosenModelAndNeverOverwrites)
{
    const CliRun r = run({"new", file("v1.rps").string(), "--type", "21"});
    ASSERT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_TRUE(contains(r.out, "v1.rps")) << r.out;
    const auto doc = openDocument(file("v1.rps"));
    EXPECT_EQ(doc.layout().typeCode(), 0x21);
    // Opening lays the model out again, which puts its model byte at address 0.
    const auto defaults = documentFor(0x21);
    EXPECT_EQ(doc.image()[0], 0xAB);
    EXPECT_TRUE(std::equal(doc.image().bytes().begin() + 1, doc.image().bytes().end(),
                           defaults.image().bytes().begin() + 1));
    EXPECT_EQ(doc.taviOptions(), TaviOptions::builtInDefaults().bytes);

    const auto before = fileBytes(file("v1.rps"));
    const CliRun again = run({"new", file("v1.rps").string()});
    EXPECT_EQ(again.status, kExitFailure);
    EXPECT_TRUE(contains(again.err, "already exists")) << again.err;
    EXPECT_EQ(fileBytes(file("v1.rps")), before);

    ASSERT_EQ(run({"new", file("plain.rps").string()}).status, kExitSuccess);
    EXPECT_EQ(openDocument(file("plain.rps")).layout().typeCode(), 0x24) << "0x24 when no type is given";
    ASSERT_EQ(run({"new", file("hex.rps").string(), "--type=0x29"}).status, kExitSuccess);
    EXPECT_EQ(openDocument(file("hex.rps")).layout().typeCode(), 0x29);

    for (const Args& bad : {Args{"new", file("x.rps").string(), "--type", "2A"}, Args{"new", "--type", "24"},
                            Args{"new", file("x.rps").string(), "--type", "zz"}, Args{"new"}}) {
        EXPECT_EQ(run(bad).status, kExitUsage) << bad.back();
        EXPECT_FALSE(fs::exists(file("x.rps")));
    }
}

TEST_F(DocumentCommands, AReadMakesTheMissingDocumentAndAWriteNeedsOne)
{
    const CliRun read = run({"--demo", "read-installer", file("new.rps").string()});
    ASSERT_EQ(read.status, kExitSuccess) << read.err;
    EXPECT_TRUE(contains(read.out, "Read the installer page")) << read.out;
    const auto doc = openDocument(file("new.rps"));
    EXPECT_EQ(zoneName(doc, 1), "Front door");
    EXPECT_EQ(panel::decodeText16(doc.bytes(panel::Setting::WelcomeMessage)), "QarvoIP demo");
    // Ended as a user would: the end-of-link request, then the close.
    EXPECT_TRUE(contains(read.err, "Disconnecting...")) << read.err;

    ASSERT_EQ(run({"--demo", "read-master", file("new.rps").string()}).status, kExitSuccess);

    const CliRun write = run({"--demo", "write-master", file("missing.rps").string()});
    EXPECT_EQ(write.status, kExitFailure);
    EXPECT_TRUE(contains(write.err, "no such settings file")) << write.err;
    EXPECT_FALSE(fs::exists(file("missing.rps")));
    EXPECT_EQ(run({"--demo", "read-installer"}).status, kExitUsage);
}

TEST_F(DocumentCommands, WritesReachThePanelAndReadsComeBackIntoTheFile)
{
    OwnPanel own(dir());
    ASSERT_TRUE(own.ready);
    // The panel holds the demo programming; the document is edited.
    own.panel.setMemory(demoProgramming(0x24));
    ASSERT_EQ(run({"new", file("edit.rps").string()}).status, kExitSuccess);
    {
        auto doc = openDocument(file("edit.rps"));
        std::ranges::copy(panel::encodeText16("Back door"), doc.bytes(panel::zoneName(2)).begin());
        doc.bytes(panel::Setting::AmbushDigit)[0] = panel::encodeAmbushDigit(3);
        ASSERT_EQ(doc.save(file("edit.rps")), "");
    }
    const CliRun installer = run({"write-installer", file("edit.rps").string()});
    ASSERT_EQ(installer.status, kExitSuccess) << installer.err;
    EXPECT_TRUE(contains(installer.out, "Wrote the installer page")) << installer.out;
    const auto memory = own.panel.memory();
    EXPECT_EQ(panel::decodeText16(std::span(memory).subspan(0x310, 16)), "Back door");
    EXPECT_EQ(own.panel.memoryByte(0x001), 0x0F) << "the ambush digit is the master's";
    EXPECT_EQ(own.panel.counters().completions, 1u);

    // The ambush digit is also among the bytes an installer page read fills:
    // alone, it does not tell a master page of the document's own.
    const CliRun master = run({"write-master", file("edit.rps").string(), "--force"});
    ASSERT_EQ(master.status, kExitSuccess) << master.err;
    EXPECT_EQ(own.panel.memoryByte(0x001), panel::encodeAmbushDigit(3));
    EXPECT_EQ(own.panel.counters().endOfLinks, 2u);
    // The simulator marks the session closed just after its close reply.
    EXPECT_TRUE(qarvo::testing::eventually([&] { return !own.communicator.sessionOpen(); }))
        << "each command closes the connection";

    // The panel changes; a read brings it into the document.
    const std::uint8_t renamed[] = {'G', 'a', 't', 'e'};
    own.panel.writeMemory(0x300, renamed);
    ASSERT_EQ(run({"read-installer", file("edit.rps").string()}).status, kExitSuccess);
    EXPECT_EQ(zoneName(openDocument(file("edit.rps")), 1), "Gate");
}

TEST_F(DocumentCommands, AWriteToAPanelOfAnotherModelWritesNothing)
{
    OwnPanel own(dir());
    ASSERT_TRUE(own.ready);
    ASSERT_EQ(run({"new", file("v1.rps").string(), "--type", "21"}).status, kExitSuccess);
    {
        auto doc = openDocument(file("v1.rps"));
        std::ranges::copy(panel::encodeText16("Back door"), doc.bytes(panel::zoneName(2)).begin());
        ASSERT_EQ(doc.save(file("v1.rps")), "");
    }
    const auto memoryBefore = own.panel.memory();
    const CliRun r = run({"write-installer", file("v1.rps").string()});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_TRUE(contains(r.err, "nothing was written")) << r.err;
    EXPECT_EQ(own.panel.memory(), memoryBefore);
    EXPECT_EQ(own.panel.counters().memoryWrites, 0u);
    EXPECT_EQ(openDocument(file("v1.rps")).layout().typeCode(), 0x21) << "the file is left as it was";
    EXPECT_EQ(own.panel.counters().endOfLinks, 1u);
}

TEST_F(DocumentCommands, TheDemoIdentifiesReadsBothPagesIntoDemoRpsAndReports)
{
    const fs::path before = fs::current_path();
    fs::current_path(dir());
    const CliRun r = run({"demo"});
    fs::current_path(before);
    ASSERT_EQ(r.status, kExitSuccess) << r.err;
    for (const char* line : {"Zones: 16", "User code records: 46", "Read the installer page", "Read the master page",
                             "Zone 1: Front door", "Welcome message: QarvoIP demo", "demo.rps"})
        EXPECT_TRUE(contains(r.out, line)) << line << "\n" << r.out;
    const auto doc = openDocument(file("demo.rps"));
    const auto expected = demoProgramming(0x24);
    for (std::uint32_t a : {0x300u, 0x30Fu, 0x17Cu, 0x416u, 0x524u, 0x094u})
        EXPECT_EQ(doc.image()[a], expected[a]) << std::hex << a;
}

TEST_F(DocumentCommands, TheDemoNeverReplacesAFile)
{
    struct Case {
        Args args;
        int status;
        const char* made; // the document the run saved; nullptr: none
    };
    ASSERT_EQ(run({"new", file("demo.rps").string(), "--type", "21"}).status, kExitSuccess);
    ASSERT_EQ(run({"new", file("mine.rps").string(), "--type", "21"}).status, kExitSuccess);
    const auto demoBefore = fileBytes(file("demo.rps"));
    const auto mineBefore = fileBytes(file("mine.rps"));
    const Case cases[] = {
        {{"demo"}, kExitSuccess, "demo-2.rps"},
        {{"demo"}, kExitSuccess, "demo-3.rps"},
        {{"demo", "mine.rps"}, kExitFailure, nullptr},
        {{"demo", "site.rps"}, kExitSuccess, "site.rps"},
    };
    const fs::path before = fs::current_path();
    fs::current_path(dir());
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.back() << "\n" << r.err;
        if (c.made)
            EXPECT_EQ(openDocument(file(c.made)).layout().typeCode(), 0x24) << c.made;
        else
            EXPECT_TRUE(contains(r.err, "mine.rps already exists; it was left as it is.")) << r.err;
    }
    fs::current_path(before);
    EXPECT_EQ(fileBytes(file("demo.rps")), demoBefore);
    EXPECT_EQ(fileBytes(file("mine.rps")), mineBefore);
}
