// The programming forms over a document read from the simulated panel: the
// pages show what the panel holds and store it back unchanged.
#include "SessionFixture.h"

#include "cli/DocumentCommands.h"
#include "panel/ProgrammingForms.h"
#include "support/ModelParams.h"

#include <gtest/gtest.h>


using namespace qarvo;
using qarvo::testing::SessionFixture;

class FormsFromPanel : public ::testing::TestWithParam<panel::PanelModel> {};

TEST_P(FormsFromPanel, ImageToFormsToImageIsByteIdentical)
{
    const panel::PanelModel model = GetParam();
    sim::SimPanelConfig config;
    config.typeCode = model.typeCode;
    SessionFixture f(config);
    ASSERT_TRUE(f.connect());
    f.panel.setMemory(cli::demoProgramming(model.typeCode));
    ASSERT_TRUE(f.transfer(operations::kReadInstaller));
    ASSERT_TRUE(f.transfer(operations::kReadMaster));
    EXPECT_TRUE(f.disconnect());

    panel::CUploadDoc& doc = f.session->doc;
    const panel::PanelImage read = doc.image();
    panel::ProgrammingForms forms;
    panel::imageToForms(doc, forms);
    ASSERT_FALSE(forms.installer.zones.empty());
    EXPECT_EQ(forms.installer.zones[0].name, "Front door") << "the demo panel's programming was read";
    EXPECT_FALSE(panel::formsToImage(forms, doc).has_value());
    EXPECT_TRUE(doc.image() == read);
}

INSTANTIATE_TEST_SUITE_P(EveryModel, FormsFromPanel, ::testing::ValuesIn(panel::kPanelModels),
                         qarvo::testing::modelName);
