#include "communicator/TaviOptionsForm.h"

#include "base/TextIds.h"

#include <algorithm>
#include <cstdio>

namespace qarvo {

using namespace tavi;

namespace {

constexpr unsigned kMaxWord = 0xFFFF;
constexpr unsigned kMaxByte = 0xFF;
constexpr unsigned kSecondsPerMinute = 60;
// Minutes are stored as seconds in 16 bits.
constexpr unsigned kMaxPgmMinutes = kMaxWord / kSecondsPerMinute;
constexpr std::size_t kMaxHexParseLength = 8;
// An address text that looks like an IPv4 literal: at most this long, no
// letter, exactly this many dots.
constexpr std::size_t kMaxIpv4LiteralLength = 15;
constexpr std::size_t kIpv4Dots = 3;
constexpr std::size_t kMaxHostLength = kServerAddressWidth - 1;
// The encrypt box of a server shows ticked for flags 32 to 63: bit 5 set,
// bits 6 and 7 clear.
constexpr std::uint8_t kEncryptShownFrom = 32;
constexpr std::uint8_t kEncryptShownTo = 63;
constexpr std::uint8_t kProtocolBits = 0x07;

// The three controls of each server follow each other in TaviControl.
constexpr std::size_t kServerControlStride = 3;

std::string decimal(unsigned value)
{
    return std::to_string(value);
}

std::string hex4(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A decimal number of digits only, at most max.
std::optional<unsigned> parseDecimal(std::string_view text, unsigned max)
{
    text = trimSpaces(text);
    if (text.empty())
        return std::nullopt;
    unsigned long value = 0;
    for (char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > max)
            return std::nullopt;
    }
    return static_cast<unsigned>(value);
}

// The hexadecimal parse of a 16-bit field: up to 8 characters, each shifting
// the value left by 4; the end of the text ends the parse. A character that
// is not a hex digit, or a value of 0x10000 or more, fails.
std::optional<unsigned> parseHexWord(std::string_view text)
{
    text = trimSpaces(text);
    unsigned long value = 0;
    for (char c : text.substr(0, kMaxHexParseLength)) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = (value << 4) | static_cast<unsigned>(digit);
    }
    if (text.size() > kMaxHexParseLength || value > kMaxWord)
        return std::nullopt;
    return static_cast<unsigned>(value);
}

bool looksLikeIpv4Literal(std::string_view text)
{
    return text.size() <= kMaxIpv4LiteralLength && std::none_of(text.begin(), text.end(), isAsciiLetter) &&
           static_cast<std::size_t>(std::count(text.begin(), text.end(), '.')) == kIpv4Dots;
}

// Four decimal numbers 0-255 separated by dots, nothing else.
std::optional<std::array<std::uint8_t, 4>> parseIpv4Literal(std::string_view text)
{
    std::array<std::uint8_t, 4> octets{};
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const auto dot = text.find('.');
        const std::string_view part = i + 1 < octets.size() ? text.substr(0, dot) : text;
        if (part.empty() || part.size() > 3 || !std::all_of(part.begin(), part.end(), isDigit))
            return std::nullopt;
        const auto value = parseDecimal(part, kMaxByte);
        if (!value)
            return std::nullopt;
        octets[i] = static_cast<std::uint8_t>(*value);
        if (i + 1 < octets.size())
            text.remove_prefix(dot + 1);
    }
    return octets;
}

std::string ipv4Literal(const std::array<std::uint8_t, 4>& octets)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", octets[0], octets[1], octets[2], octets[3]);
    return text;
}

std::uint8_t withBit(std::uint8_t value, std::uint8_t bit, bool set)
{
    return static_cast<std::uint8_t>(set ? value | bit : value & ~bit);
}

std::size_t exchangedPgmRows(const TaviCapabilities& capabilities)
{
    return static_cast<std::size_t>(std::clamp(capabilities.pgmCount, 0, static_cast<int>(kPgmCount)));
}

TaviControl serverControl(Server server, TaviControl primary)
{
    return taviControl(primary, kServerControlStride * static_cast<std::size_t>(server));
}

// Moves the form's values into a record, stopping at the first invalid one.
// Every step after a failure does nothing.
class RecordStore {
public:
    explicit RecordStore(TaviOptions& record) : record_(record) {}

    const std::optional<TaviFormError>& error() const { return error_; }
    bool failed() const { return error_.has_value(); }

    void word(const std::string& text, TaviControl control, std::size_t at, unsigned max = kMaxWord)
    {
        if (const auto value = number(text, max, control))
            record_.setU16(at, static_cast<std::uint16_t>(*value));
    }

    void byte(const std::string& text, TaviControl control, std::size_t at)
    {
        if (const auto value = number(text, kMaxByte, control))
            record_.setU8(at, static_cast<std::uint8_t>(*value));
    }

    void account(const std::string& text)
    {
        if (failed())
            return;
        if (const auto value = parseHexWord(text))
            record_.setAccount(static_cast<std::uint16_t>(*value));
        else
            error_ = TaviFormError{text_id::kHexDigitCode, static_cast<long>(kAccountHexDigits), TaviControl::Account};
    }

    void pgmTime(const TaviPgmRowForm& row, std::size_t pgm)
    {
        const bool minutes = row.unit == tavi_combo::kUnitMin;
        const auto value =
            number(row.time, minutes ? kMaxPgmMinutes : kMaxWord, taviControl(TaviControl::PgmTimeFirst, pgm));
        if (value)
            record_.setPgmTime(pgm, static_cast<std::uint16_t>(minutes ? *value * kSecondsPerMinute : *value));
    }

    // Writes the address field; returns whether it holds 4 address bytes.
    bool serverAddress(const std::string& text, Server server)
    {
        if (failed())
            return false;
        const std::string_view address = trimSpaces(text);
        if (looksLikeIpv4Literal(address)) {
            if (const auto octets = parseIpv4Literal(address)) {
                record_.setServerIpv4(server, *octets);
                return true;
            }
        } else if (const std::string host = utf8ToLatin1(address); host.size() <= kMaxHostLength) {
            record_.setServerHost(server, host);
            return false;
        }
        error_ = TaviFormError{text_id::kEnterServerAddress, static_cast<long>(kMaxHostLength),
                               serverControl(server, TaviControl::PrimaryAddress)};
        return false;
    }

private:
    std::optional<unsigned> number(const std::string& text, unsigned max, TaviControl control)
    {
        if (failed())
            return std::nullopt;
        const auto value = parseDecimal(text, max);
        if (!value)
            error_ = TaviFormError{text_id::kEnterNumberUpTo, static_cast<long>(max), control};
        return value;
    }

    TaviOptions& record_;
    std::optional<TaviFormError> error_;
};

void showServer(const TaviOptions& record, Server server, TaviServerForm& form)
{
    const std::uint8_t flags = record.serverFlags(server);
    // The primary server is always in use: a store sets its bit whatever the record held.
    form.inUse = server == Server::Primary || (flags & server_flag::kInUse) != 0;
    form.encrypt = flags >= kEncryptShownFrom && flags <= kEncryptShownTo;
    form.staticKey = (record.serverKeyFlags(server) & server_flag::kStaticKey) != 0;
    form.protocol = (flags & server_flag::kProtocolMask) >> server_flag::kProtocolShift;
    form.address = record.serverAddressIsIpv4(server) ? ipv4Literal(record.serverIpv4(server))
                                                       : latin1ToUtf8(record.serverHost(server));
    form.port = decimal(record.serverPort(server));
    form.keepAlive = decimal(record.serverKeepAlive(server));
    form.gprsKeepAlive = decimal(record.serverGprsKeepAlive(server));
}

void showPgmTime(std::uint16_t seconds, TaviPgmRowForm& row)
{
    if (seconds % kSecondsPerMinute == 0) {
        row.unit = tavi_combo::kUnitMin;
        row.time = decimal(seconds / kSecondsPerMinute);
    } else {
        row.unit = tavi_combo::kUnitSec;
        row.time = decimal(seconds);
    }
}

std::uint8_t serverFlags(const TaviServerForm& form, bool inUse, bool ipv4Address, std::uint8_t previous)
{
    const bool knownProtocol = form.protocol >= 0 && form.protocol <= kProtocolBits;
    const auto protocol = knownProtocol ? static_cast<unsigned>(form.protocol) << server_flag::kProtocolShift
                                        : previous & server_flag::kProtocolMask;
    std::uint8_t flags = static_cast<std::uint8_t>(protocol);
    flags = withBit(flags, server_flag::kInUse, inUse);
    flags = withBit(flags, server_flag::kIpv4Address, ipv4Address);
    return withBit(flags, server_flag::kEncrypt, form.encrypt);
}

std::uint8_t generalFlags(const TaviOptionsForm& form, std::uint8_t previous)
{
    std::uint8_t flags = withBit(previous, general_flag::kCheckForUpdates, form.checkForUpdates);
    for (std::size_t pgm = 0; pgm < kPgmCount; ++pgm)
        flags = withBit(flags, static_cast<std::uint8_t>(1u << (general_flag::kLatchShift + pgm)), form.pgm[pgm].latch);
    return flags;
}

std::uint8_t networkFlags(const TaviOptionsForm& form, std::uint8_t previous)
{
    std::uint8_t flags = static_cast<std::uint8_t>(previous & ~network_flag::kClearedOnStore);
    flags = withBit(flags, network_flag::kEncrypt, form.encrypt);
    flags = withBit(flags, network_flag::kFixedAddress, !form.dhcp);
    return withBit(flags, network_flag::kAlwaysSet, true);
}

std::uint8_t gprsFlags(const TaviOptionsForm& form)
{
    std::uint8_t flags = 0;
    flags = withBit(flags, gprs_flag::kDoubleSim, form.doubleSim);
    flags = withBit(flags, gprs_flag::kPgm1IfBlocked, form.pgm1IfBlocked);
    return withBit(flags, gprs_flag::kPgm2IfBlocked, form.pgm2IfBlocked);
}

// The SIM texts in record order: per SIM its APN, user and password.
constexpr std::array<std::string TaviSimForm::*, 3> kSimMembers{
    &TaviSimForm::apn, &TaviSimForm::user, &TaviSimForm::password};

template <typename Form>
auto& simField(Form& form, SimText text)
{
    const auto index = static_cast<std::size_t>(text);
    return form.sims[index / kSimMembers.size()].*kSimMembers[index % kSimMembers.size()];
}

} // namespace

TaviControl taviControl(TaviControl first, std::size_t index)
{
    return static_cast<TaviControl>(static_cast<int>(first) + static_cast<int>(index));
}

void showTaviOptions(const TaviOptions& record, const TaviCapabilities& capabilities, TaviOptionsForm& form)
{
    const std::uint8_t network = record.networkFlags();
    const std::uint8_t general = record.generalFlags();
    form.encrypt = (network & network_flag::kEncrypt) != 0;
    form.dhcp = (network & network_flag::kFixedAddress) == 0;
    form.checkForUpdates = (general & general_flag::kCheckForUpdates) != 0;
    for (std::size_t pgm = 0; pgm < kPgmCount; ++pgm)
        form.pgm[pgm].latch = (general >> (general_flag::kLatchShift + pgm)) & 1u;

    form.password = latin1ToUtf8(record.password());
    form.account = hex4(record.account());
    form.port = decimal(record.port());
    for (std::size_t i = 0; i < kIpv4Count; ++i)
        form.ipv4[i] = record.ipv4(static_cast<Ipv4Field>(i));
    for (std::size_t s = 0; s < kServerCount; ++s)
        showServer(record, static_cast<Server>(s), form.servers[s]);

    form.settingsUser = decimal(record.settingsUser());
    form.settingsPartition = decimal(record.settingsPartition());
    for (std::size_t e = 0; e < kLocalEventCount; ++e)
        form.localEvents[e] = decimal(record.localEvent(static_cast<LocalEvent>(e)));
    if (capabilities.hasInputs) {
        for (std::size_t input = 0; input < kInputCount; ++input)
            form.inputEvents[input] = decimal(record.inputEvent(input));
    }
    if (capabilities.hasTamper)
        form.tamperEvent = decimal(record.tamperEvent());
    for (std::size_t pgm = 0; pgm < exchangedPgmRows(capabilities); ++pgm) {
        showPgmTime(record.pgmTime(pgm), form.pgm[pgm]);
        form.pgm[pgm].eventCode = decimal(record.pgmEvent(pgm));
    }

    const std::uint8_t gprs = record.gprsFlags();
    form.doubleSim = (gprs & gprs_flag::kDoubleSim) != 0;
    form.pgm1IfBlocked = (gprs & gprs_flag::kPgm1IfBlocked) != 0;
    form.pgm2IfBlocked = (gprs & gprs_flag::kPgm2IfBlocked) != 0;
    for (std::size_t t = 0; t < kSimTexts.size(); ++t)
        simField(form, static_cast<SimText>(t)) = latin1ToUtf8(record.simText(static_cast<SimText>(t)));
    for (std::size_t e = 0; e < kGprsEventCount; ++e)
        form.gprsEvents[e] = decimal(record.gprsEvent(static_cast<GprsEvent>(e)));
}

std::optional<TaviFormError> storeTaviOptions(const TaviOptionsForm& form, const TaviCapabilities& capabilities,
                                              TaviOptions& record)
{
    TaviOptions next = record;
    RecordStore store(next);

    // 1. Password and account.
    next.setPassword(utf8ToLatin1(form.password));
    store.account(form.account);

    // 2. Network, servers, local events, inputs, PGM rows.
    for (std::size_t i = 0; i < kIpv4Count; ++i)
        next.setIpv4(static_cast<Ipv4Field>(i), form.ipv4[i]);
    store.word(form.port, TaviControl::Port, offset::kPort);
    std::array<bool, kServerCount> ipv4Address{};
    for (std::size_t s = 0; s < kServerCount; ++s) {
        const auto server = static_cast<Server>(s);
        const ServerLayout& layout = kServers[s];
        store.word(form.servers[s].port, serverControl(server, TaviControl::PrimaryPort), layout.port);
        ipv4Address[s] = store.serverAddress(form.servers[s].address, server);
        store.word(form.servers[s].keepAlive, serverControl(server, TaviControl::PrimaryKeepAlive), layout.keepAlive,
                   kMaxKeepAliveSeconds);
    }
    store.word(form.settingsUser, TaviControl::SettingsUser, offset::kSettingsUser);
    store.word(form.settingsPartition, TaviControl::SettingsPartition, offset::kSettingsPartition);
    for (std::size_t e = 0; e < kLocalEventCount; ++e)
        store.word(form.localEvents[e], taviControl(TaviControl::LocalEventFirst, e),
                   TaviOptions::localEventOffset(static_cast<LocalEvent>(e)));
    if (capabilities.hasInputs) {
        for (std::size_t input = 0; input < kInputCount; ++input)
            store.word(form.inputEvents[input], taviControl(TaviControl::Input1Event, input),
                       TaviOptions::inputEventOffset(input));
    }
    if (capabilities.hasTamper)
        store.word(form.tamperEvent, TaviControl::TamperEvent, offset::kTamperEvent);
    for (std::size_t pgm = 0; pgm < exchangedPgmRows(capabilities); ++pgm) {
        store.pgmTime(form.pgm[pgm], pgm);
        store.word(form.pgm[pgm].eventCode, taviControl(TaviControl::PgmEventFirst, pgm),
                   TaviOptions::pgmEventOffset(pgm));
    }

    // 3. and 9. SIM texts: cut to their fields, 0 byte, 0xFF fill.
    for (std::size_t t = 0; t < kSimTexts.size(); ++t) {
        const auto text = static_cast<SimText>(t);
        next.setSimText(text, utf8ToLatin1(simField(form, text)));
    }

    // 4. GPRS keep-alive minutes and GPRS event codes.
    for (std::size_t s = 0; s < kServerCount; ++s)
        store.byte(form.servers[s].gprsKeepAlive, taviControl(TaviControl::PrimaryGprsKeepAlive, s),
                   kServers[s].gprsKeepAlive);
    for (std::size_t e = 0; e < kGprsEventCount; ++e)
        store.word(form.gprsEvents[e], taviControl(TaviControl::GprsEventFirst, e),
                   TaviOptions::gprsEventOffset(static_cast<GprsEvent>(e)));

    if (store.failed())
        return store.error();

    // 5. Flag bytes rebuilt around the kept bits.
    next.setNetworkFlags(networkFlags(form, record.networkFlags()));
    next.setGeneralFlags(generalFlags(form, record.generalFlags()));

    // 7. Server flags: the primary is always in use.
    for (std::size_t s = 0; s < kServerCount; ++s) {
        const auto server = static_cast<Server>(s);
        const bool inUse = server == Server::Primary || form.servers[s].inUse;
        next.setServerFlags(server, serverFlags(form.servers[s], inUse, ipv4Address[s], record.serverFlags(server)));
        next.setServerKeyFlags(server, withBit(record.serverKeyFlags(server), server_flag::kStaticKey,
                                               form.servers[s].staticKey));
    }

    // 8. GPRS flags rebuilt, the byte after them cleared.
    next.setU8(offset::kGprsFlags, gprsFlags(form));
    next.setU8(offset::kReserved181, 0);

    record = next;
    return std::nullopt;
}

void showTaviModelInfo(const TaviModelInfo& info, TaviOptionsForm& form)
{
    form.account = hex4(info.account);
    form.port = decimal(info.port);
    form.password = info.passwordText();
    form.portEditable = false;
    form.passwordEditable = false;
}

TaviEnables taviEnables(const TaviOptionsForm& form, const TaviCapabilities& capabilities)
{
    TaviEnables enables;
    enables.networkFields = !form.dhcp;
    enables.portField = form.portEditable;
    enables.passwordField = form.passwordEditable;
    const bool secondaryInUse = form.servers[static_cast<std::size_t>(Server::Secondary)].inUse;
    enables.secondaryServer = secondaryInUse;

    const int pgmCount = capabilities.pgmCount;
    enables.pgmGroup = pgmCount > 0;
    for (std::size_t pgm = 0; pgm < kPgmCount; ++pgm)
        enables.pgmRows[pgm] = pgmCount > 0 && (pgm < 2 || pgmCount > 2);

    enables.inputsGroup = capabilities.hasInputs || capabilities.hasTamper;
    enables.inputRows = capabilities.hasInputs;
    enables.tamperRow = capabilities.hasTamper;

    enables.gprsGroup = capabilities.hasGprs;
    enables.primaryGprsKeepAlive = capabilities.hasGprs;
    enables.sim2Group = capabilities.hasGprs && form.doubleSim;
    enables.secondaryGprsKeepAlive = capabilities.hasGprs && secondaryInUse;
    return enables;
}

} // namespace qarvo
