#pragma once
// The vocabulary of panel messages, named once: the codes that start them,
// the second bytes some of them carry, the operation bytes of the RAM
// requests, the panel locations several messages address and the values
// written to the command location. The codec (PanelMessage) frames them
// and adds each outgoing message's check byte.
#include <cstdint>

namespace qarvo::link {

// The first byte of a panel message. Most replies repeat their request's code.
namespace panel_code {
inline constexpr std::uint8_t kIdentify = 0x05;          // the panel's challenge and the program's response
inline constexpr std::uint8_t kCommunicatorClose = 0x0F; // the communicator ends the panel link
inline constexpr std::uint8_t kNotice = 0x13;            // accepted, no answer, alarm reports
inline constexpr std::uint8_t kZoneStatus = 0x1E;
inline constexpr std::uint8_t kPgmStatus = 0x1F;         // PGMs and the panel clock
inline constexpr std::uint8_t kReadOne = 0x43;           // one byte of programming memory
inline constexpr std::uint8_t kReadOneReply = 0x44;
inline constexpr std::uint8_t kReadFour = 0x73;          // four bytes of programming memory
inline constexpr std::uint8_t kReadFourReply = 0x77;
inline constexpr std::uint8_t kWriteOne = 0x84;
inline constexpr std::uint8_t kWriteFour = 0xB7;
inline constexpr std::uint8_t kEventLog = 0xD3;          // D3 step
inline constexpr std::uint8_t kEventLogReply = 0xD6;     // counts, records, marking
inline constexpr std::uint8_t kEventLogHeader = 0xD7;    // D7 02 yy mm t_hi t_lo
inline constexpr std::uint8_t kStatusPoll = 0xE3;
inline constexpr std::uint8_t kRamOne = 0xE5;            // an operation on one RAM location
inline constexpr std::uint8_t kRamTwo = 0xE6;            // the same on two locations
} // namespace panel_code

// The last byte of the program's response to a challenge (05 hi lo 10).
inline constexpr std::uint8_t kIdentifyTrailer = 0x10;

// Second bytes of notices (13 xx).
namespace notice {
inline constexpr std::uint8_t kAlarmReport = 0xC0;    // also the program's acknowledgement
inline constexpr std::uint8_t kAlarmReportEnd = 0xCA;
} // namespace notice

// The status poll's second byte names the status message just received,
// so that the panel answers with the other one.
namespace status_poll {
inline constexpr std::uint8_t kAfterZoneStatus = 0x01;
inline constexpr std::uint8_t kAfterPgmStatus = 0x02;
} // namespace status_poll

// The operation byte of the RAM requests (E5 op location value, E6 op
// location value value). The second forms act as the first ones.
namespace ram_op {
inline constexpr std::uint8_t kKeepBits = 0x01; // AND
inline constexpr std::uint8_t kSetBits = 0x02;  // OR
inline constexpr std::uint8_t kInvertBits = 0x04;
inline constexpr std::uint8_t kPgmChange = 0x08;
inline constexpr std::uint8_t kRead = 0x10;
inline constexpr std::uint8_t kKeypadCommand = 0x58;
inline constexpr std::uint8_t kKeepBitsSecondForm = 0x81;
inline constexpr std::uint8_t kSetBitsSecondForm = 0x82;
inline constexpr std::uint8_t kWrite = 0x88;
inline constexpr std::uint8_t kReadSecondForm = 0x90;
inline constexpr std::uint8_t kWriteSecondForm = 0xB8;
} // namespace ram_op

// Panel RAM locations addressed by several messages.
namespace panel_location {
// The programming memory page that the one- and four-byte transfers address.
inline constexpr std::uint8_t kPageRegister = 0x6F;
inline constexpr std::uint8_t kCommandLocation = 0x5C;
} // namespace panel_location

// Values written to the command location.
namespace command_value {
inline constexpr std::uint8_t kEndOfLink = 0x03;
inline constexpr std::uint8_t kInstallerWritten = 0x28; // the installer page is written
} // namespace command_value

// Whole messages (check byte not included) that more than one exchange sends.
namespace fixed_message {
// The status poll that an exchange ends with: the panel answers with its
// PGM and clock status.
inline constexpr std::uint8_t kStatusPoll[] = {panel_code::kStatusPoll, status_poll::kAfterZoneStatus};
// Asks the panel to end the link; the panel echoes it.
inline constexpr std::uint8_t kEndOfLink[] = {panel_code::kRamOne, ram_op::kWriteSecondForm,
                                              panel_location::kCommandLocation, command_value::kEndOfLink};
// Sent when a memory page transfer, the clock setting or the event log
// reading is over; the panel's answer is not awaited.
inline constexpr std::uint8_t kTransferEnd[] = {panel_code::kRamTwo, ram_op::kReadSecondForm, 0x1A, 0x00, 0x00};
// Sent instead of the event log reading's next request when the reading was left.
inline constexpr std::uint8_t kStopUpload[] = {panel_code::kRamTwo, ram_op::kRead, 0x30, 0x00, 0x00};
} // namespace fixed_message

} // namespace qarvo::link
