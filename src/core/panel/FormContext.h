#pragma once
// What the conversions between the image and the page forms read besides
// the image: the model, its counts and where its settings lie.
#include "panel/CUploadDoc.h"
#include "panel/LayoutTable.h"
#include "panel/PanelIdentity.h"
#include "panel/PanelModels.h"

#include <algorithm>
#include <array>
#include <string>

namespace qarvo::panel {

using UserNames = std::array<std::string, CUploadDoc::kUserNameCount>;

struct FormContext {
    const PanelModel& model;
    const PanelIdentity& identity;
    const LayoutTable& layout;

    // Rows of the grids: the identity's counts, never more than the image
    // holds records for or the grids have rows for.
    int zoneRows() const { return std::clamp(identity.zoneCount, 0, 16); }
    int pgmRows() const { return std::clamp(identity.pgmCount, 0, 8); }
    int keypadRows() const { return std::clamp(identity.keypadCount, 0, 8); }
    int userRows(int gridRows) const { return std::clamp(identity.userRecordCount, 0, gridRows); }
};

// The context of a document: its identity's model (the default model for a
// type code outside the table) and its layout.
FormContext formContext(const CUploadDoc& doc);

} // namespace qarvo::panel
