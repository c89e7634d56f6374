// A book in a file belongs to one machine: the commands of queued fleet runs
// refuse it, saying a shared book is needed, and leave it as it was.
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qarvo {
namespace {

struct QueuedCommand {
    const char* name;
    std::vector<std::string> args;
};

class QueuedFleetOnAFile : public ::testing::TestWithParam<QueuedCommand> {};

TEST_P(QueuedFleetOnAFile, IsRefused)
{
    testing::TempDir dir;
    const std::vector<std::string> book{"--home", dir.path().string(), "--db", dir.file("sites.db").string()};
    std::vector<std::string> add = book;
    add.insert(add.end(), {"sites", "add", "shop", "--address", "127.0.0.1", "--port", "51069"});
    ASSERT_EQ(testing::runCommandLine(add).status, 0);
    std::vector<std::string> args = book;
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const auto run = testing::runCommandLine(args);
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_TRUE(testing::contains(run.err, "queued runs need a shared book")) << run.err;
    EXPECT_EQ(run.out, "");
}

const QueuedCommand kCommands[] = {
    {"Queue", {"fleet", "backup", "--queue"}},
    {"Worker", {"fleet", "worker", "--jobs", "2"}},
    {"Wait", {"fleet", "wait", "1"}},
};
INSTANTIATE_TEST_SUITE_P(Commands, QueuedFleetOnAFile, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qarvo
