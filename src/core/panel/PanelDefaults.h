#pragma once
// The factory programming a new document starts from.
#include "panel/LayoutTable.h"
#include "panel/PanelIdentity.h"
#include "panel/PanelImage.h"

#include <cstdint>

namespace qarvo::panel {

// What the model byte holds in a freshly defaulted image, before a layout
// is built for a loaded or connected panel.
inline constexpr std::uint8_t kDefaultModelByte = 0xAA;

// Erases the image and writes every new-document default for the layout
// (built for identity's type code) and identity's zone and user record counts.
void loadImageDefaults(PanelImage& image, const LayoutTable& layout, const PanelIdentity& identity);

} // namespace qarvo::panel
