#include "operations/StatusDecoder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qarvo;
using namespace qarvo::operations;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr StatusCounts kSixteenZones{16, 8};
constexpr StatusCounts kTwelveZones{12, 6};

// The 15-byte status block: trouble, state, six zone maps, partition byte.
struct Block {
    std::uint8_t trouble = 0;
    std::uint8_t state = 0;
    Bytes stay{0, 0};
    Bytes bypassed{0, 0};
    Bytes open{0, 0};
    Bytes tamperOpen{0, 0};
    Bytes burglary{0, 0};
    Bytes tamperAlarm{0, 0};
    std::uint8_t partition = 0;
};

// A status message as the stream hands it over: code, front part, block,
// check byte, then the communicator's state and signal bytes.
CCommBuff statusMessage(std::uint8_t code, const Bytes& front, const Block& block, Bytes trailer = {0x5A, 0x3C})
{
    Bytes bytes{code};
    bytes.insert(bytes.end(), front.begin(), front.end());
    bytes.push_back(block.trouble);
    bytes.push_back(block.state);
    for (const Bytes* map : {&block.stay, &block.bypassed, &block.open, &block.tamperOpen, &block.burglary,
                             &block.tamperAlarm})
        bytes.insert(bytes.end(), map->begin(), map->end());
    bytes.push_back(block.partition);
    bytes.push_back(link::checkByte(bytes));
    bytes.insert(bytes.end(), trailer.begin(), trailer.end());
    CCommBuff message;
    std::copy(bytes.begin(), bytes.end(), message.data.begin());
    message.count = static_cast<std::uint16_t>(bytes.size());
    return message;
}

Bytes zoneDescriptors(int zones, std::uint8_t descriptor = 0x01)
{
    return Bytes(static_cast<std::size_t>(zones), descriptor);
}

// Clock (minutes high, low, month, year), PGM state map, PGM type codes.
Bytes pgmFront(std::uint16_t minutes, std::uint8_t month, std::uint8_t year, std::uint8_t states, const Bytes& types)
{
    Bytes front{static_cast<std::uint8_t>(minutes >> 8), static_cast<std::uint8_t>(minutes & 0xFF), month, year,
                states};
    front.insert(front.end(), types.begin(), types.end());
    return front;
}

// Splits and decodes; the test fails when the message is not decoded.
StatusDecoding decode(CCommBuff message, StatusCounts counts, CCommBuff& poll)
{
    EXPECT_TRUE(splitCommunicatorBytes(message, counts).has_value());
    auto decoded = decodeStatus(message, counts, poll);
    EXPECT_TRUE(decoded.has_value());
    return decoded.value_or(StatusDecoding{});
}

StatusDecoding decode(CCommBuff message, StatusCounts counts)
{
    CCommBuff poll;
    return decode(message, counts, poll);
}

const ReportNotice* findKind(const StatusDecoding& decoded, int kind)
{
    for (const ReportNotice& r : decoded.reports)
        if (r.kind == kind)
            return &r;
    return nullptr;
}

std::vector<int> kinds(const StatusDecoding& decoded)
{
    std::vector<int> out;
    for (const ReportNotice& r : decoded.reports)
        out.push_back(r.kind);
    return out;
}

} // namespace

TEST(ZoneMapOrder, EachByteIsReversedAndTheFirstByteIsLow)
{
    EXPECT_EQ(zoneMapFromWire(0x80, 0x00), 0x0001); // zone 1
    EXPECT_EQ(zoneMapFromWire(0x00, 0x80), 0x0100); // zone 9
    EXPECT_EQ(zoneMapFromWire(0x01, 0x01), 0x8080); // zones 8 and 16
    EXPECT_EQ(zoneMapFromWire(0x40, 0x02), 0x4002); // zones 2 and 15
    EXPECT_EQ(zoneMapFromWire(0xF0, 0x0F), 0xF00F);
}

TEST(StatusDecoding, ZoneStatusOfSixteenZonesReportsDescriptorsThenTheBlock)
{
    Bytes descriptors = zoneDescriptors(16);
    descriptors[0] = 0xE4;  // partitions A and B, bypassable, type 4
    descriptors[15] = 0x4A; // partition B, type 10
    Block block;
    block.trouble = 0x81;
    block.state = 0x02;
    block.bypassed = {0x40, 0x80};
    block.open = {0x80, 0x01};
    block.tamperOpen = {0x01, 0x00};
    block.burglary = {0x00, 0x02};
    block.tamperAlarm = {0x20, 0x00};
    CCommBuff poll;
    const StatusDecoding decoded = decode(statusMessage(link::panel_code::kZoneStatus, descriptors, block), kSixteenZones, poll);

    std::vector<int> expected(16, report_kind::kZoneDescriptor);
    expected.insert(expected.end(), {1, 8, 9, 6, 7, 10, 11});
    EXPECT_EQ(kinds(decoded), expected);
    EXPECT_FALSE(decoded.partitioned);
    EXPECT_FALSE(decoded.panelClock.has_value());

    EXPECT_EQ(decoded.reports[0].bytes, (Bytes{0, 0xC4, 0x20, 0}));
    EXPECT_EQ(decoded.reports[1].bytes, (Bytes{1, 0x01, 0x00, 0}));
    EXPECT_EQ(decoded.reports[15].bytes, (Bytes{15, 0x4A, 0x00, 0}));
    EXPECT_EQ(decoded.reports[16].bytes, (Bytes{0x81, 0x02, 0, 1}));
    EXPECT_EQ(findKind(decoded, 9)->bytes, (Bytes{0x02, 0x01, 0, 1}));  // zones 2 and 9
    EXPECT_EQ(findKind(decoded, 6)->bytes, (Bytes{0x01, 0x80, 0, 1}));  // zones 1 and 16
    EXPECT_EQ(findKind(decoded, 10)->bytes, (Bytes{0x00, 0x40, 0, 1})); // zone 15
    EXPECT_EQ(findKind(decoded, 11)->bytes, (Bytes{0x04, 0x00, 0, 1})); // zone 3
    // Tamper open travels as one packed value: map, flag, partition.
    EXPECT_TRUE(findKind(decoded, 7)->bytes.empty());
    EXPECT_EQ(findKind(decoded, 7)->value, 0x01000080L); // zone 8, system

    EXPECT_EQ(Bytes(poll.bytes().begin(), poll.bytes().end()), (Bytes{0xE3, 0x01}));
}

TEST(StatusDecoding, TwelveZonesPutTheBlockAfterTwelveDescriptors)
{
    Block block;
    block.trouble = 0x10;
    block.state = 0x80;
    block.open = {0x00, 0x10}; // zone 12
    block.partition = 0x01;
    const StatusDecoding decoded = decode(statusMessage(link::panel_code::kZoneStatus, zoneDescriptors(12, 0x83), block),
                                          kTwelveZones);
    ASSERT_EQ(decoded.reports.size(), 12u + 7u);
    EXPECT_EQ(decoded.reports[11].bytes, (Bytes{11, 0x83, 0x00, 1}));
    EXPECT_EQ(decoded.reports[12].bytes, (Bytes{0x10, 0x80, 1, 1}));
    EXPECT_EQ(findKind(decoded, 6)->bytes, (Bytes{0x00, 0x08, 1, 1}));
    EXPECT_TRUE(decoded.partitioned);
}

TEST(StatusDecoding, SixteenZoneCountsMisreadATwelveZoneMessageAsTooShort)
{
    CCommBuff message = statusMessage(link::panel_code::kZoneStatus, zoneDescriptors(12), Block{});
    CCommBuff poll;
    EXPECT_FALSE(splitCommunicatorBytes(message, kSixteenZones).has_value());
    EXPECT_FALSE(decodeStatus(message, kSixteenZones, poll).has_value());
    EXPECT_TRUE(poll.empty());
}

TEST(StatusDecoding, PartitionByteIsAppliedToEveryReportOfTheMessage)
{
    struct Case {
        std::uint8_t partitionByte;
        bool partitioned;
        std::uint8_t partition;
    };
    const Case cases[] = {{0x00, false, 1}, {0x01, true, 1}, {0x02, true, 2}, {0x03, true, 2}, {0xFC, false, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.partitionByte));
        Block block;
        block.partition = c.partitionByte;
        block.bypassed = {0x80, 0x00};
        const StatusDecoding decoded = decode(statusMessage(link::panel_code::kZoneStatus, zoneDescriptors(16), block),
                                              kSixteenZones);
        EXPECT_EQ(decoded.partitioned, c.partitioned);
        const std::uint8_t flag = c.partitioned ? 1 : 0;
        EXPECT_EQ(decoded.reports[0].bytes[3], flag); // zone descriptors carry the new flag as well
        EXPECT_EQ(findKind(decoded, 1)->bytes, (Bytes{0, 0, flag, c.partition}));
        EXPECT_EQ(findKind(decoded, 9)->bytes, (Bytes{0x01, 0x00, flag, c.partition}));
        EXPECT_EQ(findKind(decoded, 7)->value, static_cast<long>(flag) << 16 | static_cast<long>(c.partition) << 24);
    }
}

TEST(StatusDecoding, StayMapOnlyWhenArmedInStay)
{
    struct Case {
        std::uint8_t state;
        Bytes expectedStay;
    };
    const Case cases[] = {
        {0x09, {0x03, 0x80, 0, 1}}, // armed + stay: zones 1, 2 and 16
        {0x08, {0x00, 0x00, 0, 1}}, // armed, not stay
        {0x01, {0x00, 0x00, 0, 1}}, // stay bit while disarmed
        {0xFF, {0x03, 0x80, 0, 1}},
        {0xF6, {0x00, 0x00, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.state));
        Block block;
        block.state = c.state;
        block.stay = {0xC0, 0x01};
        const StatusDecoding decoded = decode(statusMessage(link::panel_code::kZoneStatus, zoneDescriptors(16), block),
                                              kSixteenZones);
        EXPECT_EQ(findKind(decoded, 8)->bytes, c.expectedStay);
    }
}

TEST(StatusDecoding, PgmStatusReportsClockPgmsAndTheBlock)
{
    // 9 March, 14:07 of 2026: day index 8 → 8 × 1440 + 847 = 12367 = 0x304F.
    const Bytes types{0x47, 0x48, 0x49, 0x20, 0x00, 0x05, 0x4A, 0x99};
    Block block;
    block.trouble = 0x04;
    block.state = 0x19;
    block.stay = {0x00, 0x40}; // zone 10
    block.partition = 0x02;
    CCommBuff poll;
    const StatusDecoding decoded =
        decode(statusMessage(link::panel_code::kPgmStatus, pgmFront(0x304F, 2, 26, 0xA5, types), block), kSixteenZones, poll);

    EXPECT_EQ(kinds(decoded), (std::vector<int>{3, 12, 1, 8, 9, 6, 7, 10, 11}));
    ASSERT_TRUE(decoded.panelClock.has_value());
    EXPECT_EQ(*decoded.panelClock, (PanelClock{12367, 2, 26}));
    EXPECT_TRUE(decoded.reports[0].bytes.empty());
    Bytes pgmBytes{8, 0xA5};
    pgmBytes.insert(pgmBytes.end(), types.begin(), types.end());
    EXPECT_EQ(decoded.reports[1].bytes, pgmBytes);
    EXPECT_EQ(decoded.reports[2].bytes, (Bytes{0x04, 0x19, 1, 2}));
    EXPECT_EQ(findKind(decoded, 8)->bytes, (Bytes{0x00, 0x02, 1, 2}));
    EXPECT_TRUE(decoded.partitioned);
    EXPECT_EQ(Bytes(poll.bytes().begin(), poll.bytes().end()), (Bytes{0xE3, 0x02}));
}

TEST(StatusDecoding, PgmStatusOfSixPgms)
{
    Block block;
    block.trouble = 0x40;
    const StatusDecoding decoded =
        decode(statusMessage(link::panel_code::kPgmStatus, pgmFront(0, 11, 99, 0x80, {1, 2, 3, 4, 5, 6}), block), kTwelveZones);
    EXPECT_EQ(decoded.reports[1].bytes, (Bytes{6, 0x80, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(decoded.reports[2].bytes, (Bytes{0x40, 0, 0, 1}));
    EXPECT_EQ(*decoded.panelClock, (PanelClock{0, 11, 99}));
}

TEST(StatusDecoding, OtherMessagesAreNotDecoded)
{
    CCommBuff message;
    link::buildMessage(message, {0xE5, 0x10, 0x30, 0x00, 0xDB});
    CCommBuff poll;
    link::buildMessage(poll, {0x42});
    EXPECT_FALSE(decodeStatus(message, kSixteenZones, poll).has_value());
    EXPECT_EQ(poll.count, 1);
    EXPECT_FALSE(decodeStatus(CCommBuff{}, kSixteenZones, poll).has_value());
    EXPECT_FALSE(splitCommunicatorBytes(message, kSixteenZones).has_value());
    EXPECT_EQ(message.count, 5);
}

TEST(CommunicatorBytes, SplitOffBehindTheCheckedPart)
{
    CCommBuff message = statusMessage(link::panel_code::kZoneStatus, zoneDescriptors(16), Block{}, {0x07, 0x63});
    ASSERT_EQ(message.count, 35);
    const auto trailer = splitCommunicatorBytes(message, kSixteenZones);
    ASSERT_TRUE(trailer.has_value());
    EXPECT_EQ(trailer->state, 0x07);
    EXPECT_EQ(trailer->signal, 0x63);
    EXPECT_EQ(message.count, 33);
    EXPECT_TRUE(link::sumIsZero(message.bytes()));
}

TEST(CommunicatorBytes, StreamBytesBehindTheTrailerAreNotMistakenForIt)
{
    CCommBuff message = statusMessage(link::panel_code::kPgmStatus, pgmFront(0, 0, 0, 0, Bytes(8, 0)), Block{},
                                      {0x02, 0x55, 0x13, 0xC0, 0x2D});
    const auto trailer = splitCommunicatorBytes(message, kSixteenZones);
    ASSERT_TRUE(trailer.has_value());
    EXPECT_EQ(trailer->state, 0x02);
    EXPECT_EQ(trailer->signal, 0x55);
    EXPECT_EQ(message.count, 30);
}

TEST(CommunicatorBytes, MissingTrailerLeavesTheMessageAlone)
{
    CCommBuff message = statusMessage(link::panel_code::kZoneStatus, zoneDescriptors(16), Block{}, {0x07});
    EXPECT_FALSE(splitCommunicatorBytes(message, kSixteenZones).has_value());
    EXPECT_EQ(message.count, 34);
}

TEST(ReportLayouts, ReadBackWhatWasWritten)
{
    const auto tamper = zoneMapFrom(toReport(ZoneMapReport{7, 0xBEEF, true, 2}));
    ASSERT_TRUE(tamper.has_value());
    EXPECT_EQ(tamper->map, 0xBEEF);
    EXPECT_TRUE(tamper->partitioned);
    EXPECT_EQ(tamper->partition, 2);

    const auto burglary = zoneMapFrom(toReport(ZoneMapReport{10, 0x1234, false, 1}));
    ASSERT_TRUE(burglary.has_value());
    EXPECT_EQ(burglary->kind, 10);
    EXPECT_EQ(burglary->map, 0x1234);
    EXPECT_FALSE(burglary->partitioned);

    const auto status = partitionStatusFrom(toReport(PartitionStatus{0x12, 0x34, true, 2}));
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(status->troubles, 0x12);
    EXPECT_EQ(status->state, 0x34);
    EXPECT_TRUE(status->partitioned);
    EXPECT_EQ(status->partition, 2);

    const auto zone = zoneDescriptorFrom(toReport(ZoneDescriptor{5, 0xE4, true, true}));
    ASSERT_TRUE(zone.has_value());
    EXPECT_EQ(zone->index, 5);
    EXPECT_EQ(zone->descriptor, 0xC4);
    EXPECT_TRUE(zone->bypassable);
}

TEST(ReportLayouts, ShortOrForeignReportsAreRefused)
{
    EXPECT_FALSE(zoneMapFrom(ReportNotice{6, {1, 2, 3}, 0}).has_value());
    EXPECT_FALSE(zoneMapFrom(ReportNotice{12, {1, 2, 3, 4}, 0}).has_value());
    EXPECT_FALSE(partitionStatusFrom(ReportNotice{1, {1, 2}, 0}).has_value());
    EXPECT_FALSE(zoneDescriptorFrom(ReportNotice{14, {1}, 0}).has_value());
    EXPECT_FALSE(pgmStatusFrom(ReportNotice{12, {3}, 0}).has_value());

    // A PGM report announcing more types than it carries keeps the count.
    const auto pgms = pgmStatusFrom(ReportNotice{12, {5, 0xFF, 0x47, 0x48}, 0});
    ASSERT_TRUE(pgms.has_value());
    EXPECT_EQ(pgms->count, 5);
    EXPECT_EQ(pgms->types, (Bytes{0x47, 0x48}));
}

namespace {

// Checks at each report that the clock already holds the new value.
class ClockCheckingSink : public NoticeSink {
public:
    explicit ClockCheckingSink(const PanelClock& clock) : clock_(clock) {}
    void post(const Notice& notice) override
    {
        if (auto r = std::get_if<ReportNotice>(&notice)) {
            kinds.push_back(r->kind);
            if (r->kind == report_kind::kPanelClock)
                clockAtReport = clock_;
        }
    }
    std::vector<int> kinds;
    PanelClock clockAtReport;

private:
    const PanelClock& clock_;
};

} // namespace

TEST(StatusPosting, ClockIsStoredBeforeItsReportAndReportsKeepTheirOrder)
{
    PanelClock clock{1, 1, 1};
    ClockCheckingSink sink(clock);
    CCommBuff message = statusMessage(link::panel_code::kPgmStatus, pgmFront(0x0102, 3, 4, 0, Bytes(8, 0)), Block{.partition = 1});
    ASSERT_TRUE(splitCommunicatorBytes(message, kSixteenZones));
    CCommBuff poll;
    EXPECT_TRUE(decodeAndPost(message, kSixteenZones, poll, sink, clock, false));
    EXPECT_EQ(clock, (PanelClock{0x0102, 3, 4}));
    EXPECT_EQ(sink.clockAtReport, clock);
    EXPECT_EQ(sink.kinds, (std::vector<int>{3, 12, 1, 8, 9, 6, 7, 10, 11}));
    EXPECT_TRUE(poll.startsWith({0xE3, 0x02}));
}

TEST(StatusPosting, UndecodableMessageIsAnsweredWithThePlainPoll)
{
    PanelClock clock{7, 7, 7};
    ClockCheckingSink sink(clock);
    CCommBuff message = statusMessage(link::panel_code::kZoneStatus, zoneDescriptors(12), Block{});
    CCommBuff poll;
    link::buildMessage(poll, {0xE5, 0xB8, 0x5C, 0x03});
    EXPECT_TRUE(decodeAndPost(message, kSixteenZones, poll, sink, clock, true));
    EXPECT_FALSE(decodeAndPost(message, kSixteenZones, poll, sink, clock, false));
    EXPECT_EQ(poll.count, 2);
    EXPECT_TRUE(poll.startsWith({0xE3, 0x01}));
    EXPECT_TRUE(sink.kinds.empty());
    EXPECT_EQ(clock, (PanelClock{7, 7, 7}));
}
