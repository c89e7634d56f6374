#pragma once
// Tests run once for every panel model: each run is named and printed by
// the model's type code ("Type24"), not as the bytes of its table row.
#include "panel/PanelModels.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

namespace qarvo::panel {

inline std::string typeName(const PanelModel& model)
{
    char name[8];
    std::snprintf(name, sizeof name, "Type%02X", unsigned(model.typeCode));
    return name;
}

// Found by the test framework for the parameter's value in test lists and failures.
inline void PrintTo(const PanelModel& model, std::ostream* out) { *out << typeName(model); }

} // namespace qarvo::panel

namespace qarvo::testing {

// The name generator of INSTANTIATE_TEST_SUITE_P over panel::kPanelModels.
inline std::string modelName(const ::testing::TestParamInfo<panel::PanelModel>& info)
{
    return panel::typeName(info.param);
}

} // namespace qarvo::testing
