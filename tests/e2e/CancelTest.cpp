// A transfer that does not run to its end: Stop (the progress display's
// Cancel) part-way through a page read, through the backup a write starts
// with or through the write, and a panel that falls silent part-way through
// a write. Each leaves the document and the panel in a state a user can
// trust: every byte as it was or as the other side holds it, nothing
// written when the backup was not kept, and the worker back at the idle
// poll sending nothing more of the transfer, or ended with the time-out
// message.
#include "SessionFixture.h"

#include "base/TextIds.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>


using namespace qarvo;
using namespace qarvo::operations;
using qarvo::testing::Bytes;
using qarvo::testing::PanelFixture;
using qarvo::testing::SessionFixture;

namespace {

// Slow enough that the transfer is still under way when the test acts.
constexpr sim::Faults kSlowLink{.delay = Millis(10)};
// Requests the panel has answered before the test acts.
constexpr unsigned kRequestsFirst = 3;

enum class Interruption { Stop, PanelFallsSilent };

struct Case {
    const char* name;
    int code;
    bool backup;           // a data folder: the write keeps a backup first
    bool whileWriting;     // acts once the panel has taken writes, else reads
    Interruption interruption;
};

class Cancelling : public ::testing::TestWithParam<Case> {};

// Whether every byte of result is the byte of one of the two images.
bool eachByteFrom(const Bytes& result, const Bytes& one, const Bytes& other)
{
    for (std::size_t i = 0; i < result.size(); ++i)
        if (result[i] != one[i] && result[i] != other[i])
            return false;
    return true;
}

} // namespace

TEST_P(Cancelling, LeavesEveryByteWholeAndSendsNothingMore)
{
    const Case& c = GetParam();
    qarvo::testing::TempDir dir;
    // A silent panel is waited out; elsewhere the simulator answers.
    SessionFixture f({}, {},
                     c.interruption == Interruption::PanelFallsSilent ? qarvo::testing::fastTiming()
                                                                       : qarvo::testing::answeredTiming());
    if (c.backup)
        f.session->backupFolder = dir.path();
    ASSERT_TRUE(f.connect());
    const Bytes panelBefore = f.randomMemory(11);
    const Bytes docBefore = f.randomMemory(12);
    f.panel.setMemory(panelBefore);
    f.setImage(docBefore);
    f.communicator.setFaults(kSlowLink, kSlowLink);

    ASSERT_TRUE(f.session->worker.startPageOperation(c.code));
    ASSERT_TRUE(PanelFixture::eventually([&] {
        const auto n = f.panel.counters();
        return (c.whileWriting ? n.memoryWrites : n.memoryReads) >= kRequestsFirst;
    }));
    if (c.interruption == Interruption::Stop) {
        f.session->worker.cancelOperation();
        ASSERT_TRUE(f.waitIdle());
        // A request already on its way when Stop came has arrived once the
        // panel answers the idle poll; from then on the transfer sends nothing.
        const unsigned polled = f.panel.counters().statusMessages;
        ASSERT_TRUE(PanelFixture::eventually([&] { return f.panel.counters().statusMessages > polled; }));
        const auto atIdle = f.panel.counters();
        ASSERT_TRUE(PanelFixture::eventually(
            [&] { return f.panel.counters().statusMessages >= atIdle.statusMessages + 2; }));
        EXPECT_EQ(f.panel.counters().memoryReads, atIdle.memoryReads);
        EXPECT_EQ(f.panel.counters().memoryWrites, atIdle.memoryWrites);
        EXPECT_EQ(f.panel.counters().completions, 0u) << "the write was not completed";
    } else {
        f.panel.setSilent(true);
        EXPECT_TRUE(PanelFixture::eventually([&] {
            return !f.session->worker.running() && f.messageCount(text_id::kPanelDoesntAnswer) > 0;
        }));
    }

    const Bytes panelAfter = f.panel.memory();
    const Bytes docAfter = f.image();
    if (c.code == kReadInstaller) {
        EXPECT_EQ(panelAfter, panelBefore);
        EXPECT_TRUE(eachByteFrom(docAfter, docBefore, panelBefore)) << "a range read only in part was kept";
    } else {
        EXPECT_EQ(docAfter, docBefore) << "a write changes the panel, not the document";
        EXPECT_TRUE(eachByteFrom(panelAfter, panelBefore, docBefore));
    }
    if (c.backup && !c.whileWriting) {
        const std::vector<BackupNotice> outcomes = f.sink.all<BackupNotice>();
        EXPECT_EQ(f.panel.counters().memoryWrites, 0u) << "written without a backup";
        EXPECT_EQ(panelAfter, panelBefore);
        EXPECT_TRUE(outcomes.empty() || !outcomes.front().kept());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Transfers, Cancelling,
    ::testing::Values(Case{"StopDuringAPageRead", kReadInstaller, false, false, Interruption::Stop},
                      Case{"StopDuringTheBackupBeforeAWrite", kWriteInstaller, true, false, Interruption::Stop},
                      Case{"StopDuringAPageWrite", kWriteInstaller, false, true, Interruption::Stop},
                      Case{"PanelFallsSilentDuringAPageWrite", kWriteInstaller, false, true,
                           Interruption::PanelFallsSilent}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
