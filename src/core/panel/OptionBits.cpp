#include "panel/OptionBits.h"

#include <array>

namespace qarvo::panel {

namespace {

using S = Setting;
using P = BitPresence;

constexpr int kDtmfPrefixStar = 2;

// setting, control, low bit, width, presence, coding
constexpr OptionBit kOptionBits[] = {
    {S::GeneralOptions1, 2065, 7, 1},          // enable keypad lockout
    {S::GeneralOptions1, 2017, 6, 1},          // periodical test unit: hours, min
    {S::GeneralOptions1, 2043, 5, 1},          // enable partitions
    {S::GeneralOptions1, 2024, 4, 1},          // code length: "6", "4"
    {S::GeneralOptions1, 2067, 3, 1},
    {S::GeneralOptions1, 2068, 2, 1},
    {S::GeneralOptions1, 2069, 1, 1},
    {S::GeneralOptions1, 2070, 0, 1},
    {S::GeneralOptions2, 2075, 7, 1},
    {S::GeneralOptions2, 2076, 6, 1},
    {S::GeneralOptions2, 2077, 5, 1},
    {S::GeneralOptions2, 2078, 4, 1},
    {S::GeneralOptions2, 2079, 3, 1},
    {S::GeneralOptions2, 2080, 2, 1},
    {S::GeneralOptions2, 2081, 1, 1},
    {S::GeneralOptions2, 2006, 0, 1, P::NotLimited}, // LCD language: primary, secondary
    {S::ExpanderTamperOptions, 2071, 7, 1},
    {S::ExpanderTamperOptions, 2072, 6, 1},
    {S::ExpanderTamperOptions, 2082, 5, 1},
    {S::PartitionAKeypadAlarms, 2146, 7, 1},
    {S::PartitionAKeypadAlarms, 2147, 6, 1},
    {S::PartitionAKeypadAlarms, 2148, 5, 1},
    {S::PartitionAKeypadAlarms, 2149, 4, 1},
    {S::PartitionAKeypadAlarms, 2150, 3, 1},
    {S::PartitionAKeypadAlarms, 2151, 2, 1},
    {S::PartitionBKeypadAlarms, 2178, 7, 1},
    {S::PartitionBKeypadAlarms, 2179, 6, 1},
    {S::PartitionBKeypadAlarms, 2180, 5, 1},
    {S::PartitionBKeypadAlarms, 2181, 4, 1},
    {S::PartitionBKeypadAlarms, 2182, 3, 1},
    {S::PartitionBKeypadAlarms, 2183, 2, 1},
    {S::PartitionAArmingOptions, 2128, 7, 1},
    {S::PartitionAArmingOptions, 2129, 6, 1},
    {S::PartitionAArmingOptions, 2130, 5, 1},
    {S::PartitionAArmingOptions, 2131, 4, 1},
    {S::PartitionAArmingOptions, 2132, 3, 1},
    {S::PartitionAArmingOptions, 2133, 2, 1},
    {S::PartitionBArmingOptions, 2160, 7, 1},
    {S::PartitionBArmingOptions, 2161, 6, 1},
    {S::PartitionBArmingOptions, 2162, 5, 1},
    {S::PartitionBArmingOptions, 2163, 4, 1},
    {S::PartitionBArmingOptions, 2164, 3, 1},
    {S::PartitionBArmingOptions, 2165, 2, 1},
    // Bit 1 is set while "No beep/dings when stay arming" is ticked, in
    // reading and writing alike.
    {S::PartitionAAutoarmingOptions, 2134, 7, 1}, // timed autoarming
    {S::PartitionAAutoarmingOptions, 2138, 6, 1}, // inactivity autoarming
    {S::PartitionAAutoarmingOptions, 2142, 5, 1},
    {S::PartitionAAutoarmingOptions, 2139, 4, 1},
    {S::PartitionAAutoarmingOptions, 2140, 3, 1},
    {S::PartitionAAutoarmingOptions, 2141, 2, 1},
    {S::PartitionAAutoarmingOptions, 2143, 1, 1},
    {S::PartitionAAutoarmingOptions, 2137, 0, 1}, // timed autodisarming
    {S::PartitionBAutoarmingOptions, 2166, 7, 1},
    {S::PartitionBAutoarmingOptions, 2170, 6, 1},
    {S::PartitionBAutoarmingOptions, 2174, 5, 1},
    {S::PartitionBAutoarmingOptions, 2171, 4, 1},
    {S::PartitionBAutoarmingOptions, 2172, 3, 1},
    {S::PartitionBAutoarmingOptions, 2173, 2, 1},
    {S::PartitionBAutoarmingOptions, 2175, 1, 1},
    {S::PartitionBAutoarmingOptions, 2169, 0, 1},
    {S::PhoneLineOptions, 2030, 7, 1}, // dialing: DTMF, pulse
    {S::PhoneLineOptions, 2031, 6, 1}, // answering: after rings, double call
    {S::PhoneLineOptions, 2033, 4, 2}, // TLM option
    {S::PhoneLineOptions, 2034, 3, 1}, // DTMF levels
    {S::PhoneLineOptions, 2037, 2, 1}, // pulse ratio
    {S::PhoneLineOptions, 2035, 0, 2, P::AfterOldest, BitCoding::DtmfPrefix},
    {S::ReportingOptions, 2111, 7, 1},
    {S::ReportingOptions, 2112, 6, 1},
    {S::ReportingOptions, 2114, 5, 1},
    {S::ReportingOptions, 2085, 4, 1},
    {S::ReportingOptions, 2083, 3, 1},
    {S::ReportingOptions, 2084, 2, 1},
    {S::ReportingOptions, 2073, 1, 1},
    {S::ReportingOptions, 2074, 0, 1},
    // Shown on both pages; the form keeps them under the master page's ids.
    {S::VoiceModuleOptions, 2234, 7, 1}, // alarms initiate voice reporting
    {S::VoiceModuleOptions, 2235, 6, 1}, // AC power loss
    {S::VoiceModuleOptions, 2230, 5, 1}, // answers remote interrogation calls
    {S::VoiceModuleOptions, 2236, 4, 1}, // ambush
    {S::VoiceModuleOptions, 2232, 3, 1, P::NotLimited}, // enable voice module
    {S::VoiceModuleOptions, 2237, 2, 1, P::NotLimited}, // battery trouble
    {S::VoiceModuleOptions, 2238, 1, 1, P::SelectiveFollowMe},
    {S::VoiceModuleOptions, 2233, 0, 1}, // double reporting
    {S::CommunicatorOptions1, 2318, 7, 1}, // enable digital communication
    {S::CommunicatorOptions1, 2303, 6, 1}, // method: split, alternate
    {S::CommunicatorOptions1, 2320, 5, 1},
    {S::CommunicatorOptions1, 2321, 4, 1},
    {S::CommunicatorOptions1, 2317, 3, 1},
    {S::CommunicatorOptions1, 2301, 2, 1}, // zone restore: siren time, loop closes
    {S::CommunicatorOptions1, 2319, 1, 1},
    {S::CommunicatorOptions1, 2302, 0, 1}, // report disarm: always, after alarm
    {S::CommunicatorOptions2, 2326, 7, 1}, // CS1 split reports
    {S::CommunicatorOptions2, 2327, 6, 1},
    {S::CommunicatorOptions2, 2328, 5, 1},
    {S::CommunicatorOptions2, 2329, 4, 1},
    {S::CommunicatorOptions2, 2332, 3, 1}, // CS2 split reports
    {S::CommunicatorOptions2, 2333, 2, 1},
    {S::CommunicatorOptions2, 2334, 1, 1},
    {S::CommunicatorOptions2, 2335, 0, 1},
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
