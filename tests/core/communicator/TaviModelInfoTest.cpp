#include "communicator/TaviModelInfo.h"

#include "communicator/TaviOptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace qarvo {
namespace {

// An accept reply payload written out byte by byte.
std::vector<std::uint8_t> samplePayload()
{
    return {
        1, 5, 2, 3,              // device kind, model code, hardware 2.3
        4, 3, 2, 1,              // software, least significant first
        9, 9, 9, 9,              // reserved
        0x34, 0x12,              // account 0x1234
        0x7D, 0xC7,              // port 51069
        '5', '3', '0', '7',      // password
        0xEF, 0xBE, 0xAD, 0xDE,  // ID
        0x39, 0x30, 0x00, 0x00,  // serial number 12345
        0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E,
        1, 0,                    // inputs 1 and 2
        0, 1, 0, 0,              // PGM1 to PGM4
        1,                       // tamper
        23,                      // RSSI
        1,                       // jamming
    };
}

TEST(TaviModelInfoParse, ReadsEveryField)
{
    const auto payload = samplePayload();
    ASSERT_EQ(payload.size(), 43u);
    const auto info = TaviModelInfo::parse(payload);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->deviceKind, 1);
    EXPECT_EQ(info->modelCode, 5);
    EXPECT_EQ(info->account, 0x1234);
    EXPECT_EQ(info->port, 51069);
    EXPECT_EQ(info->id, 0xDEADBEEFu);
    EXPECT_EQ(info->serialNumber, 12345);
    EXPECT_EQ(info->rssi, 23);
    // Input 1 (bit 0), PGM2 (bit 3), tamper (bit 6), jamming (bit 7).
    EXPECT_EQ(info->state, 0xC9);
}

TEST(TaviModelInfoParse, AnyNonZeroStateByteIsOn)
{
    auto payload = samplePayload();
    payload[35] = 0x80;  // input 2
    payload[39] = 7;     // PGM4
    const auto info = TaviModelInfo::parse(payload);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->state, 0xC9 | tavi_state::kInput2 | (tavi_state::kPgm1 << 3));
}

TEST(TaviModelInfoParse, ShortPayloadIsRefusedLongerIsRead)
{
    auto payload = samplePayload();
    EXPECT_FALSE(TaviModelInfo::parse(std::span(payload).first(42)));
    EXPECT_FALSE(TaviModelInfo::parse({}));
    payload.push_back(0xAA);
    EXPECT_TRUE(TaviModelInfo::parse(payload));
}

TEST(TaviModelInfoParse, EncodeGivesBackThePayload)
{
    const auto payload = samplePayload();
    const auto info = TaviModelInfo::parse(payload);
    ASSERT_TRUE(info);
    const auto encoded = info->encode();
    EXPECT_EQ(std::vector<std::uint8_t>(encoded.begin(), encoded.end()), payload);
    EXPECT_EQ(TaviModelInfo::parse(encoded), info);
}

TEST(TaviModelInfoTexts, ShowsTheFieldsAsThePageDoes)
{
    const auto info = TaviModelInfo::parse(samplePayload());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->modelText(), "Tavi-4");
    EXPECT_EQ(info->hardwareRevisionText(), "2.3");
    EXPECT_EQ(info->softwareRevisionText(false), "1.2.3.4");
    EXPECT_EQ(info->softwareRevisionText(true), "1.2.3.4 boot");
    EXPECT_EQ(info->idText(), "DEADBEEF");
    EXPECT_EQ(info->serialNumberText(), "0000012345");
    EXPECT_EQ(info->macText(), "00:1A:2B:3C:4D:5E");
    EXPECT_EQ(info->passwordText(), "5307");
}

TEST(TaviModelInfoTexts, SignedSerialAndCharacterRevision)
{
    TaviModelInfo info;
    info.modelCode = 1;
    info.serialNumber = -1;
    info.hardwareMajor = 10;  // one character past '9'
    info.hardwareMinor = 0;
    info.id = 0xAB;
    EXPECT_EQ(info.serialNumberText(), "-000000001");
    EXPECT_EQ(info.hardwareRevisionText(), ":.0");
    EXPECT_EQ(info.idText(), "000000AB");
}

TEST(TaviModelInfoTexts, UnknownDeviceAndUnknownModel)
{
    TaviModelInfo other;
    other.deviceKind = 2;
    other.modelCode = 1;
    other.hardwareMajor = 1;
    EXPECT_EQ(other.modelText(), "Unknown Device!");
    EXPECT_EQ(other.hardwareRevisionText(), "");
    EXPECT_EQ(other.capabilities(), TaviCapabilities{});

    TaviModelInfo unknown;
    unknown.modelCode = 3;
    unknown.hardwareMajor = 1;
    EXPECT_EQ(unknown.modelText(), "Unknown!");
    EXPECT_EQ(unknown.hardwareRevisionText(), "");
    EXPECT_EQ(unknown.capabilities(), TaviCapabilities{});
}

TEST(TaviModelInfoTexts, ConnectedByAndIp)
{
    EXPECT_EQ(taviBearerText(1), "Ethernet");
    EXPECT_EQ(taviBearerText(2), "GPRS");
    EXPECT_EQ(taviBearerText(0), "Unknown");
    EXPECT_EQ(taviBearerText(3), "Unknown");
    EXPECT_EQ(ipv4Text(0xC0A80009), "192.168.0.9");
    EXPECT_EQ(ipv4Text(0x7F000001), "127.0.0.1");
}

TEST(TaviModelInfoTexts, AcceptReplyLinesInPageOrder)
{
    const auto info = TaviModelInfo::parse(samplePayload());
    ASSERT_TRUE(info);
    const auto lines = taviAcceptReplyTexts(*info, true, 2, 0x7F000001);
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Model", "Tavi-4"},
        {"Hardware revision", "2.3"},
        {"Software revision", "1.2.3.4 boot"},
        {"Connected by", "GPRS"},
        {"ID", "DEADBEEF"},
        {"Serial number", "0000012345"},
        {"MAC", "00:1A:2B:3C:4D:5E"},
        {"IP", "127.0.0.1"},
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].label, expected[i].first);
        EXPECT_EQ(lines[i].value, expected[i].second);
    }
}

TEST(TaviModelTable, NamesAndCapabilities)
{
    struct Row {
        std::uint8_t code;
        const char* name;
        bool inputs, tamper, gprs;
        int pgms;
    };
    const std::vector<Row> rows{
        {0, "Tavi-1", false, true, false, 2}, {1, "Tavi-2", true, true, false, 2},
        {2, "Tavi-3", true, true, false, 2},  {5, "Tavi-4", true, true, true, 2},
        {6, "Tavi-5", true, true, true, 2},   {17, "Tavi-6", false, false, true, 0},
    };
    for (const Row& row : rows) {
        TaviModelInfo info;
        info.modelCode = row.code;
        EXPECT_EQ(info.modelText(), row.name);
        const TaviCapabilities caps = info.capabilities();
        EXPECT_EQ(caps.hasInputs, row.inputs) << row.name;
        EXPECT_EQ(caps.hasTamper, row.tamper) << row.name;
        EXPECT_EQ(caps.hasGprs, row.gprs) << row.name;
        EXPECT_EQ(caps.pgmCount, row.pgms) << row.name;
    }
    EXPECT_EQ(taviModels().size(), rows.size());
    EXPECT_EQ(findTaviModel(4), nullptr);
}

TEST(TaviModelTable, DefaultCapabilities)
{
    const TaviCapabilities caps;
    EXPECT_TRUE(caps.hasInputs);
    EXPECT_TRUE(caps.hasTamper);
    EXPECT_FALSE(caps.hasGprs);
    EXPECT_EQ(caps.pgmCount, 2);
}

TEST(TaviModelInfoApply, AccountAndPortBecomeTheRecords)
{
    const auto info = TaviModelInfo::parse(samplePayload());
    ASSERT_TRUE(info);
    TaviOptions record = TaviOptions::builtInDefaults();
    TaviOptions expected = record;
    expected.bytes[4] = 0x34;
    expected.bytes[5] = 0x12;
    expected.bytes[14] = 0x7D;
    expected.bytes[15] = 0xC7;
    record.setPort(1);
    info->applyTo(record);
    EXPECT_EQ(record, expected);
}

} // namespace
} // namespace qarvo
