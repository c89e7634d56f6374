#pragma once
// What is checked before anything is written to a device: a settings
// document goes through the same conversion as the programming pages
// (image -> forms -> image) and an options record through the options
// page's form, so a value the pages would refuse, or would store otherwise
// than the file holds, never reaches the panel or the communicator.
#include "communicator/TaviOptionsForm.h"
#include "operations/WrittenPages.h"
#include "panel/CUploadDoc.h"

#include <optional>
#include <string>
#include <vector>

namespace qarvo::cli {

// Why the document's page cannot be written as it stands: "NAME: message"
// for the first value the forms refuse, or the first setting whose bytes
// the forms would store otherwise. nullopt when the page may be written.
std::optional<std::string> documentRefusal(const panel::CUploadDoc& doc, operations::Transfer write);

// The settings, by name, whose values differ between what the panel holds
// and what the document would write: "NAME: 'panel' -> 'document'".
std::vector<std::string> settingDifferences(const panel::CUploadDoc& panel, const panel::CUploadDoc& document);

// The name of the options page's field.
std::string taviFieldName(TaviControl control);

// The options, by the names of taviFieldName, whose values differ between
// the communicator's record and the one that would be written, as the
// options page shows them: "NAME: 'communicator' -> 'file'". Passwords are
// named, their values not shown. Bytes the page does not show that differ
// make one line of their own.
std::vector<std::string> taviDifferences(const TaviOptions& current, const TaviOptions& wanted,
                                         const TaviCapabilities& capabilities);

// Why the options record cannot be written: the first field the options
// form refuses ("NAME: message"), or the first byte the form would store
// otherwise. nullopt when the record may be written.
std::optional<std::string> taviRefusal(const TaviOptions& record, const TaviCapabilities& capabilities);

} // namespace qarvo::cli
