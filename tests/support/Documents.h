#pragma once
// Settings documents and panel memory images to test with.
#include "panel/CUploadDoc.h"
#include "panel/PanelModels.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <span>
#include <vector>

namespace qarvo::testing {

using Bytes = std::vector<std::uint8_t>;

// A new document laid out for the model, holding its defaults; a user
// record count other than the model's lays the document out again for it.
panel::CUploadDoc documentFor(std::uint8_t typeCode, int userRecords = panel::kModelUserRecordCount);

// A whole programming memory of random bytes, the same for the same seed.
// When keepIdentity is given, the panel and PC identification codes are
// taken from it, so that a panel given the image still identifies.
Bytes randomImage(std::uint32_t seed, std::span<const std::uint8_t> keepIdentity = {});

// The name of zone 1, 2, ... as the document holds it.
std::string zoneName(const panel::CUploadDoc& doc, int zone);

// The bytes of a file, as chars or as Bytes (fileBytes<std::uint8_t>);
// none when it cannot be read.
template <class Byte = char>
std::vector<Byte> fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace qarvo::testing
