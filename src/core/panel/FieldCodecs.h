#pragma once
// How the panel stores the values of its settings: packed code digits, time
// pairs, phone numbers, fixed-width texts and hexadecimal codes. Each value
// the program shows converts to the panel's bytes and back here.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qarvo::panel {

// --- Installer, maintenance, master and user codes ---------------------------
// 4 or 6 decimal digits packed two to a byte, first digit in the high nibble;
// a 4-digit code leaves the third byte 0x00; an absent code is FF FF FF.
using CodeBytes = std::array<std::uint8_t, 3>;
inline constexpr CodeBytes kAbsentCode{0xFF, 0xFF, 0xFF};

// "" gives the absent code; anything but 4 or 6 decimal digits gives nullopt.
std::optional<CodeBytes> encodeCode(std::string_view digits);
// The first digitCount (4 or 6) digits, or "" when any of them is not a
// decimal digit (an absent code among them).
std::string decodeCode(std::span<const std::uint8_t> bytes, int digitCount);

// --- Time pairs: hour 0-23, then minute 0-59 -----------------------------------
struct HourMinute {
    int hour = 0;
    int minute = 0;
    friend bool operator==(const HourMinute&, const HourMinute&) = default;
};
using TimePairBytes = std::array<std::uint8_t, 2>;
inline constexpr TimePairBytes kUnsetTime{0xFF, 0xFF};

// nullopt for anything outside 0-23 / 0-59 (an unset time included).
std::optional<HourMinute> decodeTimePair(std::uint8_t hour, std::uint8_t minute);
// nullopt or an out-of-range time gives the unset pair.
TimePairBytes encodeTimePair(std::optional<HourMinute> time);
// "h:m" as two decimal numbers of one or two digits; nullopt when the text is
// not such a time or lies outside 0-23 / 0-59.
std::optional<HourMinute> parseHourMinute(std::string_view text);
std::string formatHourMinute(HourMinute time); // "HH:MM"

// --- Phone numbers: 16 nibbles, high nibble first ------------------------------
using PhoneBytes = std::array<std::uint8_t, 8>;
inline constexpr std::size_t kPhoneDigits = 16;

// Digits and the letter D (either case) in order; other characters are
// skipped and characters past the 16th are dropped; unused nibbles are 0xF.
PhoneBytes encodePhone(std::string_view number);
// Digits and D up to the first other nibble.
std::string decodePhone(std::span<const std::uint8_t> bytes);

// --- Texts of 16 single-byte characters -----------------------------------------
using Text16Bytes = std::array<std::uint8_t, 16>;
inline constexpr std::uint8_t kTextFill = 0x0D;

// The first 16 characters in Windows-1252 ('?' for those it lacks), the rest
// filled with 0x0D.
Text16Bytes encodeText16(std::string_view utf8);
// The characters up to the first 0x0D.
std::string decodeText16(std::span<const std::uint8_t> bytes);

// --- Codes shown as four hexadecimal digits, high byte first ---------------------
using Hex4Bytes = std::array<std::uint8_t, 2>;

// nullopt unless the text is exactly four hex digits.
std::optional<Hex4Bytes> encodeHex4(std::string_view text);
std::string decodeHex4(std::span<const std::uint8_t> bytes); // "%02X%02X"

// --- Single-byte helpers ----------------------------------------------------------
// The ambush digit sits in the high nibble with 0xF below it; a high nibble
// of 10 or more reads as 0.
std::uint8_t encodeAmbushDigit(int digit);
int decodeAmbushDigit(std::uint8_t byte);

// The swinger shutdown counter keeps its count in the low nibble, where 0
// stands for the panel's own default of 3.
std::uint8_t encodeSwingerCounter(int count);
int decodeSwingerCounter(std::uint8_t byte);

} // namespace qarvo::panel
