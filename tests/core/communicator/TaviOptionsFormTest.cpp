#include "communicator/TaviOptionsForm.h"

#include "base/TextIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace qarvo {
namespace {

using namespace tavi;

const TaviCapabilities kDefaultCaps{};
const TaviCapabilities kAllCaps{.hasInputs = true, .hasTamper = true, .hasGprs = true, .pgmCount = 4};

TaviCapabilities capsOfModel(std::uint8_t code)
{
    TaviModelInfo info;
    info.modelCode = code;
    return info.capabilities();
}

TaviOptionsForm shownDefaults(const TaviCapabilities& caps = kDefaultCaps)
{
    TaviOptionsForm form;
    showTaviOptions(TaviOptions::builtInDefaults(), caps, form);
    return form;
}

// Stores and expects success.
TaviOptions stored(const TaviOptionsForm& form, const TaviCapabilities& caps = kDefaultCaps,
                   TaviOptions record = TaviOptions::builtInDefaults())
{
    const auto error = storeTaviOptions(form, caps, record);
    EXPECT_FALSE(error) << "control " << (error ? static_cast<int>(error->control) : -1);
    return record;
}

std::vector<std::uint8_t> slice(const TaviOptions& record, std::size_t at, std::size_t count)
{
    return {record.bytes.begin() + at, record.bytes.begin() + at + count};
}

TEST(TaviFormShow, DefaultRecord)
{
    const TaviOptionsForm form = shownDefaults();
    EXPECT_EQ(form.password, "5307");
    EXPECT_EQ(form.account, "FFFF");
    EXPECT_EQ(form.port, "51069");
    EXPECT_FALSE(form.dhcp);  // network flags 0x03: fixed addressing
    EXPECT_FALSE(form.encrypt);
    EXPECT_FALSE(form.checkForUpdates);
    EXPECT_EQ(form.ipv4[0], 0xC0A80009u);
    EXPECT_EQ(form.ipv4[1], 0xFFFFFF00u);

    const TaviServerForm& primary = form.servers[0];
    EXPECT_EQ(primary.protocol, tavi_combo::kProtocolTaviCom);
    EXPECT_FALSE(primary.encrypt);
    EXPECT_FALSE(primary.staticKey);
    EXPECT_EQ(primary.address, "192.168.0.16");
    EXPECT_EQ(primary.port, "34197");
    EXPECT_EQ(primary.keepAlive, "40");
    EXPECT_EQ(primary.gprsKeepAlive, "3");
    EXPECT_FALSE(form.servers[1].inUse);  // flags 0x06
    EXPECT_EQ(form.servers[1].protocol, tavi_combo::kProtocolTaviCom);

    EXPECT_EQ(form.settingsUser, "0");
    EXPECT_EQ(form.localEvents[0], "411");
    EXPECT_EQ(form.localEvents[5], "760");
    EXPECT_EQ(form.inputEvents[1], "762");
    EXPECT_EQ(form.tamperEvent, "137");
    // 30 s is not a whole number of minutes.
    EXPECT_EQ(form.pgm[0].time, "30");
    EXPECT_EQ(form.pgm[0].unit, tavi_combo::kUnitSec);
    EXPECT_EQ(form.pgm[1].eventCode, "764");
    EXPECT_EQ(form.gprsEvents[6], "776");
    EXPECT_EQ(form.sims[0].apn, "");
}

TEST(TaviFormShow, PgmRowsBeyondTheModelKeepTheirFormValues)
{
    TaviOptionsForm form;
    form.pgm[2].time = "keep";
    form.inputEvents[0] = "keep";
    showTaviOptions(TaviOptions::builtInDefaults(), kDefaultCaps, form);
    EXPECT_EQ(form.pgm[2].time, "keep");
    EXPECT_EQ(form.pgm[1].time, "30");

    TaviOptionsForm tavi6;
    tavi6.pgm[0].time = "keep";
    tavi6.tamperEvent = "keep";
    showTaviOptions(TaviOptions::builtInDefaults(), capsOfModel(17), tavi6);
    EXPECT_EQ(tavi6.pgm[0].time, "keep");
    EXPECT_EQ(tavi6.tamperEvent, "keep");
    EXPECT_EQ(tavi6.inputEvents[0], "");
}

TEST(TaviFormPgmTime, ShownInMinutesWhenWhole)
{
    TaviOptions record = TaviOptions::builtInDefaults();
    record.setPgmTime(0, 120);
    record.setPgmTime(1, 90);
    record.setPgmTime(2, 0);
    record.setPgmTime(3, 60);
    TaviOptionsForm form;
    showTaviOptions(record, kAllCaps, form);
    EXPECT_EQ(form.pgm[0].time, "2");
    EXPECT_EQ(form.pgm[0].unit, tavi_combo::kUnitMin);
    EXPECT_EQ(form.pgm[1].time, "90");
    EXPECT_EQ(form.pgm[1].unit, tavi_combo::kUnitSec);
    EXPECT_EQ(form.pgm[2].time, "0");
    EXPECT_EQ(form.pgm[2].unit, tavi_combo::kUnitMin);
    EXPECT_EQ(form.pgm[3].time, "1");
}

TEST(TaviFormPgmTime, MinutesAreStoredAsSeconds)
{
    TaviOptionsForm form = shownDefaults(kAllCaps);
    form.pgm[0] = {.latch = false, .time = "5", .unit = tavi_combo::kUnitMin, .eventCode = "1"};
    form.pgm[1] = {.latch = false, .time = "5", .unit = tavi_combo::kUnitSec, .eventCode = "2"};
    form.pgm[2] = {.latch = false, .time = "1092", .unit = tavi_combo::kUnitMin, .eventCode = "3"};
    form.pgm[3] = {.latch = false, .time = "65535", .unit = tavi_combo::kUnitSec, .eventCode = "4"};
    const TaviOptions record = stored(form, kAllCaps);
    EXPECT_EQ(record.pgmTime(0), 300);
    EXPECT_EQ(record.pgmTime(1), 5);
    EXPECT_EQ(record.pgmTime(2), 65520);
    EXPECT_EQ(record.pgmTime(3), 65535);
    EXPECT_EQ(record.pgmEvent(3), 4);
}

TEST(TaviFormPgmTime, MinutesThatDoNotFitSixteenBitsAreRefused)
{
    TaviOptionsForm form = shownDefaults();
    form.pgm[1].time = "1093";
    form.pgm[1].unit = tavi_combo::kUnitMin;
    TaviOptions record = TaviOptions::builtInDefaults();
    const auto error = storeTaviOptions(form, kDefaultCaps, record);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, (TaviFormError{text_id::kEnterNumberUpTo, 1092, taviControl(TaviControl::PgmTimeFirst, 1)}));
    EXPECT_EQ(record, TaviOptions::builtInDefaults());
}

TEST(TaviFormStore, ShownDefaultsStoreBackUnchanged)
{
    EXPECT_EQ(stored(shownDefaults()), TaviOptions::builtInDefaults());
    EXPECT_EQ(stored(shownDefaults(kAllCaps), kAllCaps), TaviOptions::builtInDefaults());
}

TEST(TaviFormStore, NumbersAndRanges)
{
    TaviOptionsForm form = shownDefaults();
    form.account = "ab";
    form.port = "65535";
    form.settingsUser = " 7 ";
    form.servers[1].gprsKeepAlive = "255";
    form.servers[0].keepAlive = std::to_string(kMaxKeepAliveSeconds);
    const TaviOptions record = stored(form);
    EXPECT_EQ(record.serverKeepAlive(Server::Primary), kMaxKeepAliveSeconds);
    EXPECT_EQ(record.account(), 0x00AB);
    EXPECT_EQ(record.port(), 65535);
    EXPECT_EQ(record.settingsUser(), 7);
    EXPECT_EQ(record.serverGprsKeepAlive(Server::Secondary), 255);
}

TEST(TaviFormStore, RefusalsNameTextNumberAndControl)
{
    struct Case {
        void (*edit)(TaviOptionsForm&);
        TaviFormError expected;
    };
    const std::vector<Case> cases{
        {[](TaviOptionsForm& f) { f.account = "1FFFF"; }, {text_id::kHexDigitCode, 4, TaviControl::Account}},
        {[](TaviOptionsForm& f) { f.account = "12G4"; }, {text_id::kHexDigitCode, 4, TaviControl::Account}},
        {[](TaviOptionsForm& f) { f.account = "000000001"; }, {text_id::kHexDigitCode, 4, TaviControl::Account}},
        {[](TaviOptionsForm& f) { f.port = "65536"; }, {text_id::kEnterNumberUpTo, 65535, TaviControl::Port}},
        {[](TaviOptionsForm& f) { f.port = ""; }, {text_id::kEnterNumberUpTo, 65535, TaviControl::Port}},
        {[](TaviOptionsForm& f) { f.port = "-1"; }, {text_id::kEnterNumberUpTo, 65535, TaviControl::Port}},
        {[](TaviOptionsForm& f) { f.port = "12a"; }, {text_id::kEnterNumberUpTo, 65535, TaviControl::Port}},
        {[](TaviOptionsForm& f) { f.servers[0].gprsKeepAlive = "256"; },
         {text_id::kEnterNumberUpTo, 255, TaviControl::PrimaryGprsKeepAlive}},
        {[](TaviOptionsForm& f) { f.servers[1].keepAlive = "99999999999999999999"; },
         {text_id::kEnterNumberUpTo, kMaxKeepAliveSeconds, TaviControl::SecondaryKeepAlive}},
        {[](TaviOptionsForm& f) { f.servers[0].keepAlive = std::to_string(kMaxKeepAliveSeconds + 1); },
         {text_id::kEnterNumberUpTo, kMaxKeepAliveSeconds, TaviControl::PrimaryKeepAlive}},
        {[](TaviOptionsForm& f) { f.gprsEvents[3] = "x"; },
         {text_id::kEnterNumberUpTo, 65535, taviControl(TaviControl::GprsEventFirst, 3)}},
    };
    for (const Case& c : cases) {
        TaviOptionsForm form = shownDefaults();
        c.edit(form);
        TaviOptions record = TaviOptions::builtInDefaults();
        const auto error = storeTaviOptions(form, kDefaultCaps, record);
        ASSERT_TRUE(error) << static_cast<int>(c.expected.control);
        EXPECT_EQ(*error, c.expected);
        EXPECT_EQ(record, TaviOptions::builtInDefaults()) << "a refused store changes nothing";
    }
}

// The text a control edits, for walking the validation order.
std::string& field(TaviOptionsForm& f, TaviControl control)
{
    const int c = static_cast<int>(control);
    auto in = [c](TaviControl first, int count) {
        return c >= static_cast<int>(first) && c < static_cast<int>(first) + count;
    };
    auto index = [c](TaviControl first) { return static_cast<std::size_t>(c - static_cast<int>(first)); };
    switch (control) {
    case TaviControl::Account: return f.account;
    case TaviControl::Port: return f.port;
    case TaviControl::PrimaryPort: return f.servers[0].port;
    case TaviControl::PrimaryAddress: return f.servers[0].address;
    case TaviControl::PrimaryKeepAlive: return f.servers[0].keepAlive;
    case TaviControl::SecondaryPort: return f.servers[1].port;
    case TaviControl::SecondaryAddress: return f.servers[1].address;
    case TaviControl::SecondaryKeepAlive: return f.servers[1].keepAlive;
    case TaviControl::SettingsUser: return f.settingsUser;
    case TaviControl::SettingsPartition: return f.settingsPartition;
    case TaviControl::Input1Event: return f.inputEvents[0];
    case TaviControl::Input2Event: return f.inputEvents[1];
    case TaviControl::TamperEvent: return f.tamperEvent;
    case TaviControl::PrimaryGprsKeepAlive: return f.servers[0].gprsKeepAlive;
    case TaviControl::SecondaryGprsKeepAlive: return f.servers[1].gprsKeepAlive;
    default: break;
    }
    if (in(TaviControl::LocalEventFirst, 6))
        return f.localEvents[index(TaviControl::LocalEventFirst)];
    if (in(TaviControl::PgmTimeFirst, 4))
        return f.pgm[index(TaviControl::PgmTimeFirst)].time;
    if (in(TaviControl::PgmEventFirst, 4))
        return f.pgm[index(TaviControl::PgmEventFirst)].eventCode;
    return f.gprsEvents[index(TaviControl::GprsEventFirst)];
}

TEST(TaviFormStore, ValidatesInThePagesOrder)
{
    using C = TaviControl;
    const std::vector<TaviControl> order{
        C::Account, C::Port,
        C::PrimaryPort, C::PrimaryAddress, C::PrimaryKeepAlive,
        C::SecondaryPort, C::SecondaryAddress, C::SecondaryKeepAlive,
        C::SettingsUser, C::SettingsPartition,
        taviControl(C::LocalEventFirst, 0), taviControl(C::LocalEventFirst, 1), taviControl(C::LocalEventFirst, 2),
        taviControl(C::LocalEventFirst, 3), taviControl(C::LocalEventFirst, 4), taviControl(C::LocalEventFirst, 5),
        C::Input1Event, C::Input2Event, C::TamperEvent,
        taviControl(C::PgmTimeFirst, 0), taviControl(C::PgmEventFirst, 0),
        taviControl(C::PgmTimeFirst, 1), taviControl(C::PgmEventFirst, 1),
        taviControl(C::PgmTimeFirst, 2), taviControl(C::PgmEventFirst, 2),
        taviControl(C::PgmTimeFirst, 3), taviControl(C::PgmEventFirst, 3),
        C::PrimaryGprsKeepAlive, C::SecondaryGprsKeepAlive,
        taviControl(C::GprsEventFirst, 0), taviControl(C::GprsEventFirst, 1), taviControl(C::GprsEventFirst, 2),
        taviControl(C::GprsEventFirst, 3), taviControl(C::GprsEventFirst, 4), taviControl(C::GprsEventFirst, 5),
        taviControl(C::GprsEventFirst, 6),
    };
    const std::string invalidAddress = "256.1.1.1";
    TaviOptionsForm form = shownDefaults(kAllCaps);
    for (TaviControl control : order) {
        const bool address = control == C::PrimaryAddress || control == C::SecondaryAddress;
        field(form, control) = address ? invalidAddress : "x";
    }
    for (TaviControl control : order) {
        TaviOptions record = TaviOptions::builtInDefaults();
        const auto error = storeTaviOptions(form, kAllCaps, record);
        ASSERT_TRUE(error);
        ASSERT_EQ(error->control, control) << "expected control " << static_cast<int>(control) << ", got "
                                           << static_cast<int>(error->control);
        field(form, control) = "1";
    }
    TaviOptions record = TaviOptions::builtInDefaults();
    EXPECT_FALSE(storeTaviOptions(form, kAllCaps, record));
}

TEST(TaviFormStore, FieldsTheModelLacksAreNeitherCheckedNorStored)
{
    TaviOptionsForm form = shownDefaults();
    for (TaviPgmRowForm& row : form.pgm)
        row = {.latch = false, .time = "x", .unit = tavi_combo::kUnitSec, .eventCode = "x"};
    form.inputEvents = {"x", "x"};
    form.tamperEvent = "x";
    const TaviOptions record = stored(form, capsOfModel(17));
    EXPECT_EQ(record, TaviOptions::builtInDefaults());

    // The default model exchanges PGM rows 1 and 2 only.
    TaviOptionsForm two = shownDefaults();
    two.pgm[2].time = "x";
    two.pgm[3].eventCode = "x";
    two.pgm[1].eventCode = "999";
    EXPECT_EQ(stored(two).pgmEvent(1), 999);

    TaviOptionsForm tavi1 = shownDefaults(capsOfModel(0));
    tavi1.inputEvents[0] = "x";
    tavi1.tamperEvent = "5";
    EXPECT_EQ(stored(tavi1, capsOfModel(0)).tamperEvent(), 5);
}

TEST(TaviFormStore, PasswordTakesFourCharactersCompletedWithZeros)
{
    TaviOptionsForm form = shownDefaults();
    form.password = "ab";
    EXPECT_EQ(slice(stored(form), 0, 4), (std::vector<std::uint8_t>{'a', 'b', 0, 0}));
    form.password = "123456";
    EXPECT_EQ(stored(form).password(), "1234");
    form.password = "\xC3\xA9t\xC3\xA9";
    EXPECT_EQ(slice(stored(form), 0, 4), (std::vector<std::uint8_t>{0xE9, 't', 0xE9, 0}));
}

TEST(TaviFormAddress, Ipv4LiteralStoresFourBytes)
{
    TaviOptionsForm form = shownDefaults();
    form.servers[0].address = "10.0.0.1";
    TaviOptions previous = TaviOptions::builtInDefaults();
    previous.setServerFlags(Server::Primary, 0x00);  // a text address before
    previous.setServerHost(Server::Primary, "old.example");
    const TaviOptions record = stored(form, kDefaultCaps, previous);
    EXPECT_TRUE(record.serverFlags(Server::Primary) & 0x02);
    EXPECT_EQ(slice(record, 40, 4), (std::vector<std::uint8_t>{10, 0, 0, 1}));
    EXPECT_EQ(slice(record, 44, 26), std::vector<std::uint8_t>(26, 0xFF));
}

TEST(TaviFormAddress, HostNameStoresText)
{
    TaviOptionsForm form = shownDefaults();
    form.servers[1].address = "host.example";
    const TaviOptions record = stored(form);
    EXPECT_FALSE(record.serverFlags(Server::Secondary) & 0x02);
    const std::string host = "host.example";
    EXPECT_EQ(slice(record, 76, host.size()), std::vector<std::uint8_t>(host.begin(), host.end()));
    EXPECT_EQ(record.bytes[76 + host.size()], 0);
    EXPECT_EQ(slice(record, 76 + host.size() + 1, 30 - host.size() - 1),
              std::vector<std::uint8_t>(30 - host.size() - 1, 0xFF));
    EXPECT_EQ(record.serverHost(Server::Secondary), host);
}

TEST(TaviFormAddress, FourDotsIsText)
{
    TaviOptionsForm form = shownDefaults();
    form.servers[0].address = "1.2.3.4.5";
    const TaviOptions record = stored(form);
    EXPECT_FALSE(record.serverFlags(Server::Primary) & 0x02);
    EXPECT_EQ(record.serverHost(Server::Primary), "1.2.3.4.5");
}

TEST(TaviFormAddress, TextLimitsAndInvalidLiterals)
{
    const TaviFormError refused{text_id::kEnterServerAddress, 29, TaviControl::PrimaryAddress};
    const std::vector<std::string> refusedAddresses{"256.1.1.1", "1.2.3.",    "1..2.3",
                                                    "1.2.3.4 5", "1,2.3.4.5", std::string(30, 'h')};
    for (const std::string& address : refusedAddresses) {
        TaviOptionsForm form = shownDefaults();
        form.servers[0].address = address;
        TaviOptions record = TaviOptions::builtInDefaults();
        const auto error = storeTaviOptions(form, kDefaultCaps, record);
        ASSERT_TRUE(error) << address;
        EXPECT_EQ(*error, refused) << address;
    }
    TaviOptionsForm form = shownDefaults();
    form.servers[0].address = std::string(29, 'h');
    const TaviOptions record = stored(form);
    EXPECT_EQ(record.serverHost(Server::Primary), std::string(29, 'h'));
    EXPECT_EQ(record.bytes[40 + 29], 0);

    form.servers[0].address = " 10.1.2.3 ";
    EXPECT_EQ(stored(form).serverIpv4(Server::Primary), (std::array<std::uint8_t, 4>{10, 1, 2, 3}));
}

TEST(TaviFormServer, EncryptShownOnlyForFlags32To63)
{
    TaviOptions record = TaviOptions::builtInDefaults();
    TaviOptionsForm form;
    record.setServerFlags(Server::Primary, 0x27);
    record.setServerFlags(Server::Secondary, 0x67);
    showTaviOptions(record, kDefaultCaps, form);
    EXPECT_TRUE(form.servers[0].encrypt);
    EXPECT_FALSE(form.servers[1].encrypt);
    EXPECT_TRUE(form.servers[1].inUse);
    EXPECT_EQ(form.servers[1].protocol, 1);
    record.setServerFlags(Server::Primary, 0x1F);
    showTaviOptions(record, kDefaultCaps, form);
    EXPECT_FALSE(form.servers[0].encrypt);
}

// A record whose primary server lacks its in-use bit shows the form a store
// makes of it: the primary is always in use.
TEST(TaviFormServer, ThePrimaryShowsInUseAsAStoreSetsIt)
{
    TaviOptions record = TaviOptions::builtInDefaults();
    for (const Server server : {Server::Primary, Server::Secondary})
        record.setServerFlags(server, static_cast<std::uint8_t>(record.serverFlags(server) & ~0x01));
    TaviOptionsForm form;
    showTaviOptions(record, kDefaultCaps, form);
    EXPECT_TRUE(form.servers[0].inUse);
    EXPECT_FALSE(form.servers[1].inUse);
    TaviOptionsForm again;
    showTaviOptions(stored(form, kDefaultCaps, record), kDefaultCaps, again);
    EXPECT_EQ(again, form);
}

TEST(TaviFormServer, FlagsRebuiltOnStore)
{
    TaviOptions previous = TaviOptions::builtInDefaults();
    previous.setServerFlags(Server::Primary, 0xC0);
    previous.setServerKeyFlags(Server::Primary, 0xF0);
    previous.setServerKeyFlags(Server::Secondary, 0xF1);
    TaviOptionsForm form;
    showTaviOptions(TaviOptions::builtInDefaults(), kDefaultCaps, form);
    form.servers[0].protocol = tavi_combo::kProtocolDc09;
    form.servers[0].encrypt = true;
    form.servers[0].staticKey = true;
    form.servers[0].inUse = false;  // the primary is in use whatever the form says
    form.servers[0].address = "host";
    form.servers[1].inUse = true;
    form.servers[1].protocol = tavi_combo::kProtocolNoReport;
    form.servers[1].staticKey = false;
    const TaviOptions record = stored(form, kDefaultCaps, previous);
    EXPECT_EQ(record.serverFlags(Server::Primary), 0x29);   // in use, DC-09, encrypt, text
    EXPECT_EQ(record.serverKeyFlags(Server::Primary), 0xF1);
    EXPECT_EQ(record.serverFlags(Server::Secondary), 0x03); // in use, 4 address bytes
    EXPECT_EQ(record.serverKeyFlags(Server::Secondary), 0xF0);
}

TEST(TaviFormServer, UnselectedProtocolKeepsTheRecordsBits)
{
    TaviOptions previous = TaviOptions::builtInDefaults();
    previous.setServerFlags(Server::Secondary, 0x1E);  // protocol index 7
    TaviOptionsForm form;
    showTaviOptions(previous, kDefaultCaps, form);
    EXPECT_EQ(form.servers[1].protocol, 7);
    form.servers[1].protocol = -1;
    EXPECT_EQ(stored(form, kDefaultCaps, previous).serverFlags(Server::Secondary), 0x1E);
}

TEST(TaviFormFlags, NetworkFlagsKeepBitsFiveToSeven)
{
    TaviOptions previous = TaviOptions::builtInDefaults();
    previous.setNetworkFlags(0xFF);
    TaviOptionsForm form = shownDefaults();
    form.encrypt = false;
    form.dhcp = true;
    EXPECT_EQ(stored(form, kDefaultCaps, previous).networkFlags(), 0xE1);
    form.encrypt = true;
    form.dhcp = false;
    previous.setNetworkFlags(0x00);
    EXPECT_EQ(stored(form, kDefaultCaps, previous).networkFlags(), 0x07);
}

TEST(TaviFormFlags, GeneralFlagsKeepBitsZeroTwoThree)
{
    TaviOptions previous = TaviOptions::builtInDefaults();
    previous.setGeneralFlags(0x0D);
    TaviOptionsForm form = shownDefaults();
    form.checkForUpdates = true;
    form.pgm[0].latch = true;
    form.pgm[3].latch = true;  // beyond the model's rows: still its bit
    EXPECT_EQ(stored(form, kDefaultCaps, previous).generalFlags(), 0x9F);

    previous.setGeneralFlags(0xFF);
    showTaviOptions(previous, kDefaultCaps, form);
    EXPECT_TRUE(form.checkForUpdates);
    EXPECT_TRUE(form.pgm[2].latch);
    form.checkForUpdates = false;
    for (TaviPgmRowForm& row : form.pgm)
        row.latch = false;
    EXPECT_EQ(stored(form, kDefaultCaps, previous).generalFlags(), 0x0D);
}

TEST(TaviFormFlags, GprsFlagsRebuiltAndNextByteCleared)
{
    TaviOptions previous = TaviOptions::builtInDefaults();
    previous.setU8(180, 0xFF);
    previous.setU8(181, 0x55);
    TaviOptionsForm form;
    showTaviOptions(previous, kDefaultCaps, form);
    EXPECT_TRUE(form.doubleSim);
    EXPECT_TRUE(form.pgm1IfBlocked);
    EXPECT_TRUE(form.pgm2IfBlocked);
    form.pgm1IfBlocked = false;
    const TaviOptions record = stored(form, kDefaultCaps, previous);
    EXPECT_EQ(record.bytes[180], 0x09);
    EXPECT_EQ(record.bytes[181], 0x00);
}

TEST(TaviFormStore, KeptBytesSurvive)
{
    TaviOptions previous = TaviOptions::builtInDefaults();
    for (std::size_t at : {7u, 8u, 9u, 11u, 12u, 13u, 162u, 163u, 326u, 327u})
        previous.setU8(at, static_cast<std::uint8_t>(0xA0 + at % 16));
    previous.setText(108, 30, "updates.example");
    previous.setU16(138, 4242);
    TaviOptionsForm form;
    showTaviOptions(previous, kDefaultCaps, form);
    EXPECT_EQ(stored(form, kDefaultCaps, previous), previous);
}

TEST(TaviFormStore, SimTextsAreCutToTheirFields)
{
    TaviOptionsForm form = shownDefaults();
    form.sims[0].apn = std::string(40, 'a');
    form.sims[0].user = std::string(20, 'u');
    form.sims[1].password = "pw";
    const TaviOptions record = stored(form);
    EXPECT_EQ(record.simText(SimText::Sim1Apn), std::string(31, 'a'));
    EXPECT_EQ(record.bytes[184 + 31], 0);
    EXPECT_EQ(record.simText(SimText::Sim1User), std::string(15, 'u'));
    EXPECT_EQ(record.simText(SimText::Sim2Password), "pw");
    EXPECT_EQ(slice(record, 296 + 3, 13), std::vector<std::uint8_t>(13, 0xFF));

    TaviOptionsForm back;
    showTaviOptions(record, kDefaultCaps, back);
    EXPECT_EQ(back.sims[0].user, std::string(15, 'u'));
    EXPECT_EQ(back.sims[1].password, "pw");
}

// A record from the communicator may fill a text field up to its last byte,
// the 0 byte's place: the page shows the characters a store keeps, so
// storing what it shows changes nothing that it did not show.
TEST(TaviFormShow, ATextFillingItsWholeFieldShowsWhatAStoreKeeps)
{
    struct Field {
        std::size_t offset, width;
        std::function<std::string(const TaviOptionsForm&)> shown;
    };
    const Field fields[] = {
        {216, 16, [](const TaviOptionsForm& f) { return f.sims[0].user; }},
        {184, 32, [](const TaviOptionsForm& f) { return f.sims[0].apn; }},
        {296, 16, [](const TaviOptionsForm& f) { return f.sims[1].password; }},
    };
    for (const Field& field : fields) {
        TaviOptions record = TaviOptions::builtInDefaults();
        std::fill_n(record.bytes.begin() + static_cast<std::ptrdiff_t>(field.offset), field.width, 'x');
        TaviOptionsForm form;
        showTaviOptions(record, kAllCaps, form);
        EXPECT_EQ(field.shown(form), std::string(field.width - 1, 'x')) << field.offset;
        TaviOptionsForm again;
        showTaviOptions(stored(form, kAllCaps, record), kAllCaps, again);
        EXPECT_EQ(again, form) << field.offset;
    }
}

TEST(TaviFormModelInfo, AcceptReplyShowsAccountPortPasswordAndLocksThem)
{
    TaviModelInfo info;
    info.account = 0x00AB;
    info.port = 5000;
    info.password = {'9', '8', 0, 0};
    TaviOptionsForm form;
    form.portEditable = true;
    form.passwordEditable = true;
    showTaviModelInfo(info, form);
    EXPECT_EQ(form.account, "00AB");
    EXPECT_EQ(form.port, "5000");
    EXPECT_EQ(form.password, "98");
    EXPECT_FALSE(form.portEditable);
    EXPECT_FALSE(form.passwordEditable);
}

TEST(TaviFormEnables, ModelSixHasGprsButNoPgmsInputsOrTamper)
{
    TaviOptionsForm form = shownDefaults();
    const TaviEnables e = taviEnables(form, capsOfModel(17));
    EXPECT_FALSE(e.pgmGroup);
    EXPECT_EQ(e.pgmRows, (std::array<bool, 4>{false, false, false, false}));
    EXPECT_FALSE(e.inputsGroup);
    EXPECT_FALSE(e.inputRows);
    EXPECT_FALSE(e.tamperRow);
    EXPECT_TRUE(e.gprsGroup);
    EXPECT_TRUE(e.primaryGprsKeepAlive);
    EXPECT_FALSE(e.sim2Group);               // "Double SIM" unticked
    EXPECT_FALSE(e.secondaryGprsKeepAlive);  // secondary server unticked

    form.doubleSim = true;
    form.servers[1].inUse = true;
    const TaviEnables ticked = taviEnables(form, capsOfModel(17));
    EXPECT_TRUE(ticked.sim2Group);
    EXPECT_TRUE(ticked.secondaryGprsKeepAlive);
    EXPECT_TRUE(ticked.secondaryServer);
}

TEST(TaviFormEnables, OtherModelsAndControls)
{
    TaviOptionsForm form = shownDefaults();
    form.doubleSim = true;
    form.servers[1].inUse = true;
    const TaviEnables tavi2 = taviEnables(form, capsOfModel(1));
    EXPECT_TRUE(tavi2.pgmGroup);
    EXPECT_EQ(tavi2.pgmRows, (std::array<bool, 4>{true, true, false, false}));
    EXPECT_TRUE(tavi2.inputRows);
    EXPECT_FALSE(tavi2.gprsGroup);
    EXPECT_FALSE(tavi2.sim2Group);
    EXPECT_FALSE(tavi2.secondaryGprsKeepAlive);

    const TaviEnables tavi1 = taviEnables(form, capsOfModel(0));
    EXPECT_TRUE(tavi1.inputsGroup);
    EXPECT_FALSE(tavi1.inputRows);
    EXPECT_TRUE(tavi1.tamperRow);

    EXPECT_EQ(taviEnables(form, kAllCaps).pgmRows, (std::array<bool, 4>{true, true, true, true}));

    form.dhcp = true;
    form.portEditable = true;
    EXPECT_FALSE(taviEnables(form, kDefaultCaps).networkFields);
    EXPECT_TRUE(taviEnables(form, kDefaultCaps).portField);
    EXPECT_FALSE(taviEnables(form, kDefaultCaps).passwordField);
    form.dhcp = false;
    EXPECT_TRUE(taviEnables(form, kDefaultCaps).networkFields);
}

} // namespace
} // namespace qarvo
