#pragma once
// The simulated panel's own names for the bytes of panel messages. The
// simulator keeps this table apart from the program's, so that the two
// check each other: a test compares them.
#include <cstdint>

namespace qarvo::sim::panel_message {

// Message codes the program sends, and the panel's answers.
inline constexpr std::uint8_t kIdentify = 0x05;
inline constexpr std::uint8_t kIdentifyTail = 0x10;
inline constexpr std::uint8_t kNotice = 0x13;
inline constexpr std::uint8_t kAlarmNotice = 0xC0;
inline constexpr std::uint8_t kAlarmReported = 0xCA;
inline constexpr std::uint8_t kReadOne = 0x43;
inline constexpr std::uint8_t kReadOneReply = 0x44;
inline constexpr std::uint8_t kReadFour = 0x73;
inline constexpr std::uint8_t kReadFourReply = 0x77;
inline constexpr std::uint8_t kWriteOne = 0x84;
inline constexpr std::uint8_t kWriteFour = 0xB7;
inline constexpr std::uint8_t kEventLog = 0xD3;
inline constexpr std::uint8_t kCountReply = 0xD6;  // event counts, records, marking
inline constexpr std::uint8_t kHeaderReply = 0xD7; // the log header
inline constexpr std::uint8_t kStatusPoll = 0xE3;
inline constexpr std::uint8_t kRamOne = 0xE5;
inline constexpr std::uint8_t kRamTwo = 0xE6;

// The poll names the status message the program has just received; the
// panel answers with the other one, so that zones and PGMs alternate.
inline constexpr std::uint8_t kPollAfterPgmStatus = 0x02;

// Values written to the command location.
inline constexpr std::uint8_t kEndOfLink = 0x03;
inline constexpr std::uint8_t kInstallerWriteDone = 0x28;

} // namespace qarvo::sim::panel_message
