// What qarvoip-cli says when it refuses or fails: the cause, in the
// program's own words where it has them, never a message about something
// that did not happen, never a file named twice or a temporary file's name.
#include "cli/CliApp.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "link/ConnectionSettings.h"
#include "sim/DemoPeers.h"
#include "support/CliFixture.h"
#include "support/Documents.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

using namespace qarvo;
using namespace qarvo::cli;
using namespace qarvo::testing;
namespace fs = std::filesystem;

namespace {

// A sentence without its full stop, as a note goes on after it.
std::string withoutStop(std::string text)
{
    if (text.ends_with('.'))
        text.pop_back();
    return text;
}

class Messages : public CliPanelTest {
protected:
    std::string path(const std::string& name) const { return file(name).string(); }
    // A new document of the panel type.
    void newDocument(const std::string& name, const std::string& type = "24")
    {
        ASSERT_EQ(run({"new", path(name), "--type", type}).status, kExitSuccess);
    }
    void writeText(const std::string& name, const std::string& text) { std::ofstream(file(name)) << text; }
};

TEST_F(Messages, SayWhatHappenedAndNothingThatDidNot)
{
    struct Case {
        const char* what;
        std::function<void()> prepare;
        Args args;
        int status;
        std::string says;
        std::string never;
    };
    const std::string other = path("other.rps");
    const std::string doc = path("doc.rps");
    const std::string trunc = path("trunc.rps");
    const Case cases[] = {
        {"write to another model", [&] { newDocument("other.rps", "21"); }, {"write-installer", other, "--force"},
         kExitFailure, "holds the settings of another panel model", strings::utf8(text_id::kDifferentPanel)},
        {"read into another model", [] {}, {"read-master", other}, kExitFailure, "Give --replace",
         strings::utf8(text_id::kDifferentPanel)},
        {"broken settings file",
         [&] {
             fs::create_directory(file("broken"));
             writeText("broken/" + std::string(link::kSettingsFileName), "not a port\n");
         },
         {"--home", path("broken"), "connect"}, kExitUsage,
         path("broken") + "/PanelRPS.cfg: " + strings::utf8(text_id::kConfigMissing), ""},
        {"missing settings file", [&] { fs::create_directory(file("empty")); }, {"--home", path("empty"), "connect"},
         kExitUsage, "no communicator address: use --address or IP Settings (" + path("empty") + "/PanelRPS.cfg does not exist)", ""},
        {"missing home folder", [] {}, {"--home", path("nowhere"), "connect"}, kExitUsage,
         "the folder " + path("nowhere") + " (--home) does not exist", "no communicator address"},
        {"letters for a number", [&] { newDocument("doc.rps"); }, {"set", doc, "delay.entry-1=abc"}, kExitFailure,
         "delay.entry-1: not a value of this number setting: 'abc'", strings::utf8(text_id::kHasToHaveNonZeroValue)},
        {"short document",
         [&] {
             const auto bytes = fileBytes(file("doc.rps"));
             std::ofstream(trunc, std::ios::binary).write(bytes.data(), 100);
         },
         {"show", trunc}, kExitFailure, trunc, trunc + ": " + trunc},
        {"file in no folder", [] {}, {"new", path("nofolder/x.rps")}, kExitFailure, path("nofolder/x.rps") + ":",
         ".tmp-"},
        {"already disarmed", [] {}, {"disarm"}, kExitSuccess,
         withoutStop(strings::utf8(text_id::kPanelAlreadyDisarmed)) + "; nothing was sent", "partition A"},
    };
    for (const Case& c : cases) {
        c.prepare();
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.what << "\n" << r.err;
        EXPECT_TRUE(contains(r.err, c.says)) << c.what << "\n" << r.err;
        if (!c.never.empty())
            EXPECT_FALSE(contains(r.err, c.never)) << c.what << "\n" << r.err;
    }
}

// Once the log is marked as read, the panel's only unread record is its
// note saying so: said on the error stream, never listed as an event.
TEST_F(Messages, TheNoteThatTheLogWasMarkedIsNoEvent)
{
    const auto events = sim::demoEvents();
    own_.panel.setEventLog(events, events.size());
    ASSERT_EQ(run({"read-events", "--mark-read"}).status, kExitSuccess);
    const std::string note = strings::utf8(text_id::kAllEventsMarkedRead);
    struct Case {
        Args args;
        std::string out;
        bool noteShown;
    };
    const Case cases[] = {
        {{"read-events"}, "", true},
        {{"read-events", "--json"}, "{\n    \"events\": [\n    ],\n    \"schema\": 2\n}\n", true},
        {{"--quiet", "read-events"}, "", false},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, kExitSuccess) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(contains(r.err, note), c.noteShown) << r.err;
    }
}

} // namespace
