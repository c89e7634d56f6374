#include "operations/StatusDecoder.h"

#include "panel/RamLocations.h"

#include <algorithm>
#include <utility>

namespace qarvo::operations {
namespace {

using link::panel_code::kPgmStatus;
using link::panel_code::kStatusPoll;
using link::panel_code::kZoneStatus;
using link::status_poll::kAfterPgmStatus;
using link::status_poll::kAfterZoneStatus;

constexpr std::size_t kCommunicatorByteCount = 2;

// The status block closes both messages, just before the check byte.
constexpr std::size_t kStatusBlockSize = 15;
constexpr std::size_t kCheckByteSize = 1;
constexpr std::size_t kTroubleOffset = 0;
constexpr std::size_t kStateOffset = 1;
constexpr std::size_t kPartitionOffset = 14;

// Zone maps of the status block, in the order they are reported.
struct BlockZoneMap {
    std::size_t offset;
    int kind;
};
constexpr BlockZoneMap kBlockZoneMaps[] = {
    {2, report_kind::kZonesStay},     {4, report_kind::kZonesBypassed},
    {6, report_kind::kZonesOpen},     {8, report_kind::kZonesTamperOpen},
    {10, report_kind::kZonesBurglary}, {12, report_kind::kZonesTamperAlarm},
};

// Partition byte: either bit set means two partitions; bit 1 means the block
// reports partition B.
constexpr std::uint8_t kPartitionedBits = 0x03;
constexpr std::uint8_t kPartitionBBit = 0x02;

// Bits of a partition state byte, as the panel RAM location table numbers them.
constexpr std::uint8_t kArmedBit = panel::kRamLocations[18];
constexpr std::uint8_t kStayBit = panel::kRamLocations[25];

// A zone descriptor: bit 5 marks a bypassable zone.
constexpr std::uint8_t kBypassableBit = 0x20;

// 0x1F: clock bytes 1-4, PGM state map at 5, type codes from 6.
constexpr std::size_t kClockMinutesHigh = 1;
constexpr std::size_t kClockMinutesLow = 2;
constexpr std::size_t kClockMonth = 3;
constexpr std::size_t kClockYear = 4;
constexpr std::size_t kPgmStateMap = 5;
constexpr std::size_t kFirstPgmType = 6;
// 0x1E: zone descriptors from byte 1.
constexpr std::size_t kFirstZoneDescriptor = 1;

constexpr std::size_t kZoneMapReportSize = 4;
constexpr std::size_t kPartitionStatusSize = 4;
constexpr std::size_t kZoneDescriptorSize = 4;
constexpr std::size_t kPgmHeaderSize = 2;

bool isStatusCode(std::uint8_t code)
{
    return code == kZoneStatus || code == kPgmStatus;
}

std::uint8_t reverseBits(std::uint8_t b)
{
    std::uint8_t r = 0;
    for (int i = 0; i < 8; ++i)
        if (b & (1u << i))
            r = static_cast<std::uint8_t>(r | (0x80u >> i));
    return r;
}

bool bitSet(std::uint8_t value, std::uint8_t bit)
{
    return (value >> bit) & 1u;
}

std::size_t checkedLengthOf(std::uint8_t code, StatusCounts counts)
{
    return link::checkedLength(code, counts.zones, counts.pgms);
}

// The block reports of a status block that starts at b.
void decodeBlock(const CCommBuff& message, std::size_t b, bool partitioned, std::uint8_t partition,
                 std::vector<ReportNotice>& reports)
{
    const std::uint8_t state = message.at(b + kStateOffset);
    reports.push_back(toReport(PartitionStatus{message.at(b + kTroubleOffset), state, partitioned, partition}));
    const bool armedInStay = bitSet(state, kArmedBit) && bitSet(state, kStayBit);
    for (const BlockZoneMap& zoneMap : kBlockZoneMaps) {
        std::uint16_t map = zoneMapFromWire(message.at(b + zoneMap.offset), message.at(b + zoneMap.offset + 1));
        if (zoneMap.kind == report_kind::kZonesStay && !armedInStay)
            map = 0;
        reports.push_back(toReport(ZoneMapReport{zoneMap.kind, map, partitioned, partition}));
    }
}

void decodeZoneDescriptors(const CCommBuff& message, std::size_t zones, bool partitioned,
                           std::vector<ReportNotice>& reports)
{
    for (std::size_t i = 0; i < zones; ++i) {
        const std::uint8_t d = message.at(kFirstZoneDescriptor + i);
        reports.push_back(toReport(ZoneDescriptor{static_cast<std::uint8_t>(i),
                                                  static_cast<std::uint8_t>(d & ~kBypassableBit),
                                                  (d & kBypassableBit) != 0, partitioned}));
    }
}

PanelClock clockFrom(const CCommBuff& message)
{
    return PanelClock{
        static_cast<std::uint16_t>(message.at(kClockMinutesHigh) << 8 | message.at(kClockMinutesLow)),
        message.at(kClockMonth), message.at(kClockYear)};
}

PgmStatus pgmsFrom(const CCommBuff& message, std::size_t pgms)
{
    PgmStatus status;
    status.count = static_cast<std::uint8_t>(pgms);
    status.states = message.at(kPgmStateMap);
    for (std::size_t j = 0; j < pgms; ++j)
        status.types.push_back(message.at(kFirstPgmType + j));
    return status;
}

} // namespace

std::uint16_t zoneMapFromWire(std::uint8_t first, std::uint8_t second)
{
    return static_cast<std::uint16_t>(reverseBits(first) | reverseBits(second) << 8);
}

ReportNotice toReport(const PartitionStatus& status)
{
    return ReportNotice{report_kind::kPartitionStatus,
                        {status.troubles, status.state, static_cast<std::uint8_t>(status.partitioned),
                         status.partition},
                        0};
}

std::optional<PartitionStatus> partitionStatusFrom(const ReportNotice& report)
{
    if (report.kind != report_kind::kPartitionStatus || report.bytes.size() < kPartitionStatusSize)
        return std::nullopt;
    return PartitionStatus{report.bytes[0], report.bytes[1], report.bytes[2] != 0, report.bytes[3]};
}

ReportNotice toReport(const ZoneMapReport& zones)
{
    const std::uint8_t flag = zones.partitioned ? 1 : 0;
    if (zones.kind == report_kind::kZonesTamperOpen) {
        const unsigned long packed = static_cast<unsigned long>(zones.map) | static_cast<unsigned long>(flag) << 16
            | static_cast<unsigned long>(zones.partition) << 24;
        return ReportNotice{zones.kind, {}, static_cast<long>(packed)};
    }
    return ReportNotice{zones.kind,
                        {static_cast<std::uint8_t>(zones.map & 0xFF), static_cast<std::uint8_t>(zones.map >> 8), flag,
                         zones.partition},
                        0};
}

std::optional<ZoneMapReport> zoneMapFrom(const ReportNotice& report)
{
    if (report.kind < report_kind::kZonesOpen || report.kind > report_kind::kZonesTamperAlarm)
        return std::nullopt;
    if (report.bytes.size() >= kZoneMapReportSize) {
        const auto& b = report.bytes;
        return ZoneMapReport{report.kind, static_cast<std::uint16_t>(b[0] | b[1] << 8), b[2] != 0, b[3]};
    }
    if (!report.bytes.empty() || report.kind != report_kind::kZonesTamperOpen)
        return std::nullopt;
    const auto packed = static_cast<unsigned long>(report.value);
    return ZoneMapReport{report.kind, static_cast<std::uint16_t>(packed & 0xFFFF), ((packed >> 16) & 0xFF) != 0,
                         static_cast<std::uint8_t>((packed >> 24) & 0xFF)};
}

ReportNotice toReport(const PgmStatus& pgms)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kPgmHeaderSize + pgms.types.size());
    bytes.push_back(pgms.count);
    bytes.push_back(pgms.states);
    for (std::uint8_t type : pgms.types)
        bytes.push_back(type);
    return ReportNotice{report_kind::kPgmStatus, std::move(bytes), 0};
}

std::optional<PgmStatus> pgmStatusFrom(const ReportNotice& report)
{
    if (report.kind != report_kind::kPgmStatus || report.bytes.size() < kPgmHeaderSize)
        return std::nullopt;
    PgmStatus status;
    status.count = report.bytes[0];
    status.states = report.bytes[1];
    const std::size_t carried = std::min<std::size_t>(status.count, report.bytes.size() - kPgmHeaderSize);
    status.types.assign(report.bytes.begin() + kPgmHeaderSize, report.bytes.begin() + kPgmHeaderSize + carried);
    return status;
}

ReportNotice toReport(const ZoneDescriptor& zone)
{
    const std::uint8_t bypassable = zone.bypassable ? kBypassableBit : 0;
    return ReportNotice{report_kind::kZoneDescriptor,
                        {zone.index, static_cast<std::uint8_t>(zone.descriptor & ~kBypassableBit), bypassable,
                         static_cast<std::uint8_t>(zone.partitioned)},
                        0};
}

std::optional<ZoneDescriptor> zoneDescriptorFrom(const ReportNotice& report)
{
    if (report.kind != report_kind::kZoneDescriptor || report.bytes.size() < kZoneDescriptorSize)
        return std::nullopt;
    const auto& b = report.bytes;
    return ZoneDescriptor{b[0], b[1], b[2] != 0, b[3] != 0};
}

std::optional<CommunicatorBytes> splitCommunicatorBytes(CCommBuff& message, StatusCounts counts)
{
    if (!isStatusCode(message.code()))
        return std::nullopt;
    const std::size_t checked = checkedLengthOf(message.code(), counts);
    if (message.count < checked + kCommunicatorByteCount)
        return std::nullopt;
    const CommunicatorBytes trailer{message.data[checked], message.data[checked + 1]};
    message.count = static_cast<std::uint16_t>(checked);
    return trailer;
}

std::optional<StatusDecoding> decodeStatus(const CCommBuff& message, StatusCounts counts, CCommBuff& poll)
{
    const std::uint8_t code = message.code();
    if (!isStatusCode(code))
        return std::nullopt;
    const std::size_t checked = checkedLengthOf(code, counts);
    if (message.count < checked)
        return std::nullopt;

    // The block sits just before the check byte; the part in front of it is
    // as long as the counts say (one byte per zone, or clock, map and one
    // byte per PGM).
    const std::size_t b = checked - kCheckByteSize - kStatusBlockSize;
    const std::uint8_t partitionByte = message.at(b + kPartitionOffset);
    StatusDecoding result;
    result.partitioned = (partitionByte & kPartitionedBits) != 0;
    const std::uint8_t partition = (partitionByte & kPartitionBBit) ? kPartitionB : kPartitionA;

    if (code == kZoneStatus) {
        decodeZoneDescriptors(message, b - kFirstZoneDescriptor, result.partitioned, result.reports);
    } else {
        result.panelClock = clockFrom(message);
        result.reports.push_back(ReportNotice{report_kind::kPanelClock, {}, 0});
        result.reports.push_back(toReport(pgmsFrom(message, b - kFirstPgmType)));
    }
    decodeBlock(message, b, result.partitioned, partition, result.reports);

    link::buildMessage(poll, {kStatusPoll, code == kZoneStatus ? kAfterZoneStatus : kAfterPgmStatus});
    return result;
}

bool decodeAndPost(const CCommBuff& message, StatusCounts counts, CCommBuff& poll, NoticeSink& sink,
                   PanelClock& clock, bool partitioned)
{
    const auto decoded = decodeStatus(message, counts, poll);
    if (!decoded) {
        link::buildMessage(poll, {kStatusPoll, kAfterZoneStatus});
        return partitioned;
    }
    if (decoded->panelClock)
        clock = *decoded->panelClock;
    for (const ReportNotice& report : decoded->reports)
        sink.post(report);
    return decoded->partitioned;
}

} // namespace qarvo::operations
