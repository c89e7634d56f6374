#pragma once
// The option bytes of the programming pages bit by bit: which control shows
// each bit (a check box) or group of bits (a list whose index is the bits'
// value), and on which models the bit exists. Bits no control owns are
// written 0, and so are the bits of controls the model lacks.
#include "panel/PanelModels.h"
#include "panel/Setting.h"

#include <cstdint>
#include <map>
#include <span>
#include <string_view>

namespace qarvo::panel {

// Which models store a bit; on the others it is written 0.
enum class BitPresence : std::uint8_t {
    All,
    NotLimited,        // no LCD language, voice module or battery voice report on limited models
    SelectiveFollowMe, // models with the selective "Follow me" report
    AfterOldest,       // type codes above 0x21
};

// How the control's value maps onto its bits.
enum class BitCoding : std::uint8_t {
    Plain,      // check state or list index = value of the bits
    DtmfPrefix, // list "none", "*", "#": stored 0, 2, 3; 1 reads as none
};

struct OptionBit {
    Setting setting;       // the option byte
    std::string_view name; // the name a user types, after what the control's label says
    int control;           // check box or list showing the bits
    int lowBit;
    int width;       // 1 for a check box; a list may take more bits
    BitPresence presence = BitPresence::All;
    BitCoding coding = BitCoding::Plain;
};

// Every option bit of the master, installer and digital communicator
// settings, byte by byte from bit 7 down.
std::span<const OptionBit> optionBits();

bool bitPresent(BitPresence presence, const PanelModel& model);

// Check states and list indexes by control id.
using OptionValues = std::map<int, int>;

// The controls' values from an option byte.
void showOptionByte(Setting setting, std::uint8_t byte, OptionValues& values);
// The option byte the controls give for the model.
std::uint8_t optionByte(Setting setting, const OptionValues& values, const PanelModel& model);

// A control's value, 0 when the form has none.
int optionValue(const OptionValues& values, int control);

} // namespace qarvo::panel
