#include "SimPanelTestSupport.h"

#include "link/PanelMessage.h"

#include <thread>

using namespace qarvo;
using namespace qarvo::sim;
using namespace qarvo::sim::testing;

namespace {
const Bytes kIdentifyRequest{0x05, 0x00, 0x00, 0x10};
} // namespace

// --- identification ---------------------------------------------------------

TEST(SimPanelIdentification, ResponseFollowsTheRoundsOfTheAlgorithm)
{
    // Worked out by hand from the sixteen rounds.
    EXPECT_EQ(challengeResponse(0x5A3C, 0x1234), 0xB980);
    EXPECT_EQ(challengeResponse(0xBEEF, 0xA55A), 0x00AE);
    // A zero PC code makes the rounds a full rotation.
    EXPECT_EQ(challengeResponse(0x5A3C, 0x0000), 0x5A3C);
    EXPECT_EQ(challengeResponse(0x8001, 0x0000), 0x8001);
}

TEST(SimPanelIdentification, ChallengeCarriesTheModelAndItsCounts)
{
    SimPanel panel({.typeCode = 0x22, .challenge = 0x1234});
    EXPECT_EQ(ask(panel, kIdentifyRequest), (Bytes{0x05, 0x22, 46, 12, 8, 0x12, 0x34}));

    SimPanel older({.typeCode = 0x21});
    EXPECT_EQ(ask(older, kIdentifyRequest).at(3), 12);
    EXPECT_EQ(older.pgmCount(), 6);

    SimPanel custom({.typeCode = 0x2A, .userRecordCount = 30, .zoneCount = 10, .pgmCount = 4});
    const Bytes reply = ask(custom, kIdentifyRequest);
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 5), (Bytes{0x05, 0x2A, 30, 10, 4}));
}

TEST(SimPanelIdentification, RightResponseIsAcceptedWithTheTypeCode)
{
    SimPanel panel({.pcId = 0x1234, .challenge = 0x5A3C});
    EXPECT_FALSE(panel.identified());
    ask(panel, kIdentifyRequest);
    EXPECT_EQ(ask(panel, {0x05, 0xB9, 0x80, 0x10}), (Bytes{0x13, 0x24}));
    EXPECT_TRUE(panel.identified());
    EXPECT_EQ(panel.counters().acceptedResponses, 1u);
}

TEST(SimPanelIdentification, WrongResponseDrawsAFreshChallenge)
{
    SimPanel panel({.pcId = 0x1234, .challenge = 0x5A3C});
    ask(panel, kIdentifyRequest);
    // The answer of a PC with code 0000.
    const Bytes again = ask(panel, responseTo(0x5A3C, 0x0000));
    ASSERT_EQ(again.size(), 7u);
    EXPECT_EQ(again[0], 0x05);
    EXPECT_NE(challengeOf(again), 0x5A3C) << "each challenge differs from the last";
    EXPECT_FALSE(panel.identified());
    EXPECT_EQ(ask(panel, responseTo(challengeOf(again), 0x1234)), (Bytes{0x13, 0x24}));
    EXPECT_EQ(panel.counters().rejectedResponses, 1u);
    EXPECT_EQ(panel.counters().challenges, 2u);
}

TEST(SimPanelIdentification, ResponseIsCheckedAgainstTheCodeInMemory)
{
    SimPanel panel;
    panel.setIdentificationCodes(0xABCD, 0x4321);
    EXPECT_EQ(panel.memoryByte(0x406), 0xAB);
    EXPECT_EQ(panel.memoryByte(0x407), 0xCD);
    EXPECT_EQ(panel.memoryByte(0x408), 0x43);
    EXPECT_EQ(panel.memoryByte(0x409), 0x21);
    identify(panel, 0x4321);

    // A memory image seeded later brings its own codes.
    SimPanel seeded;
    Bytes image(0x500, 0xFF);
    image[0x408] = 0x77;
    image[0x409] = 0x01;
    seeded.setMemory(image);
    const Bytes challenge = ask(seeded, kIdentifyRequest);
    EXPECT_EQ(ask(seeded, responseTo(challengeOf(challenge), 0x7701)), (Bytes{0x13, 0x24}));
}

TEST(SimPanelIdentification, RejectsRightResponsesAsOftenAsTold)
{
    SimPanel panel;
    panel.rejectResponses(2);
    Bytes challenge = ask(panel, kIdentifyRequest);
    for (int i = 0; i < 2; ++i) {
        challenge = ask(panel, responseTo(challengeOf(challenge), 0));
        ASSERT_EQ(challenge.at(0), 0x05) << "rejection " << i;
    }
    EXPECT_EQ(ask(panel, responseTo(challengeOf(challenge), 0)), (Bytes{0x13, 0x24}));
}

TEST(SimPanelIdentification, NothingElseIsServedBeforeIdentification)
{
    SimPanel panel;
    EXPECT_EQ(ask(panel, {0x73, 0x06}), (Bytes{0x13, 0x24}));
    EXPECT_EQ(ask(panel, {0xE3, 0x01}), (Bytes{0x13, 0x24}));
    identify(panel);
    EXPECT_EQ(ask(panel, {0xE5, 0x88, 0x6F, 0x04}), (Bytes{0xE5, 0x88, 0x6F, 0x04}));
}

TEST(SimPanelIdentification, NewSessionWaitsForANewIdentification)
{
    SimPanel panel({.challenge = 0x0102});
    identify(panel);
    panel.onSessionStart();
    EXPECT_FALSE(panel.identified());
    EXPECT_EQ(challengeOf(ask(panel, kIdentifyRequest)), 0x0102);
}

// --- programming memory -----------------------------------------------------

TEST(SimPanelMemory, PageSelectThenFourByteReadWithinThePage)
{
    SimPanel panel({.panelId = 0x1A2B, .pcId = 0x3C4D});
    identify(panel, 0x3C4D);
    EXPECT_EQ(ask(panel, {0xE5, 0x88, 0x6F, 0x04}), (Bytes{0xE5, 0x88, 0x6F, 0x04}));
    EXPECT_EQ(panel.ram(0x6F), 0x04);
    EXPECT_EQ(ask(panel, {0x73, 0x06}), (Bytes{0x77, 0x06, 0x1A, 0x2B, 0x3C, 0x4D}));
    // Another page, another byte at the same low address.
    panel.writeMemory(0x0006, Bytes{0x11, 0x22, 0x33, 0x44});
    ask(panel, {0xE5, 0x88, 0x6F, 0x00});
    EXPECT_EQ(ask(panel, {0x73, 0x06}), (Bytes{0x77, 0x06, 0x11, 0x22, 0x33, 0x44}));
    EXPECT_EQ(ask(panel, {0x43, 0x07}), (Bytes{0x44, 0x07, 0x22}));
    EXPECT_EQ(panel.counters().memoryReads, 3u);
}

TEST(SimPanelMemory, ErasedMemoryReadsFF)
{
    SimPanel panel;
    identify(panel);
    ask(panel, {0xE5, 0x88, 0x6F, 0x03});
    EXPECT_EQ(ask(panel, {0x73, 0x00}), (Bytes{0x77, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(SimPanelMemory, FourByteReadNearThePageEndGoesOnIntoTheNextPage)
{
    SimPanel panel;
    panel.writeMemory(0x4FE, Bytes{1, 2, 3, 4});
    identify(panel);
    ask(panel, {0xE5, 0x88, 0x6F, 0x04});
    EXPECT_EQ(ask(panel, {0x73, 0xFE}), (Bytes{0x77, 0xFE, 1, 2, 3, 4}));
}

TEST(SimPanelMemory, WritesAreEchoedAndStored)
{
    SimPanel panel;
    identify(panel);
    ask(panel, {0xE5, 0x88, 0x6F, 0x01});
    const Bytes four{0xB7, 0x20, 0xDE, 0xAD, 0xBE, 0xEF};
    EXPECT_EQ(ask(panel, four), four);
    const Bytes one{0x84, 0x30, 0x5A};
    EXPECT_EQ(ask(panel, one), one);
    EXPECT_EQ(panel.memoryByte(0x120), 0xDE);
    EXPECT_EQ(panel.memoryByte(0x123), 0xEF);
    EXPECT_EQ(panel.memoryByte(0x130), 0x5A);
    EXPECT_EQ(panel.memoryByte(0x020), 0xFF) << "page 0 untouched";
    EXPECT_EQ(panel.counters().memoryWrites, 2u);
    // What was written reads back.
    EXPECT_EQ(ask(panel, {0x73, 0x20}), (Bytes{0x77, 0x20, 0xDE, 0xAD, 0xBE, 0xEF}));
}

TEST(SimPanelMemory, SeedFillsFromAddressZeroAndErasesTheRest)
{
    SimPanel panel;
    panel.setMemory(Bytes{0xAE, 0x00, 0x42});
    const auto memory = panel.memory();
    ASSERT_EQ(memory.size(), 0x10000u);
    EXPECT_EQ(memory[0], 0xAE);
    EXPECT_EQ(memory[2], 0x42);
    EXPECT_EQ(memory[3], 0xFF);
    EXPECT_EQ(memory[0x406], 0xFF) << "the seed replaces the codes too";
}

TEST(SimPanelMemory, InstallerCompletionIsEchoedAndCounted)
{
    SimPanel panel;
    identify(panel);
    EXPECT_EQ(ask(panel, {0xE5, 0xB8, 0x5C, 0x28}), (Bytes{0xE5, 0xB8, 0x5C, 0x28}));
    EXPECT_EQ(panel.counters().completions, 1u);
    EXPECT_TRUE(panel.identified());
}

// --- RAM operations ---------------------------------------------------------

TEST(SimPanelRam, ReadsReturnTheContents)
{
    SimPanel panel({.condition = 0x80});
    identify(panel);
    EXPECT_EQ(ask(panel, {0xE5, 0x90, 0x49, 0x00}), (Bytes{0xE5, 0x90, 0x49, 0x80}));
    panel.setRam(0x30, 0x18);
    panel.setRam(0x31, 0x40);
    EXPECT_EQ(ask(panel, {0xE5, 0x10, 0x30, 0x00}), (Bytes{0xE5, 0x10, 0x30, 0x18}));
    EXPECT_EQ(ask(panel, {0xE6, 0x10, 0x30, 0x00, 0x00}), (Bytes{0xE6, 0x10, 0x30, 0x18, 0x40}));
    // The transfer end is a two-byte read.
    panel.setRam(0x1A, 0x05);
    EXPECT_EQ(ask(panel, {0xE6, 0x90, 0x1A, 0x00, 0x00}), (Bytes{0xE6, 0x90, 0x1A, 0x05, 0x00}));
}

TEST(SimPanelRam, BitOperationsChangeTheLocationAndEchoTheRequest)
{
    SimPanel panel;
    identify(panel);
    panel.setRam(0x11, 0xFF);
    EXPECT_EQ(ask(panel, {0xE5, 0x81, 0x11, 0xF3}), (Bytes{0xE5, 0x81, 0x11, 0xF3}));
    EXPECT_EQ(panel.ram(0x11), 0xF3);
    EXPECT_EQ(ask(panel, {0xE5, 0x82, 0x11, 0x04}), (Bytes{0xE5, 0x82, 0x11, 0x04}));
    EXPECT_EQ(panel.ram(0x11), 0xF7);
    panel.setRam(0x24, 0x18);
    ask(panel, {0xE5, 0x01, 0x24, 0xEF});
    EXPECT_EQ(panel.ram(0x24), 0x08);
    ask(panel, {0xE5, 0x02, 0x24, 0x30});
    EXPECT_EQ(panel.ram(0x24), 0x38);
    EXPECT_EQ(ask(panel, {0xE5, 0x04, 0x3A, 0x81}), (Bytes{0xE5, 0x04, 0x3A, 0x81}));
    EXPECT_EQ(panel.ram(0x3A), 0x81);
    ask(panel, {0xE5, 0x04, 0x3A, 0x01});
    EXPECT_EQ(panel.ram(0x3A), 0x80);
    EXPECT_EQ(ask(panel, {0xE5, 0x88, 0x6E, 0x00}), (Bytes{0xE5, 0x88, 0x6E, 0x00}));
}

TEST(SimPanelRam, TwoByteFormsActOnTwoLocations)
{
    SimPanel panel;
    identify(panel);
    panel.setRam(0x30, 0x10);
    panel.setRam(0x31, 0x00);
    EXPECT_EQ(ask(panel, {0xE6, 0x01, 0x30, 0xEF, 0xEF}), (Bytes{0xE6, 0x01, 0x30, 0xEF, 0xEF}));
    EXPECT_EQ(panel.ram(0x30), 0x00);
    ask(panel, {0xE6, 0x02, 0x30, 0x10, 0x10});
    EXPECT_EQ(panel.ram(0x30), 0x10);
    EXPECT_EQ(panel.ram(0x31), 0x10);
    EXPECT_EQ(ask(panel, {0xE6, 0x04, 0x3C, 0x00, 0x40}), (Bytes{0xE6, 0x04, 0x3C, 0x00, 0x40}));
    EXPECT_EQ(panel.ram(0x3D), 0x40);
    EXPECT_EQ(panel.ram(0x3C), 0x00);
    ask(panel, {0xE6, 0x88, 0x12, 0x05, 0x03});
    EXPECT_EQ(panel.ram(0x12), 0x05);
    EXPECT_EQ(panel.ram(0x13), 0x03);
}

TEST(SimPanelRam, UnknownOperationsAndMalformedMessagesGetTheNoAnswerMessage)
{
    SimPanel panel;
    identify(panel);
    const Bytes noAnswer{0x13, 0x24};
    EXPECT_EQ(ask(panel, {0xE5, 0x77, 0x30, 0x00}), noAnswer);
    EXPECT_EQ(ask(panel, {0xE5, 0x10, 0x30}), noAnswer) << "short";
    EXPECT_EQ(ask(panel, {0x73, 0x06, 0x00}), noAnswer) << "long";
    EXPECT_EQ(ask(panel, {0x99}), noAnswer) << "unknown code";
    EXPECT_EQ(ask(panel, {0x05, 0x00, 0x00, 0x11}), noAnswer);
    EXPECT_TRUE(panel.onMessage(Bytes{}).empty());
    EXPECT_EQ(panel.counters().refused, 5u);
}

// --- status messages --------------------------------------------------------

TEST(SimPanelStatus, LengthsFollowTheZoneAndPgmCounts)
{
    for (std::uint8_t type : {std::uint8_t{0x21}, std::uint8_t{0x22}, std::uint8_t{0x24}}) {
        SimPanel panel({.typeCode = type});
        identify(panel);
        const int zones = panel.zoneCount();
        const int pgms = panel.pgmCount();
        const Bytes pgmStatus = ask(panel, {0xE3, 0x01});
        const Bytes zoneStatus = ask(panel, {0xE3, 0x02});
        ASSERT_FALSE(pgmStatus.empty());
        ASSERT_FALSE(zoneStatus.empty());
        EXPECT_EQ(pgmStatus[0], 0x1F);
        EXPECT_EQ(zoneStatus[0], 0x1E);
        EXPECT_EQ(zoneStatus.size(), 16u + zones) << "type " << int(type);
        EXPECT_EQ(pgmStatus.size(), 21u + pgms) << "type " << int(type);
        // The program's receive parser agrees, check byte included.
        EXPECT_EQ(zoneStatus.size() + 1, link::checkedLength(0x1E, zones, pgms));
        EXPECT_EQ(pgmStatus.size() + 1, link::checkedLength(0x1F, zones, pgms));
    }
    EXPECT_EQ(SimPanel({.typeCode = 0x22}).zoneCount(), 12);
    EXPECT_EQ(SimPanel({.typeCode = 0x24}).zoneCount(), 16);
}

TEST(SimPanelStatus, EveryZoneOfTheModelHasADescriptor)
{
    SimPanel panel({.typeCode = 0x22});
    PanelStatus s;
    s.zoneDescriptors = {0x84, 0x45};
    panel.setStatus(s);
    panel.setCounts(46, 14, 8);
    identify(panel);
    const Bytes zones = ask(panel, {0xE3, 0x02});
    ASSERT_EQ(zones.size(), 16u + 14);
    EXPECT_EQ(zones[1], 0x84);
    EXPECT_EQ(zones[2], 0x45);
    EXPECT_EQ(zones[3], 0x21) << "zones left out are fresh zones";
    EXPECT_EQ(zones[14], 0x21) << "so is a zone the new count adds";

    SimPanel fresh;
    const Bytes freshZones = (identify(fresh), ask(fresh, {0xE3, 0x02}));
    EXPECT_EQ(Bytes(freshZones.begin() + 1, freshZones.begin() + 17), Bytes(16, 0x21));
}

TEST(SimPanelStatus, PollsAlternateBetweenTheTwoMessages)
{
    SimPanel panel;
    identify(panel);
    // E3 01 follows identification and every zone status; E3 02 follows a
    // PGM status: answering each poll as the program does visits both.
    Bytes reply = ask(panel, {0xE3, 0x01});
    std::vector<std::uint8_t> codes;
    for (int i = 0; i < 4; ++i) {
        codes.push_back(reply.at(0));
        reply = ask(panel, {0xE3, static_cast<std::uint8_t>(reply.at(0) == 0x1E ? 0x01 : 0x02)});
    }
    EXPECT_EQ(codes, (std::vector<std::uint8_t>{0x1F, 0x1E, 0x1F, 0x1E}));
    EXPECT_EQ(panel.counters().statusMessages, 5u);
}

TEST(SimPanelStatus, ZoneMapsPutZoneOneInTheTopBitOfTheFirstByte)
{
    EXPECT_EQ(encodeZoneMap(0x0001), (std::array<std::uint8_t, 2>{0x80, 0x00}));
    EXPECT_EQ(encodeZoneMap(0x0100), (std::array<std::uint8_t, 2>{0x00, 0x80}));
    EXPECT_EQ(encodeZoneMap(0x8003), (std::array<std::uint8_t, 2>{0xC0, 0x01}));
    for (unsigned v : {0x0000u, 0x1234u, 0xFFFFu, 0x8001u})
        EXPECT_EQ(decodeZoneMap(encodeZoneMap(v)[0], encodeZoneMap(v)[1]), v);
}

TEST(SimPanelStatus, ZoneStatusLayout)
{
    PanelStatus s;
    s.troubles = 0x41;
    s.partitionState = 0x09; // armed, stay
    s.stayZones = 0x0002;
    s.bypassedZones = 0x0004;
    s.openZones = 0x0001;
    s.tamperOpenZones = 0x0100;
    s.burglaryZones = 0x8000;
    s.tamperAlarmZones = 0x0010;
    s.zoneDescriptors = {0xA1, 0x42};
    const Bytes m = zoneStatusMessage(s, 12);
    ASSERT_EQ(m.size(), 28u);
    EXPECT_EQ(m[0], 0x1E);
    EXPECT_EQ(m[1], 0xA1);
    EXPECT_EQ(m[2], 0x42);
    EXPECT_EQ(m[12], 0x00) << "descriptors beyond the list read 0";
    const std::size_t b = 13;
    EXPECT_EQ(Bytes(m.begin() + b, m.end()),
              (Bytes{0x41, 0x09, 0x40, 0x00, 0x20, 0x00, 0x80, 0x00, 0x00, 0x80, 0x00, 0x01, 0x08, 0x00, 0x00}));
    // Stay zones are reported only while armed in stay.
    s.partitionState = 0x08;
    EXPECT_EQ(zoneStatusMessage(s, 12)[b + 2], 0x00);
    // Partition byte: partitioned, reporting B.
    s.partitioned = true;
    s.reportsPartitionB = true;
    EXPECT_EQ(zoneStatusMessage(s, 12).back(), 0x03);
    s.reportsPartitionB = false;
    EXPECT_EQ(zoneStatusMessage(s, 12).back(), 0x01);
}

TEST(SimPanelStatus, PgmStatusLayout)
{
    PanelStatus s;
    s.clock = {.minuteOfMonth = 0x1A2B, .monthIndex = 2, .year = 26};
    s.pgmStates = 0xA0;
    s.pgmTypes = {0x49, 0x47, 0x20};
    s.troubles = 0x80;
    const Bytes m = pgmStatusMessage(s, 6);
    ASSERT_EQ(m.size(), 27u);
    EXPECT_EQ(Bytes(m.begin(), m.begin() + 12),
              (Bytes{0x1F, 0x1A, 0x2B, 0x02, 26, 0xA0, 0x49, 0x47, 0x20, 0x00, 0x00, 0x00}));
    EXPECT_EQ(m[12], 0x80) << "status block follows the PGM types";
}

TEST(SimPanelStatus, LiveStateComesFromRam)
{
    SimPanel panel({.clock = {.day = 5, .month = 3, .year = 26, .hour = 14, .minute = 7, .second = 9}});
    identify(panel);
    panel.setRam(0x30, 0x18);
    panel.setRam(0x3A, 0x80); // zone 1 bypassed
    panel.setRam(0x3C, 0x01); // zone 16 bypassed
    panel.setRam(0x25, 0x40);
    const Bytes pgm = ask(panel, {0xE3, 0x01});
    const unsigned minute = 4 * 1440 + 14 * 60 + 7;
    EXPECT_EQ(Bytes(pgm.begin(), pgm.begin() + 6),
              (Bytes{0x1F, static_cast<std::uint8_t>(minute >> 8), static_cast<std::uint8_t>(minute), 2, 26, 0x40}));
    EXPECT_EQ(pgm[6], 0x49) << "fresh PGMs are bistable";
    const std::size_t b = 6 + 8;
    EXPECT_EQ(pgm[b + 1], 0x18);
    EXPECT_EQ(decodeZoneMap(pgm[b + 4], pgm[b + 5]), 0x8001);

    const PanelStatus s = panel.status();
    EXPECT_EQ(s.partitionState, 0x18);
    EXPECT_EQ(s.bypassedZones, 0x8001);
    EXPECT_EQ(s.clock.minuteOfMonth, minute);
}

TEST(SimPanelStatus, SetStatusWritesTheLiveStateIntoRam)
{
    SimPanel panel({.typeCode = 0x22}); // 12 zones
    PanelStatus s;
    s.partitionState = 0x08;
    s.bypassedZones = 0x0201; // zones 1 and 10
    s.clock = {.minuteOfMonth = 1440 + 61, .monthIndex = 11, .year = 25};
    s.pgmStates = 0x80;
    s.pgmTypes = {0x48};
    s.openZones = 0x0003;
    panel.setStatus(s);
    EXPECT_EQ(panel.ram(0x30), 0x08);
    EXPECT_EQ(panel.ram(0x3A), 0x80);
    EXPECT_EQ(panel.ram(0x3C), 1u << (6 - 9 + 7));
    EXPECT_EQ(panel.ram(0x12), 2);
    EXPECT_EQ(panel.ram(0x13), 12);
    EXPECT_EQ(panel.ram(0x15), 1);
    EXPECT_EQ(panel.ram(0x16), 1);
    EXPECT_EQ(panel.ram(0x25), 0x80);
    EXPECT_EQ(panel.ram(0x4C), 0x48);
    const PanelStatus back = panel.status();
    EXPECT_EQ(back.bypassedZones, 0x0201);
    EXPECT_EQ(back.openZones, 0x0003);
    EXPECT_EQ(back.clock.minuteOfMonth, 1440 + 61);
    EXPECT_EQ(back.clock.monthIndex, 11);
}

TEST(SimPanelStatus, PartitionedPanelReportsBothPartitionsInTurn)
{
    SimPanel panel;
    PanelStatus s;
    s.partitioned = true;
    panel.setStatus(s);
    panel.setRam(0x30, 0x08);
    panel.setRam(0x31, 0x40);
    identify(panel);
    const Bytes first = ask(panel, {0xE3, 0x02});
    const Bytes second = ask(panel, {0xE3, 0x02});
    const std::size_t b = 1 + 16;
    EXPECT_EQ(first[b + 1], 0x08);
    EXPECT_EQ(first.back(), 0x01);
    EXPECT_EQ(second[b + 1], 0x40);
    EXPECT_EQ(second.back(), 0x03);
}

// --- end of link ------------------------------------------------------------

TEST(SimPanelEndOfLink, ConfirmedWithTheSameBytesAndTheSessionEnds)
{
    SimPanel panel;
    identify(panel);
    const Bytes end{0xE5, 0xB8, 0x5C, 0x03};
    EXPECT_EQ(ask(panel, end), end);
    EXPECT_FALSE(panel.identified());
    EXPECT_EQ(panel.counters().endOfLinks, 1u);
    EXPECT_EQ(ask(panel, {0xE3, 0x01}), (Bytes{0x13, 0x24})) << "a new identification is needed";
}

TEST(SimPanelEndOfLink, SilentPanelLeavesTheLinkUp)
{
    SimPanel panel({.confirmEndOfLink = false});
    identify(panel);
    EXPECT_TRUE(panel.onMessage(Bytes{0xE5, 0xB8, 0x5C, 0x03}).empty());
    EXPECT_TRUE(panel.identified());
    panel.setConfirmEndOfLink(true);
    EXPECT_EQ(ask(panel, {0xE5, 0xB8, 0x5C, 0x03}), (Bytes{0xE5, 0xB8, 0x5C, 0x03}));
}

TEST(SimPanelEndOfLink, RefusingPanelAnswersNoAnswerAndLeavesTheLinkUp)
{
    SimPanel panel({.refuseEndOfLink = true});
    identify(panel);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ask(panel, {0xE5, 0xB8, 0x5C, 0x03}), (Bytes{0x13, 0x24}));
    EXPECT_TRUE(panel.identified());
    EXPECT_EQ(panel.counters().refused, 3u);
    EXPECT_EQ(panel.counters().endOfLinks, 0u);
    EXPECT_EQ(panel.ram(0x5C), 0x00) << "the request is not carried out";
}

// --- injections -------------------------------------------------------------

TEST(SimPanelInjection, NoAnswerRepliesStandInForTheRequests)
{
    SimPanel panel;
    identify(panel);
    panel.answerNoAnswer(2);
    const Bytes write{0xB7, 0x00, 1, 2, 3, 4};
    EXPECT_EQ(ask(panel, write), (Bytes{0x13, 0x24}));
    EXPECT_EQ(ask(panel, write), (Bytes{0x13, 0x24}));
    EXPECT_EQ(panel.memoryByte(0), 0xFF) << "a refused request is not carried out";
    EXPECT_EQ(ask(panel, write), write);
    EXPECT_EQ(panel.memoryByte(0), 1);
    EXPECT_EQ(panel.counters().refused, 2u) << "injected no-answers are counted";
}

TEST(SimPanelInjection, AlarmReportRunsUntilTheReportedNotice)
{
    SimPanel panel;
    identify(panel);
    panel.reportAlarm(2);
    EXPECT_EQ(ask(panel, {0xE3, 0x01}), (Bytes{0x13, 0xC0}));
    EXPECT_EQ(ask(panel, {0x13, 0xC0}), (Bytes{0x13, 0xC0}));
    EXPECT_EQ(ask(panel, {0x13, 0xC0}), (Bytes{0x13, 0xC0}));
    EXPECT_EQ(ask(panel, {0x13, 0xC0}), (Bytes{0x13, 0xCA}));
    // A late 13 C0 from the program is told that the report is over.
    EXPECT_EQ(ask(panel, {0x13, 0xC0}), (Bytes{0x13, 0xCA}));
    EXPECT_EQ(ask(panel, {0xE3, 0x01}).at(0), 0x1F);
}

TEST(SimPanelInjection, InjectedRepliesComeInOrder)
{
    SimPanel panel;
    identify(panel);
    panel.injectReplies({{0x77, 0x99, 0, 0, 0, 0}, {0x0F}});
    EXPECT_EQ(ask(panel, {0x73, 0x00}), (Bytes{0x77, 0x99, 0, 0, 0, 0}));
    EXPECT_EQ(ask(panel, {0x73, 0x00}), (Bytes{0x0F}));
    EXPECT_EQ(ask(panel, {0x73, 0x00}).at(1), 0x00);
}

TEST(SimPanelInjection, SilentPanelAnswersNothingButRecordsEverything)
{
    SimPanel panel;
    panel.setSilent(true);
    EXPECT_TRUE(panel.onMessage(kIdentifyRequest).empty());
    EXPECT_TRUE(panel.onMessage(Bytes{0xE3, 0x01}).empty());
    EXPECT_EQ(panel.received(), (std::vector<Bytes>{kIdentifyRequest, {0xE3, 0x01}}));
    panel.clearReceived();
    EXPECT_TRUE(panel.received().empty());
    panel.setSilent(false);
    EXPECT_EQ(ask(panel, kIdentifyRequest).at(0), 0x05);
    EXPECT_EQ(panel.received().size(), 1u);
}

TEST(SimPanelInjection, ConfigurationFromAnotherThreadWhileMessagesFlow)
{
    SimPanel panel;
    identify(panel);
    std::jthread configurer([&panel] {
        for (int i = 0; i < 2000; ++i) {
            panel.setRam(0x30, static_cast<std::uint8_t>(i));
            panel.writeMemory(0x100, Bytes{static_cast<std::uint8_t>(i)});
            (void)panel.received();
        }
    });
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(panel.onMessage(Bytes{0xE5, 0x10, 0x30, 0x00}).size(), 1u);
    configurer.join();
    EXPECT_EQ(panel.received().size(), 2002u);
}
