#pragma once
// What each of the four panel memory page transfers moves, in order: page
// selects, runs of programming memory moved four bytes at a time, the
// master's page 0 items and the installer write's completion command. The
// plan is laid out from the document's layout table and panel identity
// when a transfer starts.
#include "panel/CUploadDoc.h"
#include "panel/Setting.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace qarvo::operations {

enum class Transfer { ReadInstaller, WriteInstaller, ReadMaster, WriteMaster };

constexpr bool isRead(Transfer t) { return t == Transfer::ReadInstaller || t == Transfer::ReadMaster; }

// Programming memory addresses [start, end).
struct MemoryRange {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::uint32_t length() const { return end > start ? end - start : 0; }
    friend bool operator==(const MemoryRange&, const MemoryRange&) = default;
};

constexpr std::uint8_t pageOf(std::uint32_t address) { return static_cast<std::uint8_t>(address >> 8); }

// A setting of the master's page 0, moved with one message: four bytes or one.
struct MemoryItem {
    std::uint16_t address = 0;
    std::uint8_t size = 0;
    bool readOnly = false; // read by the master read, never written
    friend bool operator==(const MemoryItem&, const MemoryItem&) = default;
};

// The master page items in transfer order, from the layout table. Settings
// the model lacks are left out.
std::vector<MemoryItem> masterItems(const panel::LayoutTable& layout);

enum class StageKind : std::uint8_t {
    SelectPage, // repeated until the page register echo arrives
    Read,       // four-byte reads into the staging image, committed at the end
    Write,      // four-byte writes, each repeated until its exact echo arrives
    ReadItems,  // the master items into the staging image, committed after the last
    WriteItems, // the master items that are written
    Completion, // the installer write's completion command
};

// Where a write takes its bytes from.
enum class WriteSource : std::uint8_t {
    Image,       // the panel memory image itself
    WriteBuffer, // a copy of the range taken from the image when the range starts
};

struct Stage {
    StageKind kind = StageKind::SelectPage;
    std::uint8_t step = 1;  // step number of the stage's request
    std::uint8_t page = 0;  // SelectPage
    MemoryRange range{};    // Read, Write
    WriteSource source = WriteSource::Image;
    // The installer transfers' progress inside this range starts here.
    std::optional<int> progressBase;
};

// How a transfer reports its per cent.
struct ProgressRule {
    bool byBytes = false;       // the master transfers: by bytes and steps done
    int rangeWeight = 0;        // installer: per cent a range adds over its base
    int lastStep = 0;           // installer: the step count outside the ranges
};

struct TransferPlan {
    std::vector<Stage> stages;
    std::vector<MemoryItem> items; // ReadItems / WriteItems
    ProgressRule progress;

    // Bytes of all ranges and items (the master progress's total).
    std::uint32_t totalBytes() const;
};

// The fixed part of page 4 that the installer transfers move.
inline constexpr MemoryRange kIdentificationBlock{0x402, 0x41C};
// The installer write starts at the beginning of page 4.
inline constexpr std::uint32_t kIdentificationWriteStart = 0x400;
// The master records before page 5; the rest follow in page 5.
inline constexpr int kUserRecordsBeforePage5 = 40;
// Added to the master progress's total, as the step numbers run alongside the bytes.
inline constexpr int kMasterProgressSteps = 18;

// The extended block (16 bytes at the last user record; absent in V1).
std::optional<MemoryRange> extendedBlock(const panel::CUploadDoc& doc);

// The plan of a transfer for the document's layout and identity. A range
// that crosses a 256-byte page boundary gets a page select for each page it
// touches, since the messages carry only an address's low byte.
TransferPlan planTransfer(Transfer transfer, const panel::CUploadDoc& doc,
                          const std::vector<MemoryItem>& items);

} // namespace qarvo::operations
