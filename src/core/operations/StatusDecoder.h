#pragma once
// The status messages of the idle exchange. While no user operation runs the
// panel sends a zone status message (0x1E) or a PGM and clock status message
// (0x1F) in answer to each status poll; decoding one yields the reports for
// the online page, the panel clock, the partition flag and the next poll.
//
// Report layouts (ReportNotice):
//   kind 1   bytes {trouble byte, partition state byte, partitioned 0/1, partition 1=A/system 2=B}
//   kind 3   nothing; the panel clock record has been updated
//   kind 6, 8-11  bytes {zone map low, zone map high, partitioned 0/1, partition 1/2}
//   kind 7   value: bits 0-15 zone map, bits 16-23 partitioned, bits 24-31 partition
//   kind 12  bytes {PGM count n, PGM state map, type code of PGM 1 .. PGM n}
//   kind 14  bytes {zone index, descriptor AND 0xDF, descriptor AND 0x20, partitioned 0/1}
// A zone map has bit 0 for zone 1; a PGM state map has bit 7 for PGM 1.
#include "base/NoticeSink.h"
#include "link/PanelMessage.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace qarvo {

namespace report_kind {
inline constexpr int kPartitionStatus = 1;
inline constexpr int kPanelClock = 3;
inline constexpr int kZonesOpen = 6;
inline constexpr int kZonesTamperOpen = 7;
inline constexpr int kZonesStay = 8;
inline constexpr int kZonesBypassed = 9;
inline constexpr int kZonesBurglary = 10;
inline constexpr int kZonesTamperAlarm = 11;
inline constexpr int kPgmStatus = 12;
inline constexpr int kZoneDescriptor = 14;
} // namespace report_kind

namespace operations {

// The panel identity counts that size the two status messages.
struct StatusCounts {
    int zones = 16;
    int pgms = 8;
};

// The panel clock as the panel reports it: minutes since the start of the
// month (day-of-month index × 1440 + minute of the day), month 0-11, year
// in two digits.
struct PanelClock {
    std::uint16_t minutes = 0;
    std::uint8_t month = 0;
    std::uint8_t year = 0;

    friend bool operator==(const PanelClock&, const PanelClock&) = default;
};

// Partition numbers carried by the reports.
inline constexpr std::uint8_t kPartitionA = 1; // also the whole system
inline constexpr std::uint8_t kPartitionB = 2;

// Kind 1: the troubles and the state of one partition.
struct PartitionStatus {
    std::uint8_t troubles = 0;
    std::uint8_t state = 0;
    bool partitioned = false;
    std::uint8_t partition = kPartitionA;
};
ReportNotice toReport(const PartitionStatus& status);
std::optional<PartitionStatus> partitionStatusFrom(const ReportNotice& report);

// Kinds 6 to 11: one zone map of one partition.
struct ZoneMapReport {
    int kind = report_kind::kZonesOpen;
    std::uint16_t map = 0;
    bool partitioned = false;
    std::uint8_t partition = kPartitionA;
};
ReportNotice toReport(const ZoneMapReport& zones);
// Reads either form (the four bytes, or kind 7's packed value).
std::optional<ZoneMapReport> zoneMapFrom(const ReportNotice& report);

// Kind 12: the PGM outputs.
struct PgmStatus {
    std::uint8_t count = 0;  // the PGM count n the report announces
    std::uint8_t states = 0;
    std::vector<std::uint8_t> types; // PGM 1 first; at most count
};
ReportNotice toReport(const PgmStatus& pgms);
// Type codes the report announces but does not carry are left out of types.
std::optional<PgmStatus> pgmStatusFrom(const ReportNotice& report);

// Kind 14: one zone's descriptor (partition bits 7 and 6, zone type in bits 0-4).
struct ZoneDescriptor {
    std::uint8_t index = 0;
    std::uint8_t descriptor = 0; // bit 5 removed
    bool bypassable = false;     // bit 5 of the panel's descriptor
    bool partitioned = false;
};
ReportNotice toReport(const ZoneDescriptor& zone);
std::optional<ZoneDescriptor> zoneDescriptorFrom(const ReportNotice& report);

// A zone map in the order the panel sends it: two bytes, zone 1 in bit 7 of
// the first. Returns the word with zone 1 in bit 0 and zone 9 in bit 8.
std::uint16_t zoneMapFromWire(std::uint8_t first, std::uint8_t second);

// What the communicator appends to a status message: its state value and
// its signal strength.
struct CommunicatorBytes {
    std::uint8_t state = 0;
    std::uint8_t signal = 0;
};

// Takes the two communicator bytes that follow the checked part of a status
// message and shortens the message to that checked part. Whatever the stream
// held behind them is cut off with them, so it is never taken for the
// communicator's bytes. nullopt (message unchanged) when the message is no
// status message or is too short to hold them.
std::optional<CommunicatorBytes> splitCommunicatorBytes(CCommBuff& message, StatusCounts counts);

struct StatusDecoding {
    std::vector<ReportNotice> reports; // in the order they are to be posted
    bool partitioned = false;          // the new partition flag
    std::optional<PanelClock> panelClock; // from a 0x1F message
};

// Decodes a status message whose communicator bytes have been split off and
// builds the next status poll into poll (E3 01 after 0x1E, E3 02 after
// 0x1F). nullopt, with poll untouched, when the message is no status message
// or is shorter than the counts require.
std::optional<StatusDecoding> decodeStatus(const CCommBuff& message, StatusCounts counts, CCommBuff& poll);

// The worker's idle handling of a status message: decodes it, stores the
// panel clock before its report goes out, posts the reports in order and
// builds the next poll. A message that cannot be decoded is answered with
// the plain status poll E3 01 and leaves the clock and the flag as they are.
// Returns the partition flag.
bool decodeAndPost(const CCommBuff& message, StatusCounts counts, CCommBuff& poll, NoticeSink& sink,
                   PanelClock& clock, bool partitioned);

} // namespace operations
} // namespace qarvo
