#include "cli/CliSink.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "support/CliRun.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace qarvo;
using namespace qarvo::cli;
using qarvo::testing::lines;

namespace {

TEST(CliSink, MessagePrintsTheTableText)
{
    std::ostringstream err;
    CliSink sink(err);
    sink.post(MessageNotice{text_id::kWrongPassword, std::nullopt});
    EXPECT_EQ(err.str(), "Wrong password\n");
}

TEST(CliSink, MessageWithANumberPrintsTheFilledFormat)
{
    std::ostringstream err;
    CliSink sink(err);
    sink.post(MessageNotice{text_id::kBypassingZone, 17});
    EXPECT_EQ(err.str(), "Bypassing zone 17\n");
    EXPECT_EQ(messageText({text_id::kHexDigitCode, 4}), "It has to have a 4 digit code (HEX).");
}

TEST(CliSink, PgmRefusalNamesTheChosenPgm)
{
    const std::string text = messageText({text_id::kPgm1NotSwitchable, 3});
    EXPECT_EQ(text.rfind("PGM3", 0), 0u) << text;
    EXPECT_EQ(text.find("PGM1"), std::string::npos) << text;
}

TEST(CliSink, StatusPrintsThePaneText)
{
    std::ostringstream err;
    CliSink sink(err);
    sink.post(StatusNotice{Pane::Connection, text_id::kConnected});
    sink.post(StatusNotice{Pane::Panel, text_id::kDisconnected});
    EXPECT_EQ(lines(err.str()), (std::vector<std::string>{"Connected", "Disconnected"}));
}

TEST(CliSink, ProgressPrintsTheCaptionThenEachNewPercent)
{
    std::ostringstream err;
    CliSink sink(err);
    sink.post(ProgressNotice{0, 0, text_id::kReadingMasterPage, std::nullopt});
    sink.post(ProgressNotice{1, 0, text_id::kCompleted, std::nullopt});
    sink.post(ProgressNotice{2, 10, 0, std::nullopt});
    sink.post(ProgressNotice{2, 10, 0, std::nullopt});
    sink.post(ProgressNotice{2, 55, 0, std::nullopt});
    sink.post(ProgressNotice{3, 0, 0, std::nullopt});
    sink.post(ProgressNotice{4, 0, text_id::kBypassingZone, 3});
    sink.post(ProgressNotice{2, 10, 0, std::nullopt});
    const std::string reading = strings::utf8(text_id::kReadingMasterPage);
    EXPECT_EQ(lines(err.str()), (std::vector<std::string>{reading, reading + " 10%", reading + " 55%",
                                                          "Bypassing zone 3", "Bypassing zone 3 10%"}));
}

TEST(CliSink, CommunicatorResultsAreLeftToTheCommandsButRecorded)
{
    std::ostringstream err;
    CliSink sink(err);
    sink.post(CommunicatorNotice{CommunicatorNotice::Kind::OpenResult, 57, {}});
    sink.post(RefreshNotice{});
    EXPECT_EQ(err.str(), "");
    const auto results = sink.all<CommunicatorNotice>();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].value, 57);
}

TEST(CliSink, MessagesAreRecordedForTheCommands)
{
    std::ostringstream err;
    CliSink sink(err);
    sink.post(MessageNotice{text_id::kPanelBusy, std::nullopt});
    EXPECT_TRUE(sink.hasMessage(text_id::kPanelBusy));
    EXPECT_FALSE(sink.hasMessage(text_id::kWrongPassword));
}

TEST(CliSink, LinesFromManyThreadsNeverInterleave)
{
    std::ostringstream err;
    CliSink sink(err);
    constexpr int kThreads = 8;
    constexpr int kEach = 200;
    {
        std::vector<std::jthread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&sink, t] {
                for (int i = 0; i < kEach; ++i) {
                    if (t % 2)
                        sink.post(MessageNotice{text_id::kCommunicatorNoRequest, std::nullopt});
                    else
                        sink.printLine("line from thread " + std::to_string(t));
                }
            });
    }
    const auto printed = lines(err.str());
    ASSERT_EQ(printed.size(), static_cast<std::size_t>(kThreads * kEach));
    const std::string message = strings::utf8(text_id::kCommunicatorNoRequest);
    for (const std::string& line : printed)
        EXPECT_TRUE(line == message || line.rfind("line from thread ", 0) == 0) << line;
    EXPECT_EQ(sink.all<MessageNotice>().size(), static_cast<std::size_t>(kThreads / 2 * kEach));
}

} // namespace
