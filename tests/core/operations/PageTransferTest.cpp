// The page transfers' plans and step machines, driven reply by reply
// against the simulated panel in-process (the worker's part is played by
// the test: it hands each reply over and sends each request).
#include "core/sim/SimPanelTestSupport.h"
#include "operations/PageTransfer.h"
#include "panel/PanelModels.h"
#include "support/Documents.h"
#include "support/StepDriver.h"

#include <gtest/gtest.h>

#include <functional>

using namespace qarvo;
using namespace qarvo::operations;
using qarvo::sim::testing::Bytes;
using qarvo::testing::documentFor;
using qarvo::testing::randomImage;

namespace {

// A sink that runs a probe when a notice is posted.
struct ProbeSink final : NoticeSink {
    void post(const Notice& notice) override
    {
        if (std::holds_alternative<ImageChangedNotice>(notice)) {
            ++imageChanged;
            if (onImageChanged)
                onImageChanged();
        }
    }
    int imageChanged = 0;
    std::function<void()> onImageChanged;
};

struct Exchange {
    Bytes request;
    std::uint8_t step = 0;    // the step counter after the request was built
    std::uint8_t percent = 0;
};

// A transfer run against an identified simulated panel.
struct Harness {
    explicit Harness(std::uint8_t typeCode = 0x24, int userRecords = panel::kModelUserRecordCount)
        : doc(documentFor(typeCode, userRecords)), panelSim(configFor(typeCode, userRecords))
    {
        sim::testing::identify(panelSim);
    }

    static sim::SimPanelConfig configFor(std::uint8_t typeCode, int userRecords)
    {
        sim::SimPanelConfig config;
        config.typeCode = typeCode;
        config.userRecordCount = userRecords;
        return config;
    }

    // Runs one transfer to its end. tamper may replace a reply (by the
    // index of the request it answers).
    std::vector<Exchange> run(Transfer which, const std::function<Bytes(std::size_t, Bytes)>& tamper = {},
                              const std::function<void(std::size_t, const Bytes&)>& beforeSend = {})
    {
        PageTransfer transfer(which, doc, sink, [this] { ++idleCalls; });
        return runWith(transfer, tamper, beforeSend);
    }

    std::vector<Exchange> runWith(PageTransfer& transfer, const std::function<Bytes(std::size_t, Bytes)>& tamper = {},
                                  const std::function<void(std::size_t, const Bytes&)>& beforeSend = {})
    {
        std::vector<Exchange> exchanges;
        qarvo::testing::StepDriver driver(transfer);
        Bytes reply;
        const int idleBefore = idleCalls;
        for (int guard = 0; guard < 20000; ++guard) {
            const Bytes request = driver.feed(reply);
            if (idleCalls != idleBefore) {
                finalPercent = driver.percent;
                transferEnd = request;
                return exchanges;
            }
            exchanges.push_back({request, driver.step, driver.percent});
            if (beforeSend)
                beforeSend(exchanges.size() - 1, request);
            reply = sim::testing::ask(panelSim, request);
            if (tamper)
                reply = tamper(exchanges.size() - 1, reply);
        }
        ADD_FAILURE() << "the transfer did not end";
        return exchanges;
    }

    void expectImageMatchesPanel(std::uint32_t start, std::uint32_t end)
    {
        const Bytes memory = panelSim.memory();
        for (std::uint32_t a = start; a < end; ++a)
            ASSERT_EQ(doc.image()[a], memory[a]) << "at " << std::hex << a;
    }

    panel::CUploadDoc doc;
    sim::SimPanel panelSim;
    ProbeSink sink;
    std::uint8_t finalPercent = 0;
    int idleCalls = 0;
    Bytes transferEnd;
};

std::size_t indexOf(const std::vector<Exchange>& exchanges, const Bytes& request, std::size_t from = 0)
{
    for (std::size_t i = from; i < exchanges.size(); ++i)
        if (exchanges[i].request == request)
            return i;
    return exchanges.size();
}

std::size_t count(const std::vector<Exchange>& exchanges, const Bytes& request)
{
    return static_cast<std::size_t>(std::count_if(exchanges.begin(), exchanges.end(),
                                                  [&](const Exchange& e) { return e.request == request; }));
}

Bytes pageSelect(std::uint8_t page) { return {0xE5, 0x88, 0x6F, page}; }

const Bytes kTransferEnd{0xE6, 0x90, 0x1A, 0x00, 0x00};
const Bytes kCompletion{0xE5, 0xB8, 0x5C, 0x28};

struct StageView {
    StageKind kind;
    std::uint8_t step;
    std::uint8_t page;
    MemoryRange range;
    friend bool operator==(const StageView&, const StageView&) = default;
};

std::vector<StageView> viewOf(const TransferPlan& plan)
{
    std::vector<StageView> view;
    for (const Stage& s : plan.stages)
        view.push_back({s.kind, s.step, s.page, s.range});
    return view;
}

TransferPlan planFor(Transfer which, const panel::CUploadDoc& doc)
{
    return planTransfer(which, doc, masterItems(doc.layout()));
}

} // namespace

// ------------------------------------------------------------------ plans

TEST(TransferPlan, MasterItemsIncludePgm4TimesAndCountFiftyNineBytesReadFiftySixWritten)
{
    const auto doc = documentFor(0x24);
    std::vector<std::uint16_t> addresses;
    for (const MemoryItem& item : masterItems(doc.layout()))
        addresses.push_back(item.address);
    EXPECT_EQ(addresses, (std::vector<std::uint16_t>{0x001, 0x062, 0x076, 0x077, 0x07A, 0x07B, 0x07C, 0x080,
                                                     0x084, 0x088, 0x08C, 0x090, 0x094, 0x098, 0x09C, 0x0A0,
                                                     0x0A4, 0x0A8, 0x0A9, 0x0AA, 0x04E, 0x05D, 0x05E}));
    const auto read = planFor(Transfer::ReadMaster, doc);
    const auto write = planFor(Transfer::WriteMaster, doc);
    const auto bytes = [](const TransferPlan& p) {
        unsigned n = 0;
        for (const MemoryItem& item : p.items)
            n += item.size;
        return n;
    };
    EXPECT_EQ(bytes(read), 59u);
    EXPECT_EQ(bytes(write), 56u);
    EXPECT_EQ(read.items.size(), 23u);
    EXPECT_EQ(write.items.size(), 20u);
    EXPECT_TRUE(std::none_of(write.items.begin(), write.items.end(), [](const MemoryItem& i) { return i.readOnly; }));
}

TEST(TransferPlan, MasterRangesWithFortySixUsersSplitIntoPages4And5)
{
    const auto doc = documentFor(0x24);
    using K = StageKind;
    const std::vector<StageView> expected{
        {K::SelectPage, 1, 4, {}},           {K::Read, 3, 0, {0x416, 0x500}}, {K::SelectPage, 5, 5, {}},
        {K::Read, 7, 0, {0x500, 0x524}},     {K::SelectPage, 9, 1, {}},       {K::Read, 11, 0, {0x18C, 0x1AC}},
        {K::SelectPage, 13, 0, {}},          {K::ReadItems, 15, 0, {}},
    };
    EXPECT_EQ(viewOf(planFor(Transfer::ReadMaster, doc)), expected);
    EXPECT_EQ(planFor(Transfer::ReadMaster, doc).totalBytes(), 361u);
}

TEST(TransferPlan, FortyUsersOrFewerStayInPage4AndTheExtendedBlockIsSelectedWhereItLies)
{
    const auto forty = documentFor(0x24, 40);
    const auto master = viewOf(planFor(Transfer::ReadMaster, forty));
    EXPECT_EQ(master[1].range, (MemoryRange{0x416, 0x500}));
    EXPECT_EQ(master[2].kind, StageKind::SelectPage);
    EXPECT_EQ(master[2].page, 1) << "no page 5 with 40 user records";

    // With 30 records the last record and the extended block lie in page 4.
    const auto thirty = documentFor(0x24, 30);
    const auto installer = viewOf(planFor(Transfer::ReadInstaller, thirty));
    ASSERT_GE(installer.size(), 2u);
    const StageView select = installer[installer.size() - 2];
    EXPECT_EQ(select, (StageView{StageKind::SelectPage, 19, 4, {}}));
    EXPECT_EQ(installer.back().range, (MemoryRange{0x4C4, 0x4D4}));
}

TEST(TransferPlan, InstallerRangesFollowTheLayoutVariant)
{
    struct Row {
        std::uint8_t type;
        std::uint32_t page1End;
        std::uint32_t zoneNamesEnd;
        bool extended;
    };
    for (const Row& row : {Row{0x21, 0x1A8, 0x3C0, false}, Row{0x22, 0x1AC, 0x3C0, true},
                           Row{0x24, 0x1B4, 0x400, true}, Row{0x29, 0x1B4, 0x400, true}}) {
        SCOPED_TRACE(row.type);
        const auto doc = documentFor(row.type);
        const auto plan = viewOf(planFor(Transfer::ReadInstaller, doc));
        using K = StageKind;
        std::vector<StageView> expected{
            {K::SelectPage, 1, 4, {}},        {K::Read, 3, 0, {0x402, 0x406}},
            {K::Read, 5, 0, {0x402, 0x41C}},  {K::SelectPage, 7, 0, {}},
            {K::Read, 9, 0, {0x000, 0x0AE}},  {K::SelectPage, 11, 1, {}},
            {K::Read, 13, 0, {0x100, row.page1End}}, {K::SelectPage, 15, 3, {}},
            {K::Read, 17, 0, {0x300, row.zoneNamesEnd}},
        };
        if (row.extended) {
            expected.push_back({K::SelectPage, 19, 5, {}});
            expected.push_back({K::Read, 21, 0, {0x524, 0x534}});
        }
        EXPECT_EQ(plan, expected);
    }
}

TEST(TransferPlan, WriteInstallerSkipsTheExtendedBlockOnLimitedModelsOnly)
{
    for (const panel::PanelModel& model : panel::kPanelModels) {
        SCOPED_TRACE(model.typeCode);
        const auto plan = viewOf(planFor(Transfer::WriteInstaller, documentFor(model.typeCode)));
        const bool writesBlock =
            std::any_of(plan.begin(), plan.end(), [](const StageView& s) { return s.range.start == 0x524; });
        EXPECT_EQ(writesBlock, model.hasWelcomeMessage() && !model.limited);
        EXPECT_EQ(plan.back(), (StageView{StageKind::Completion, 23, 0, {}}));
        EXPECT_EQ(plan[2].range, (MemoryRange{0x400, 0x41C}));
        EXPECT_EQ(plan[4].range, (MemoryRange{0x002, 0x0AE}));
    }
}

// ------------------------------------------------------------------ runs

TEST(PageTransferRun, ReadInstallerFollowsItsStepsAndProgress)
{
    Harness h;
    h.panelSim.setMemory(randomImage(7));
    h.sink.onImageChanged = [&] { h.expectImageMatchesPanel(0x300, 0x400); };
    const auto ex = h.run(Transfer::ReadInstaller);

    ASSERT_GE(ex.size(), 4u);
    EXPECT_EQ(ex[0].request, pageSelect(4));
    EXPECT_EQ(ex[0].step, 2);
    EXPECT_EQ(ex[1].request, (Bytes{0x73, 0x02}));
    EXPECT_EQ(ex[1].step, 4);
    EXPECT_EQ(ex[2].request, (Bytes{0x73, 0x02}));
    EXPECT_EQ(ex[2].step, 6);
    EXPECT_EQ(ex[3].request, (Bytes{0x73, 0x06}));

    const std::size_t select0 = indexOf(ex, pageSelect(0));
    ASSERT_LT(select0, ex.size());
    EXPECT_EQ(ex[select0].percent, 31) << "7 x 100 / 22";
    EXPECT_EQ(ex[select0 - 1].request, (Bytes{0x73, 0x1A})) << "the block's last read covers 0x41A-0x41D";

    // Zone names: 64 reads from 0x300; after the 32nd reply the cursor is halfway.
    const std::size_t select3 = indexOf(ex, pageSelect(3));
    ASSERT_LT(select3 + 33, ex.size());
    EXPECT_EQ(ex[select3 + 33].request, (Bytes{0x73, 0x80}));
    EXPECT_EQ(ex[select3 + 33].percent, 70);
    EXPECT_EQ(ex[select3 + 1].percent, 66);

    // Outside the ranges the step count rules, inside them the range's base.
    EXPECT_EQ(ex[select3].percent, 15 * 100 / 22);
    const std::size_t select5 = indexOf(ex, pageSelect(5));
    ASSERT_LT(select5 + 1, ex.size());
    EXPECT_EQ(ex[select5].percent, 19 * 100 / 22);
    EXPECT_EQ(ex[select5 + 1].percent, 83);
    EXPECT_EQ(ex[select5 + 1].request, (Bytes{0x73, 0x24}));
    EXPECT_EQ(h.transferEnd, kTransferEnd);
    EXPECT_EQ(h.finalPercent, 100);
    EXPECT_EQ(h.idleCalls, 1);
    EXPECT_EQ(h.sink.imageChanged, 1);

    h.expectImageMatchesPanel(0x402, 0x41C);
    h.expectImageMatchesPanel(0x000, 0x0AE);
    h.expectImageMatchesPanel(0x100, 0x1B4);
    h.expectImageMatchesPanel(0x524, 0x534);
    // Beyond the ranges nothing is taken over, not even what the last reads carried.
    const Bytes memory = h.panelSim.memory();
    for (std::uint32_t a : {0x0AEu, 0x0AFu, 0x1B4u, 0x41Cu, 0x401u, 0x534u})
        EXPECT_EQ(h.doc.image()[a], documentFor(0x24).image()[a]) << std::hex << a;
    EXPECT_TRUE(h.doc.isModified());
}

TEST(PageTransferRun, RepliesThatDoNotMatchRepeatTheSameRequest)
{
    Harness h;
    h.panelSim.setMemory(randomImage(11));
    const auto ex = h.run(Transfer::ReadInstaller, [](std::size_t i, Bytes answer) {
        if (i == 0)
            return pageSelect(5); // another page's echo
        if (i == 5) {
            answer[1] = static_cast<std::uint8_t>(answer[1] + 4); // right code, other address
            return answer;
        }
        if (i == 6)
            return Bytes{0x13, 0x24}; // a foreign reply
        return answer;
    });
    EXPECT_EQ(ex[1].request, pageSelect(4));
    EXPECT_EQ(ex[6].request, ex[5].request);
    EXPECT_EQ(ex[7].request, ex[5].request);
    EXPECT_NE(ex[8].request, ex[5].request);
    h.expectImageMatchesPanel(0x402, 0x41C);
    h.expectImageMatchesPanel(0x000, 0x0AE);
}

TEST(PageTransferRun, WritesRepeatUntilTheirEchoMatches)
{
    Harness h;
    auto edited = randomImage(3);
    std::copy_n(edited.begin(), panel::PanelImage::kSize, h.doc.image().bytes().begin());
    const auto ex = h.run(Transfer::WriteMaster, [](std::size_t i, Bytes answer) {
        if (i == 3)
            answer.back() ^= 0x01; // the panel wrote something else
        return answer;
    });
    EXPECT_EQ(ex[4].request, ex[3].request);
    const Bytes memory = h.panelSim.memory();
    for (std::uint32_t a = 0x416; a < 0x524; ++a)
        ASSERT_EQ(memory[a], edited[a]) << std::hex << a;
}

TEST(PageTransferRun, ReadingAnIdenticalPanelLeavesTheDocumentUnmodifiedAndOneByteChangesOnlyThatByte)
{
    Harness h;
    const Bytes image(h.doc.image().bytes().begin(), h.doc.image().bytes().end());
    h.panelSim.setMemory(image);
    ASSERT_FALSE(h.doc.isModified());
    h.run(Transfer::ReadInstaller);
    h.run(Transfer::ReadMaster);
    EXPECT_FALSE(h.doc.isModified());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), h.doc.image().bytes().begin()));

    const std::uint16_t changed = 0x305; // in zone name 1
    const Bytes one{static_cast<std::uint8_t>(image[changed] ^ 0x5A)};
    h.panelSim.writeMemory(changed, one);
    h.run(Transfer::ReadInstaller);
    EXPECT_TRUE(h.doc.isModified());
    for (std::size_t a = 0; a < image.size(); ++a)
        ASSERT_EQ(h.doc.image()[a], a == changed ? one[0] : image[a]) << std::hex << a;
}

TEST(PageTransferRun, MasterReadCrossesIntoPage5WithFortySixUsers)
{
    Harness h;
    h.panelSim.setMemory(randomImage(5));
    const auto ex = h.run(Transfer::ReadMaster);
    const std::size_t select5 = indexOf(ex, pageSelect(5));
    ASSERT_LT(select5, ex.size());
    EXPECT_EQ(ex[select5 - 1].request, (Bytes{0x73, 0xFE})) << "the last page 4 read covers 0x4FE-0x501";
    EXPECT_EQ(ex[select5].percent, (234 + 5) * 100 / (361 + 18));
    EXPECT_EQ(ex[select5 + 1].request, (Bytes{0x73, 0x00}));
    EXPECT_EQ(ex[indexOf(ex, pageSelect(1)) - 1].request, (Bytes{0x73, 0x20}));
    const std::vector<Exchange> items(ex.begin() + static_cast<std::ptrdiff_t>(indexOf(ex, pageSelect(0))), ex.end());
    EXPECT_EQ(count(items, Bytes{0x73, 0x94}), 1u) << "PGM 4's times are read";
    EXPECT_EQ(count(items, Bytes{0x43, 0x4E}), 1u);
    EXPECT_EQ(items.size(), 1u + 23u);
    h.expectImageMatchesPanel(0x416, 0x524);
    h.expectImageMatchesPanel(0x18C, 0x1AC);
    h.expectImageMatchesPanel(0x07C, 0x0AE);
    for (std::uint32_t a : {0x001u, 0x04Eu, 0x05Du, 0x05Eu, 0x062u, 0x076u, 0x077u, 0x07Au, 0x07Bu})
        EXPECT_EQ(h.doc.image()[a], h.panelSim.memoryByte(static_cast<std::uint16_t>(a))) << std::hex << a;
    EXPECT_EQ(h.doc.image()[0x002], documentFor(0x24).image()[0x002]) << "zone records are the installer's";
    EXPECT_EQ(h.finalPercent, 100);
}

TEST(PageTransferRun, MasterWriteSendsNoCompletionAndLeavesTheReadOnlyItems)
{
    Harness h;
    const Bytes before = randomImage(21);
    h.panelSim.setMemory(before);
    const Bytes edited = randomImage(22);
    std::copy_n(edited.begin(), panel::PanelImage::kSize, h.doc.image().bytes().begin());
    const auto ex = h.run(Transfer::WriteMaster);
    EXPECT_EQ(count(ex, kCompletion), 0u);
    EXPECT_EQ(count(ex, Bytes{0xB7, 0x94, edited[0x94], edited[0x95], edited[0x96], edited[0x97]}), 1u);
    const Bytes memory = h.panelSim.memory();
    for (std::uint32_t a : {0x04Eu, 0x05Du, 0x05Eu, 0x002u, 0x078u, 0x0AEu, 0x1ACu})
        EXPECT_EQ(memory[a], before[a]) << std::hex << a;
    for (std::uint32_t a : {0x001u, 0x062u, 0x0A9u, 0x0AAu, 0x0ADu, 0x18Cu, 0x1ABu, 0x523u})
        EXPECT_EQ(memory[a], edited[a]) << std::hex << a;
    EXPECT_FALSE(h.doc.isModified()) << "a write commits nothing";
}

TEST(PageTransferRun, InstallerWriteSendsEachRangeAsItWasWhenTheRangeStarted)
{
    Harness h(0x25);
    const Bytes edited = randomImage(31);
    std::copy_n(edited.begin(), panel::PanelImage::kSize, h.doc.image().bytes().begin());
    bool editedDuringRange = false;
    const auto ex = h.run(Transfer::WriteInstaller, {}, [&](std::size_t, const Bytes& request) {
        // While the zone names go out, an edit lands in a later name.
        if (!editedDuringRange && request.size() == 6 && request[0] == 0xB7 && request[1] == 0x10 &&
            h.panelSim.ram(0x6F) == 3) {
            h.doc.image()[0x3F0] ^= 0xFF;
            editedDuringRange = true;
        }
    });
    ASSERT_TRUE(editedDuringRange);
    const Bytes memory = h.panelSim.memory();
    EXPECT_EQ(memory[0x3F0], edited[0x3F0]) << "the copy taken at the range start was sent";
    for (std::uint32_t a = 0x400; a < 0x41C; ++a)
        ASSERT_EQ(memory[a], edited[a]) << std::hex << a;
    for (std::uint32_t a = 0x002; a < 0x0AE; ++a)
        ASSERT_EQ(memory[a], edited[a]) << std::hex << a;
    EXPECT_EQ(memory[0x001], 0xFF) << "the ambush digit is the master's";
    EXPECT_EQ(memory[0x0AE], 0xFF) << "the spare byte is not sent";

    // 0x25 goes from the zone names straight to the completion command.
    EXPECT_EQ(indexOf(ex, pageSelect(5)), ex.size());
    const std::size_t completion = indexOf(ex, kCompletion);
    ASSERT_LT(completion, ex.size());
    EXPECT_EQ(ex[completion].percent, 23 * 100 / 24);
    EXPECT_EQ(ex[completion - 1].request[1], 0xFC) << "the last zone name write";
    EXPECT_EQ(h.panelSim.counters().completions, 1u);
    EXPECT_EQ(memory[0x524], 0xFF);
    EXPECT_EQ(h.transferEnd, kTransferEnd);
}

TEST(PageTransferRun, InstallerWriteOnAFullModelWritesTheExtendedBlockBeforeCompleting)
{
    Harness h(0x24);
    const Bytes edited = randomImage(41);
    std::copy_n(edited.begin(), panel::PanelImage::kSize, h.doc.image().bytes().begin());
    const auto ex = h.run(Transfer::WriteInstaller);
    const std::size_t select5 = indexOf(ex, pageSelect(5));
    ASSERT_LT(select5, ex.size());
    EXPECT_LT(select5, indexOf(ex, kCompletion));
    const Bytes memory = h.panelSim.memory();
    for (std::uint32_t a = 0x524; a < 0x534; ++a)
        ASSERT_EQ(memory[a], edited[a]) << std::hex << a;
}

TEST(PageTransferRun, MasterItemListIsKeptUntilTheTypeCodeChanges)
{
    Harness h(0x24);
    PageTransfer transfer(Transfer::ReadMaster, h.doc, h.sink, [&] { ++h.idleCalls; });
    h.runWith(transfer);
    EXPECT_EQ(transfer.plan().items.size(), 23u);
    EXPECT_EQ(transfer.completions(), 1u);
    // Four page selects, 59 + 9 + 8 four-byte reads and 23 items.
    EXPECT_EQ(transfer.requests(), 103u);

    panel::PanelIdentity other;
    other.setFromModel(0x21);
    h.doc.checkModel(other);
    h.runWith(transfer);
    EXPECT_EQ(transfer.completions(), 2u);
    EXPECT_EQ(transfer.plan().stages[5].range, (MemoryRange{0x180, 0x1A0})) << "V1's follow-me numbers";
}
