#include "FormsTestSupport.h"
#include "support/ModelParams.h"

using namespace qarvo::panel;
using namespace qarvo::panel::test;

class FormsRoundTrip : public ::testing::TestWithParam<PanelModel> {};

// Image to forms to image leaves every byte as it was: the defaults of each
// model, and the same image with every page value changed once through the forms.
TEST_P(FormsRoundTrip, DefaultsAndEditedValuesComeBackByteForByte)
{
    FormsDoc f(GetParam().typeCode);
    const PanelImage defaults = f.doc.image();
    ASSERT_FALSE(f.store());
    EXPECT_TRUE(f.doc.image() == defaults);
    EXPECT_FALSE(f.doc.isModified()) << "storing unchanged forms changes nothing";

    ProgrammingForms edited = f.forms;
    edited.master.roundPeriod = "200";
    edited.master.users[1].code = "2468"; // codes have 4 digits by default
    edited.installer.zones[0].name = "Porch";
    edited.installer.options[installer_control::kPartitions] = 1;
    edited.report.codes.back() = {"7E", "3D"};
    f.forms = edited;
    ASSERT_FALSE(f.store());
    EXPECT_FALSE(f.doc.image() == defaults);
    const PanelImage stored = f.doc.image();
    f.show();
    EXPECT_EQ(f.forms, edited);
    ASSERT_FALSE(f.store());
    EXPECT_TRUE(f.doc.image() == stored);
}

INSTANTIATE_TEST_SUITE_P(EveryModel, FormsRoundTrip, ::testing::ValuesIn(kPanelModels),
                         qarvo::testing::modelName);
