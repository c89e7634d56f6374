#pragma once
// What a page write sends to the panel, compared with another copy of the
// programming: whether the panel already holds it, and whether a document
// holds a page of its own at all.
#include "operations/TransferPlan.h"
#include "panel/CUploadDoc.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace qarvo::operations {

// The programming memory a page write changes: its runs and the master's
// written page 0 items.
std::vector<MemoryRange> writtenRanges(Transfer write, const panel::CUploadDoc& doc);

// The first address in the ranges where the two images differ.
std::optional<std::uint32_t> firstDifference(const panel::PanelImage& a, const panel::PanelImage& b,
                                             const std::vector<MemoryRange>& ranges);

// The panel's copy already holds every byte the write of the document's
// page would send.
bool alreadyWritten(Transfer write, const panel::CUploadDoc& doc, const panel::CUploadDoc& panelCopy);

// Whether the document holds a page of its own for the write: a page that
// is exactly its model's new-document defaults was never read or edited (a
// document that was only ever given the other page), and writing it would
// wipe the panel's programming with defaults.
bool holdsPage(Transfer write, const panel::CUploadDoc& doc);

} // namespace qarvo::operations
