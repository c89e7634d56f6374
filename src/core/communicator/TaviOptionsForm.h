#pragma once
// The communicator options page as plain values: what its controls show
// (texts, check states, combo indexes), the two conversions between the
// options record and those values, and which controls are enabled. The
// widget page only moves values between its controls and this form.
#include "communicator/TaviModelInfo.h"
#include "communicator/TaviOptions.h"

#include <array>
#include "base/TextIds.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qarvo {

// Items of the four PGM unit boxes and the two protocol boxes, in order.
namespace tavi_combo {
inline constexpr int kUnitSec = 0;
inline constexpr int kUnitMin = 1;
inline constexpr int kProtocolNoReport = 0;
inline constexpr int kProtocolTaviCom = 1;
inline constexpr int kProtocolDc09 = 2;
} // namespace tavi_combo

// The page's editable fields that a store can refuse, in groups whose
// members follow each other (servers: primary then secondary; events and
// PGM rows in record order).
enum class TaviControl : int {
    Account,
    Port,
    PrimaryPort, PrimaryAddress, PrimaryKeepAlive,
    SecondaryPort, SecondaryAddress, SecondaryKeepAlive,
    SettingsUser, SettingsPartition,
    LocalEventFirst,                           // six local event codes
    Input1Event = LocalEventFirst + 6, Input2Event, TamperEvent,
    PgmTimeFirst,                              // four PGM times
    PgmEventFirst = PgmTimeFirst + 4,          // four PGM event codes
    PrimaryGprsKeepAlive = PgmEventFirst + 4, SecondaryGprsKeepAlive,
    GprsEventFirst,                            // seven GPRS event codes
    Count = GprsEventFirst + 7,
};

// The keep-alive period of a server, in seconds: the page shows this range
// and a store refuses any other value.
inline constexpr unsigned kMaxKeepAliveSeconds = 600;
// The account: up to four hex digits.
inline constexpr std::size_t kAccountHexDigits = 4;

// Why a store stopped: the message text (with its number when set) and the
// control that gets the focus.
struct TaviFormError {
    int textId = 0;
    std::optional<long> number;
    TaviControl control = TaviControl::Account;

    bool operator==(const TaviFormError&) const = default;
};

struct TaviServerForm {
    bool inUse = false;  // the "Secondary Server" box; the primary is always in use
    int protocol = tavi_combo::kProtocolNoReport;
    bool encrypt = false;
    bool staticKey = false;
    std::string port;
    std::string address;       // IPv4 literal or host name
    std::string keepAlive;     // seconds over Ethernet
    std::string gprsKeepAlive; // minutes over GPRS

    bool operator==(const TaviServerForm&) const = default;
};

struct TaviPgmRowForm {
    bool latch = false;
    std::string time;
    int unit = tavi_combo::kUnitSec;
    std::string eventCode;

    bool operator==(const TaviPgmRowForm&) const = default;
};

struct TaviSimForm {
    std::string apn;
    std::string user;
    std::string password;

    bool operator==(const TaviSimForm&) const = default;
};

struct TaviOptionsForm {
    std::string password;
    bool passwordEditable = false;  // the box beside "Password"
    std::string account;            // 4 hexadecimal digits
    bool portEditable = false;      // the box beside "Port"
    std::string port;
    bool encrypt = false;
    bool checkForUpdates = false;
    bool dhcp = false;
    std::array<std::uint32_t, tavi::kIpv4Count> ipv4{};  // most significant byte first octet
    std::array<TaviServerForm, tavi::kServerCount> servers;
    std::string settingsUser;
    std::string settingsPartition;
    std::array<std::string, tavi::kLocalEventCount> localEvents;
    std::array<std::string, tavi::kInputCount> inputEvents;
    std::string tamperEvent;
    std::array<TaviPgmRowForm, tavi::kPgmCount> pgm;
    bool doubleSim = false;
    bool pgm1IfBlocked = false;
    bool pgm2IfBlocked = false;
    std::array<TaviSimForm, 2> sims;
    std::array<std::string, tavi::kGprsEventCount> gprsEvents;

    bool operator==(const TaviOptionsForm&) const = default;
};

// Record to controls. Fields the model does not have (inputs, tamper, PGM
// rows beyond its count) keep what the form held.
void showTaviOptions(const TaviOptions& record, const TaviCapabilities& capabilities, TaviOptionsForm& form);

// Controls to record, validating in the page's order. On the first invalid
// value it returns why and leaves the record untouched; otherwise the record
// holds the form's values and every kept byte and bit of its previous state.
std::optional<TaviFormError> storeTaviOptions(const TaviOptionsForm& form, const TaviCapabilities& capabilities,
                                              TaviOptions& record);

// What an accept reply shows in the form: account, port and password, with
// the port and password fields locked again.
void showTaviModelInfo(const TaviModelInfo& info, TaviOptionsForm& form);

// Which parts of the page are enabled.
struct TaviEnables {
    bool networkFields = false;   // IP, NET mask, Gateway, DNS: only without DHCP
    bool portField = false;
    bool passwordField = false;
    bool secondaryServer = false; // the secondary server's fields
    bool pgmGroup = false;
    std::array<bool, tavi::kPgmCount> pgmRows{};
    bool inputsGroup = false;
    bool inputRows = false;
    bool tamperRow = false;
    bool gprsGroup = false;       // SIM1, GPRS events, blocked PGMs, jamming, test
    bool sim2Group = false;
    bool primaryGprsKeepAlive = false;
    bool secondaryGprsKeepAlive = false;

    bool operator==(const TaviEnables&) const = default;
};

TaviEnables taviEnables(const TaviOptionsForm& form, const TaviCapabilities& capabilities);

// The control of the n-th member of a group.
TaviControl taviControl(TaviControl first, std::size_t index);

} // namespace qarvo
