// The simulated panel keeps in RAM what its programming says: each zone's
// descriptor (type, bypass attribute, partitions) and each PGM's type, as
// the installer page shows them for the same memory.
#include "SimPanelTestSupport.h"

#include "panel/CUploadDoc.h"
#include "panel/PanelIdentity.h"
#include "panel/ProgrammingForms.h"
#include "panel/TypeLists.h"
#include "sim/DemoPeers.h"

using namespace qarvo;
using namespace qarvo::sim;

namespace {

constexpr std::uint8_t kTypeBits = 0x1F;
constexpr std::uint8_t kBypassBit = 0x20;
constexpr std::uint8_t kPartitionABit = 0x80;
constexpr std::uint8_t kPartitionBBit = 0x40;

panel::ProgrammingForms formsOf(const std::vector<std::uint8_t>& memory, std::uint8_t typeCode)
{
    panel::CUploadDoc doc("");
    doc.newDocument();
    panel::PanelIdentity model;
    model.setFromModel(typeCode);
    doc.checkModel(model);
    std::ranges::copy(memory, &doc.image()[0]);
    panel::ProgrammingForms forms;
    panel::imageToForms(doc, forms);
    return forms;
}

bool attribute(const panel::ZoneRow& row, panel::ZoneAttribute a)
{
    return row.attributes[static_cast<std::size_t>(panel::attributeIndex(a))];
}

} // namespace

TEST(SimProgrammedRam, ZoneDescriptorsAndPgmTypesFollowTheProgramming)
{
    for (const std::uint8_t typeCode : {std::uint8_t{0x22}, std::uint8_t{0x24}}) {
        const std::vector<std::uint8_t> memory = demoProgramming(typeCode);
        const panel::InstallerForm installer = formsOf(memory, typeCode).installer;
        SimPanel panel({.typeCode = typeCode});
        panel.setMemory(memory);
        const PanelStatus status = panel.status(false);

        ASSERT_EQ(status.zoneDescriptors.size(), installer.zones.size()) << int(typeCode);
        for (std::size_t z = 0; z < installer.zones.size(); ++z) {
            const panel::ZoneRow& row = installer.zones[z];
            const std::uint8_t d = status.zoneDescriptors[z];
            ASSERT_GE(row.type, 0);
            EXPECT_EQ(d & kTypeBits, panel::zoneTypeList()[static_cast<std::size_t>(row.type)].code) << z;
            EXPECT_EQ((d & kBypassBit) != 0, attribute(row, panel::ZoneAttribute::C)) << z;
            EXPECT_EQ((d & kPartitionABit) != 0, attribute(row, panel::ZoneAttribute::Q)) << z;
            EXPECT_EQ((d & kPartitionBBit) != 0, attribute(row, panel::ZoneAttribute::R)) << z;
        }
        const auto items = panel::pgmTypeItems(typeCode);
        ASSERT_EQ(status.pgmTypes.size(), installer.pgms.size()) << int(typeCode);
        for (std::size_t p = 0; p < installer.pgms.size(); ++p) {
            ASSERT_GE(installer.pgms[p].type, 0);
            EXPECT_EQ(status.pgmTypes[p], items[static_cast<std::size_t>(installer.pgms[p].type)].code) << p;
        }
    }
}
