// One owner of the document: the user-interface side saves the document
// again and again while the worker reads 800 events and then the installer
// page into it. Every saved file must open and show each step whole: a log
// group with its read-on line and its events numbered without a gap, and
// every memory range either as it was or as the panel holds it.
#include "SessionFixture.h"

#include "eventlog/EventLogReader.h"
#include "operations/TransferPlan.h"
#include "sim/DemoEventLog.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

using namespace qarvo;
using qarvo::testing::SessionFixture;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::size_t kEvents = 800;
constexpr int kRounds = 3;

std::string checkLog(const panel::EventLog& log)
{
    if (log.name.rfind("LOG ", 0) != 0)
        return {};
    const auto& lines = log.lines;
    if (lines.size() < 2 || lines.front().rfind("Event log read on", 0) != 0 || lines.back() != " ")
        return "log group without its first lines";
    int expected = static_cast<int>(kEvents);
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        int number = 0;
        if (std::sscanf(lines[i].c_str(), "        %d", &number) != 1) {
            if (i + 2 != lines.size())
                return "a line that is no event line inside the group: " + lines[i];
            continue; // the closing line
        }
        if (number != expected--)
            return "event " + std::to_string(number) + " where " + std::to_string(expected + 1) + " belongs";
    }
    return {};
}

// The image must be the one before the read with its first k ranges
// committed, for some k: ranges go in whole and in order. (Opening a file
// writes the model byte of the layout, so that byte is not compared.)
std::string checkImage(const panel::CUploadDoc& saved, const operations::TransferPlan& plan, const Bytes& before,
                       const Bytes& after)
{
    Bytes image(saved.image().bytes().begin(), saved.image().bytes().end());
    Bytes state = before;
    state[panel::PanelImage::kModelByteAddress] = image[panel::PanelImage::kModelByteAddress];
    if (image == state)
        return {};
    for (const operations::Stage& stage : plan.stages) {
        if (stage.kind != operations::StageKind::Read || stage.range.start == stage.range.end)
            continue;
        std::copy(after.begin() + stage.range.start, after.begin() + stage.range.end, state.begin() + stage.range.start);
        state[panel::PanelImage::kModelByteAddress] = image[panel::PanelImage::kModelByteAddress];
        if (image == state)
            return {};
    }
    return "an image between two committed ranges";
}

} // namespace

TEST(DocumentOwnership, SavesDuringReadingsAreWholeSteps)
{
    SessionFixture f;
    f.panel.setEventLog(sim::demoEventLog(kEvents, f.panel.typeCode()), kEvents);
    ASSERT_TRUE(f.connect());
    const auto plan = operations::planTransfer(operations::Transfer::ReadInstaller, f.session->doc, {});
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    for (int round = 0; round < kRounds; ++round) {
        const Bytes before = f.image();
        f.panel.setMemory(f.randomMemory(static_cast<std::uint32_t>(round + 1)));

        // Each save goes to a file of its own; the memory ranges are checked
        // once the read has shown what the panel holds.
        std::atomic<bool> stop{false};
        std::atomic<int> saves{0};
        std::vector<std::string> faults; // the saver's until it is joined
        const auto savedPath = [&](int n) { return dir.filePath(QString("saved-%1-%2.rps").arg(round).arg(n)).toStdString(); };
        std::jthread saver([&] {
            while (!stop) {
                const std::string path = savedPath(saves);
                std::string fault = f.session->doc.save(path);
                panel::CUploadDoc reopened("Current log");
                if (fault.empty())
                    fault = reopened.open(path);
                if (fault.empty())
                    fault = checkLog(reopened.logs().front());
                if (!fault.empty())
                    faults.push_back(fault);
                ++saves;
            }
        });

        const std::size_t from = f.sink.count();
        ASSERT_TRUE(f.session->worker.startPageOperation(operations::kReadEventLog));
        ASSERT_TRUE(qarvo::testing::PanelFixture::eventually(
            [&] { return f.sink.anyFrom(from, eventlog::endsReading); }, Millis(60000)));
        const int savesDuringReading = saves;
        ASSERT_TRUE(f.transfer(operations::kReadInstaller));
        stop = true;
        saver.join();

        const Bytes after = f.image();
        for (int n = 0; n < saves; ++n) {
            panel::CUploadDoc reopened("Current log");
            ASSERT_EQ(reopened.open(savedPath(n)), "");
            if (const std::string fault = checkImage(reopened, plan, before, after); !fault.empty())
                faults.push_back(fault);
        }
        EXPECT_TRUE(faults.empty()) << faults.size() << " inconsistent saves, first: " << faults.front();
        EXPECT_GT(savesDuringReading, 1);
        EXPECT_GT(saves, savesDuringReading);
        EXPECT_NE(before, after);
        EXPECT_EQ(checkLog(f.session->doc.logs().front()), "");
        EXPECT_EQ(f.session->doc.logs().front().lines.size(), kEvents + 3);
    }
    EXPECT_TRUE(f.disconnect());
}

TEST(DocumentOwnership, ASaveDuringAChangeKeepsTheDocumentModified)
{
    panel::CUploadDoc doc("Current log");
    QTemporaryDir dir;
    const std::string path = dir.filePath("a.rps").toStdString();
    ASSERT_EQ(doc.save(path), "");
    EXPECT_FALSE(doc.isModified());

    // A change that lands between the copy and the end of the write: the
    // file lacks it, so the document stays modified.
    std::atomic<bool> changed{false};
    std::jthread writer([&] {
        const auto held = doc.lock();
        doc.logs().front().lines.push_back("late line");
        doc.markModified();
        changed = true;
    });
    while (!changed) {
        ASSERT_EQ(doc.save(path), "");
    }
    writer.join();
    // The last save either copied the document before the change (the file
    // lacks the line: still modified) or after it (the file holds it: saved).
    // An opened document starts with an empty current log in front of the
    // groups the file holds, so the line is looked for in every group.
    panel::CUploadDoc reopened("Current log");
    ASSERT_EQ(reopened.open(path), "");
    const bool fileHasTheChange = std::ranges::any_of(reopened.logs(), [](const panel::EventLog& log) {
        return std::ranges::find(log.lines, "late line") != log.lines.end();
    });
    EXPECT_EQ(doc.isModified(), !fileHasTheChange);
}
