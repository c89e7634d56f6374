#include "support/Documents.h"

#include "panel/FieldCodecs.h"
#include "panel/FixedRegion.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

namespace qarvo::testing {

panel::CUploadDoc documentFor(std::uint8_t typeCode, int userRecords)
{
    panel::CUploadDoc doc("Current log");
    doc.newDocument();
    panel::PanelIdentity identity;
    identity.setFromModel(typeCode);
    doc.checkModel(identity);
    if (userRecords != doc.identity().userRecordCount) {
        doc.identity().userRecordCount = userRecords;
        doc.buildLayout();
    }
    return doc;
}

Bytes randomImage(std::uint32_t seed, std::span<const std::uint8_t> keepIdentity)
{
    std::mt19937 random(seed);
    Bytes image(panel::PanelImage::kSize);
    for (auto& b : image)
        b = static_cast<std::uint8_t>(random());
    if (keepIdentity.size() >= panel::fixed::kInstallerCode)
        std::copy(keepIdentity.begin() + panel::fixed::kPanelIdCode, keepIdentity.begin() + panel::fixed::kInstallerCode,
                  image.begin() + panel::fixed::kPanelIdCode);
    return image;
}

std::string zoneName(const panel::CUploadDoc& doc, int zone)
{
    return panel::decodeText16(doc.bytes(panel::zoneName(zone)));
}

} // namespace qarvo::testing
