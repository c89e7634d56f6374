#pragma once
// What a page write would change on the panel: the named settings whose
// bytes, among those the write moves, differ between the document and the
// image the panel was last known to hold (last read, written or opened).
// The question before a write names their number; a front-end may list them.
#include "panel/CUploadDoc.h"
#include "panel/SettingCatalogue.h"

#include <vector>

namespace qarvo::session {

// operationCode: operations::kWriteMaster or kWriteInstaller; any other
// code writes nothing and changes nothing.
std::vector<const panel::SettingInfo*> settingsChangedByWrite(const panel::CUploadDoc& doc,
                                                              const panel::PanelImage& panelImage, int operationCode);

} // namespace qarvo::session
