#include "panel/OptionBits.h"

#include <array>

namespace qarvo::panel {

namespace {

using S = Setting;
using P = BitPresence;

constexpr int kDtmfPrefixStar = 2;

// setting, name, control, low bit, width, presence, coding
constexpr OptionBit kOptionBits[] = {
    {S::GeneralOptions1, "general.keypad-lockout", 2065, 7, 1},          // enable keypad lockout
    {S::GeneralOptions1, "test.interval-unit", 2017, 6, 1},          // periodical test unit: hours, min
    {S::GeneralOptions1, "general.partitions", 2043, 5, 1},          // enable partitions
    {S::GeneralOptions1, "general.four-digit-codes", 2024, 4, 1},          // code length: "6", "4"
    {S::GeneralOptions1, "general.master-no-system-programming", 2067, 3, 1},
    {S::GeneralOptions1, "general.reset-lockout", 2068, 2, 1},
    {S::GeneralOptions1, "general.stop-trouble-beeps", 2069, 1, 1},
    {S::GeneralOptions1, "general.tamper-siren-when-disarmed", 2070, 0, 1},
    {S::GeneralOptions2, "ding.keyswitch", 2075, 7, 1},
    {S::GeneralOptions2, "ding.arm", 2076, 6, 1},
    {S::GeneralOptions2, "ding.disarm", 2077, 5, 1},
    {S::GeneralOptions2, "ding.exit-delay", 2078, 4, 1},
    {S::GeneralOptions2, "ding.before-autoarming", 2079, 3, 1},
    {S::GeneralOptions2, "ding.after-exit-time", 2080, 2, 1},
    {S::GeneralOptions2, "general.siren-sounds-keypad", 2081, 1, 1},
    {S::GeneralOptions2, "general.lcd-language", 2006, 0, 1, P::NotLimited}, // LCD language: primary, secondary
    {S::ExpanderTamperOptions, "tamper.keyfob-module", 2071, 7, 1},
    {S::ExpanderTamperOptions, "tamper.pgm-expander", 2072, 6, 1},
    {S::ExpanderTamperOptions, "tamper.zone-expander", 2082, 5, 1},
    {S::PartitionAKeypadAlarms, "partition.a.keypad.medical", 2146, 7, 1},
    {S::PartitionAKeypadAlarms, "partition.a.keypad.maintenance", 2147, 6, 1},
    {S::PartitionAKeypadAlarms, "partition.a.keypad.fire", 2148, 5, 1},
    {S::PartitionAKeypadAlarms, "partition.a.keypad.panic", 2149, 4, 1},
    {S::PartitionAKeypadAlarms, "partition.a.keypad.medical-siren", 2150, 3, 1},
    {S::PartitionAKeypadAlarms, "partition.a.keypad.panic-siren", 2151, 2, 1},
    {S::PartitionBKeypadAlarms, "partition.b.keypad.medical", 2178, 7, 1},
    {S::PartitionBKeypadAlarms, "partition.b.keypad.maintenance", 2179, 6, 1},
    {S::PartitionBKeypadAlarms, "partition.b.keypad.fire", 2180, 5, 1},
    {S::PartitionBKeypadAlarms, "partition.b.keypad.panic", 2181, 4, 1},
    {S::PartitionBKeypadAlarms, "partition.b.keypad.medical-siren", 2182, 3, 1},
    {S::PartitionBKeypadAlarms, "partition.b.keypad.panic-siren", 2183, 2, 1},
    {S::PartitionAArmingOptions, "partition.a.quick-arming", 2128, 7, 1},
    {S::PartitionAArmingOptions, "partition.a.quick-instant-stay", 2129, 6, 1},
    {S::PartitionAArmingOptions, "partition.a.quick-stay", 2130, 5, 1},
    {S::PartitionAArmingOptions, "partition.a.forced-arming-without-code", 2131, 4, 1},
    {S::PartitionAArmingOptions, "partition.a.confirm-card-disarming", 2132, 3, 1},
    {S::PartitionAArmingOptions, "partition.a.open-forced-zones", 2133, 2, 1},
    {S::PartitionBArmingOptions, "partition.b.quick-arming", 2160, 7, 1},
    {S::PartitionBArmingOptions, "partition.b.quick-instant-stay", 2161, 6, 1},
    {S::PartitionBArmingOptions, "partition.b.quick-stay", 2162, 5, 1},
    {S::PartitionBArmingOptions, "partition.b.forced-arming-without-code", 2163, 4, 1},
    {S::PartitionBArmingOptions, "partition.b.confirm-card-disarming", 2164, 3, 1},
    {S::PartitionBArmingOptions, "partition.b.open-forced-zones", 2165, 2, 1},
    // Bit 1 is set while "No beep/dings when stay arming" is ticked, in
    // reading and writing alike.
    {S::PartitionAAutoarmingOptions, "partition.a.timed-autoarming", 2134, 7, 1}, // timed autoarming
    {S::PartitionAAutoarmingOptions, "partition.a.inactivity-autoarming", 2138, 6, 1}, // inactivity autoarming
    {S::PartitionAAutoarmingOptions, "partition.a.autoarm-exit-beep", 2142, 5, 1},
    {S::PartitionAAutoarmingOptions, "partition.a.autoarm-stay-if-no-exit", 2139, 4, 1},
    {S::PartitionAAutoarmingOptions, "partition.a.autoarm-stay", 2140, 3, 1},
    {S::PartitionAAutoarmingOptions, "partition.a.autoarm-forced", 2141, 2, 1},
    {S::PartitionAAutoarmingOptions, "partition.a.stay-arming-silent", 2143, 1, 1},
    {S::PartitionAAutoarmingOptions, "partition.a.timed-autodisarming", 2137, 0, 1}, // timed autodisarming
    {S::PartitionBAutoarmingOptions, "partition.b.timed-autoarming", 2166, 7, 1},
    {S::PartitionBAutoarmingOptions, "partition.b.inactivity-autoarming", 2170, 6, 1},
    {S::PartitionBAutoarmingOptions, "partition.b.autoarm-exit-beep", 2174, 5, 1},
    {S::PartitionBAutoarmingOptions, "partition.b.autoarm-stay-if-no-exit", 2171, 4, 1},
    {S::PartitionBAutoarmingOptions, "partition.b.autoarm-stay", 2172, 3, 1},
    {S::PartitionBAutoarmingOptions, "partition.b.autoarm-forced", 2173, 2, 1},
    {S::PartitionBAutoarmingOptions, "partition.b.stay-arming-silent", 2175, 1, 1},
    {S::PartitionBAutoarmingOptions, "partition.b.timed-autodisarming", 2169, 0, 1},
    {S::PhoneLineOptions, "phone.dialing", 2030, 7, 1}, // dialing: DTMF, pulse
    {S::PhoneLineOptions, "phone.answering", 2031, 6, 1}, // answering: after rings, double call
    {S::PhoneLineOptions, "phone.line-monitoring", 2033, 4, 2}, // TLM option
    {S::PhoneLineOptions, "phone.dtmf-levels", 2034, 3, 1}, // DTMF levels
    {S::PhoneLineOptions, "phone.pulse-ratio", 2037, 2, 1}, // pulse ratio
    {S::PhoneLineOptions, "phone.dtmf-prefix", 2035, 0, 2, P::AfterOldest, BitCoding::DtmfPrefix},
    {S::ReportingOptions, "reporting.callback-required", 2111, 7, 1},
    {S::ReportingOptions, "reporting.answers-pc-calls", 2112, 6, 1},
    {S::ReportingOptions, "reporting.log-when-90-full", 2114, 5, 1},
    {S::ReportingOptions, "reporting.round-ok-at-end", 2085, 4, 1},
    {S::ReportingOptions, "reporting.ambush-siren", 2083, 3, 1},
    {S::ReportingOptions, "reporting.lockout-siren", 2084, 2, 1},
    {S::ReportingOptions, "reporting.compressed-cid", 2073, 1, 1},
    {S::ReportingOptions, "reporting.skip-pgm-on-by-card", 2074, 0, 1},
    // Shown on both pages; the form keeps them under the master page's ids.
    {S::VoiceModuleOptions, "voice.alarms", 2234, 7, 1}, // alarms initiate voice reporting
    {S::VoiceModuleOptions, "voice.ac-loss", 2235, 6, 1}, // AC power loss
    {S::VoiceModuleOptions, "voice.answers-remote-calls", 2230, 5, 1}, // answers remote interrogation calls
    {S::VoiceModuleOptions, "voice.ambush", 2236, 4, 1}, // ambush
    {S::VoiceModuleOptions, "voice.module", 2232, 3, 1, P::NotLimited}, // enable voice module
    {S::VoiceModuleOptions, "voice.battery-trouble", 2237, 2, 1, P::NotLimited}, // battery trouble
    {S::VoiceModuleOptions, "voice.selective-follow-me", 2238, 1, 1, P::SelectiveFollowMe},
    {S::VoiceModuleOptions, "voice.double-reporting", 2233, 0, 1}, // double reporting
    {S::CommunicatorOptions1, "communicator.enable", 2318, 7, 1}, // enable digital communication
    {S::CommunicatorOptions1, "communicator.method", 2303, 6, 1}, // method: split, alternate
    {S::CommunicatorOptions1, "communicator.interior-bypass", 2320, 5, 1},
    {S::CommunicatorOptions1, "communicator.4x2-users-as-f", 2321, 4, 1},
    {S::CommunicatorOptions1, "communicator.test-only-when-armed", 2317, 3, 1},
    {S::CommunicatorOptions1, "communicator.zone-restore", 2301, 2, 1}, // zone restore: siren time, loop closes
    {S::CommunicatorOptions1, "communicator.first-zone-alarm-only", 2319, 1, 1},
    {S::CommunicatorOptions1, "communicator.disarm-report", 2302, 0, 1}, // report disarm: always, after alarm
    {S::CommunicatorOptions2, "station.1.report-alarms", 2326, 7, 1}, // CS1 split reports
    {S::CommunicatorOptions2, "station.1.report-arming", 2327, 6, 1},
    {S::CommunicatorOptions2, "station.1.report-troubles", 2328, 5, 1},
    {S::CommunicatorOptions2, "station.1.report-fire-medical", 2329, 4, 1},
    {S::CommunicatorOptions2, "station.2.report-alarms", 2332, 3, 1}, // CS2 split reports
    {S::CommunicatorOptions2, "station.2.report-arming", 2333, 2, 1},
    {S::CommunicatorOptions2, "station.2.report-troubles", 2334, 1, 1},
    {S::CommunicatorOptions2, "station.2.report-fire-medical", 2335, 0, 1},
};

int mask(int width) { return (1 << width) - 1; }

int decode(const OptionBit& b, int bits)
{
    if (b.coding == BitCoding::DtmfPrefix)
        return bits < kDtmfPrefixStar ? 0 : bits - 1;
    return bits;
}

int encode(const OptionBit& b, int value)
{
    if (b.coding == BitCoding::DtmfPrefix)
        return value <= 0 ? 0 : value + 1;
    return value;
}

} // namespace

std::span<const OptionBit> optionBits()
{
    return kOptionBits;
}

bool bitPresent(BitPresence presence, const PanelModel& model)
{
    switch (presence) {
    case BitPresence::All: return true;
    case BitPresence::NotLimited: return !model.limited;
    case BitPresence::SelectiveFollowMe: return model.selectiveFollowMe;
    case BitPresence::AfterOldest: return model.typeCode > kFirstTypeCode;
    }
    return false;
}

void showOptionByte(Setting setting, std::uint8_t byte, OptionValues& values)
{
    for (const OptionBit& b : kOptionBits)
        if (b.setting == setting)
            values[b.control] = decode(b, (byte >> b.lowBit) & mask(b.width));
}

std::uint8_t optionByte(Setting setting, const OptionValues& values, const PanelModel& model)
{
    int byte = 0;
    for (const OptionBit& b : kOptionBits)
        if (b.setting == setting && bitPresent(b.presence, model))
            byte |= (encode(b, optionValue(values, b.control)) & mask(b.width)) << b.lowBit;
    return static_cast<std::uint8_t>(byte);
}

int optionValue(const OptionValues& values, int control)
{
    const auto it = values.find(control);
    return it == values.end() ? 0 : it->second;
}

} // namespace qarvo::panel
