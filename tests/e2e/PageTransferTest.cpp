// The four page transfers end to end: program-side session over loopback
// UDP, simulated communicator and panel, for every panel model.
#include "MemoryMap.h"
#include "SessionFixture.h"

#include "base/TextIds.h"
#include "panel/PanelModels.h"
#include "support/ModelParams.h"

#include <gtest/gtest.h>

using namespace qarvo;
using namespace qarvo::operations;
using qarvo::testing::Bytes;
using qarvo::testing::SessionFixture;
using qarvo::testing::expectMemory;
using qarvo::testing::installerRead;
using qarvo::testing::installerWrite;
using qarvo::testing::masterRead;
using qarvo::testing::masterWrite;

namespace {

sim::SimPanelConfig panelOf(std::uint8_t typeCode)
{
    sim::SimPanelConfig config;
    config.typeCode = typeCode;
    return config;
}

// Reads both pages from a panel with random memory, then writes both pages
// from an edited document, comparing every byte after each transfer.
// Over a faulty link a request may reach the panel more than once, so the
// completion commands are counted only over a clean one.
void readAndWriteBothPages(SessionFixture& f, const panel::PanelModel& model, std::uint32_t seed, bool cleanLink = true)
{
    const Bytes panelBefore = f.randomMemory(seed);
    f.panel.setMemory(panelBefore);
    const Bytes docBefore = f.image();

    ASSERT_TRUE(f.transfer(kReadInstaller));
    expectMemory(f.image(), installerRead(model), panelBefore, docBefore);
    ASSERT_TRUE(f.transfer(kReadMaster));
    expectMemory(f.image(), installerRead(model) + masterRead(model), panelBefore, docBefore);
    EXPECT_TRUE(f.session->doc.isModified());

    const Bytes edited = f.randomMemory(seed + 1);
    f.setImage(edited);
    ASSERT_TRUE(f.transfer(kWriteInstaller));
    expectMemory(f.panel.memory(), installerWrite(model), edited, panelBefore);
    const unsigned completions = f.panel.counters().completions;
    EXPECT_GE(completions, 1u);
    if (cleanLink) {
        EXPECT_EQ(completions, 1u);
    }
    ASSERT_TRUE(f.transfer(kWriteMaster));
    expectMemory(f.panel.memory(), installerWrite(model) + masterWrite(model), edited, panelBefore);
    EXPECT_EQ(f.panel.counters().completions, completions) << "the master write sends no completion command";
}

} // namespace

class EveryPanelModel : public ::testing::TestWithParam<panel::PanelModel> {};

TEST_P(EveryPanelModel, ReadsAndWritesBothPagesByteForByte)
{
    const panel::PanelModel model = GetParam();
    SessionFixture f(panelOf(model.typeCode));
    ASSERT_TRUE(f.connect());
    ASSERT_EQ(f.session->doc.layout().typeCode(), model.typeCode);
    readAndWriteBothPages(f, model, model.typeCode);
    const auto progress = f.sink.all<ProgressNotice>();
    EXPECT_TRUE(std::any_of(progress.begin(), progress.end(),
                            [](const ProgressNotice& p) { return p.subCode == 2 && p.value == 100; }));
    EXPECT_TRUE(f.disconnect());
    EXPECT_GE(f.panel.counters().endOfLinks, 1u);
}

INSTANTIATE_TEST_SUITE_P(PageTransfers, EveryPanelModel, ::testing::ValuesIn(panel::kPanelModels),
                         qarvo::testing::modelName);

TEST(PageTransfers, AnIdenticalPanelLeavesTheDocumentUnmodifiedAndOneChangedByteChangesOnlyThatByte)
{
    SessionFixture f(panelOf(panel::kDefaultTypeCode));
    const Bytes image = f.image();
    f.panel.setMemory(image);
    ASSERT_TRUE(f.connect());
    ASSERT_FALSE(f.session->doc.isModified());

    ASSERT_TRUE(f.transfer(kReadInstaller));
    ASSERT_TRUE(f.transfer(kReadMaster));
    EXPECT_FALSE(f.session->doc.isModified());
    EXPECT_EQ(f.image(), image);

    // PGM 4's activation minute, one of the master's items.
    const std::uint16_t changed = 0x095;
    const Bytes one{static_cast<std::uint8_t>(image[changed] ^ 0x21)};
    f.panel.writeMemory(changed, one);
    ASSERT_TRUE(f.transfer(kReadMaster));
    EXPECT_TRUE(f.session->doc.isModified());
    Bytes expected = image;
    expected[changed] = one[0];
    EXPECT_EQ(f.image(), expected);
    EXPECT_TRUE(f.disconnect());
}

class LossyLink : public ::testing::TestWithParam<std::uint8_t> {};

// The panel repeats its no-answer message when it waits in vain, and the
// worker then sends its last message again; repeated replies are answered
// with the request in force. Either way the transfers end byte-exact.
TEST_P(LossyLink, TenPerCentLossAndDuplicationBothWaysStillEndByteExact)
{
    const panel::PanelModel model = *panel::findPanelModel(GetParam());
    sim::CommunicatorConfig config;
    config.seed = 1234u + model.typeCode;
    SessionFixture f(panelOf(model.typeCode), config);
    ASSERT_TRUE(f.connect());
    f.enableAnswerTimeout(Millis(60));
    const sim::Faults faults{0.10, 0.10, 0.0, Millis(0)};
    f.communicator.setFaults(faults, faults);

    readAndWriteBothPages(f, model, 77u + model.typeCode, false);

    f.communicator.setFaults({}, {});
    EXPECT_GT(f.panel.counters().answerTimeouts, 0u) << "datagrams were lost and the losses repaired";
    ASSERT_TRUE(f.waitIdle());
    EXPECT_TRUE(f.disconnect());
}

INSTANTIATE_TEST_SUITE_P(Long, LossyLink, ::testing::Values(0x24));
INSTANTIATE_TEST_SUITE_P(Slow, LossyLink, ::testing::Values(0x21, 0x25));

TEST(ModelCheck, APanelOfAnotherModelResetsTheDocumentToItsDefaultsOnce)
{
    SessionFixture f(panelOf(0x21));
    f.session->doc.image()[0x300] = 'X';
    ASSERT_TRUE(f.connect());
    EXPECT_EQ(f.session->doc.layout().typeCode(), 0x21);
    EXPECT_EQ(f.session->doc.identity().zoneCount, 12);

    panel::CUploadDoc fresh("Current log");
    fresh.newDocument();
    panel::PanelIdentity v1;
    v1.setFromModel(0x21);
    fresh.checkModel(v1);
    EXPECT_TRUE(f.session->doc.image() == fresh.image()) << "the V1 defaults";
    EXPECT_FALSE(f.session->doc.layout()[panel::Setting::WelcomeMessage].present());
    EXPECT_EQ(f.messageCount(text_id::kDifferentPanel), 1u);
    EXPECT_GE(f.imageChanges(), 1u);

    // The same panel again: nothing more is reset or shown.
    f.session->doc.image()[0x300] = 'Y';
    ASSERT_TRUE(f.disconnect());
    ASSERT_TRUE(f.connect());
    EXPECT_EQ(f.session->doc.image()[0x300], 'Y');
    EXPECT_EQ(f.messageCount(text_id::kDifferentPanel), 1u);
    EXPECT_TRUE(f.disconnect());
}

TEST(ModelCheck, APanelOfTheSameModelResetsNothing)
{
    SessionFixture f(panelOf(panel::kDefaultTypeCode));
    f.session->doc.image()[0x300] = 'X';
    const Bytes before = f.image();
    ASSERT_FALSE(f.session->doc.isModified());
    ASSERT_TRUE(f.connect());
    EXPECT_EQ(f.image(), before);
    EXPECT_FALSE(f.session->doc.isModified());
    EXPECT_EQ(f.messageCount(text_id::kDifferentPanel), 0u);
    EXPECT_EQ(f.imageChanges(), 0u);
    EXPECT_TRUE(f.disconnect());
}
