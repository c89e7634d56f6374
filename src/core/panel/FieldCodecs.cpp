#include "panel/FieldCodecs.h"

#include "panel/TextEncoding.h"

#include <charconv>
#include <cstdio>

namespace qarvo::panel {

namespace {

constexpr std::uint8_t kDigitD = 0xD;
constexpr std::uint8_t kNoDigit = 0xF;
constexpr int kSwingerDefault = 3;

bool isDecimal(char c) { return c >= '0' && c <= '9'; }

std::uint8_t nibble(std::span<const std::uint8_t> bytes, std::size_t index)
{
    const std::uint8_t b = bytes[index / 2];
    return index % 2 == 0 ? b >> 4 : b & 0x0F;
}

void setNibble(std::span<std::uint8_t> bytes, std::size_t index, std::uint8_t value)
{
    std::uint8_t& b = bytes[index / 2];
    b = index % 2 == 0 ? static_cast<std::uint8_t>((b & 0x0F) | (value << 4))
                       : static_cast<std::uint8_t>((b & 0xF0) | (value & 0x0F));
}

std::optional<int> hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return std::nullopt;
}

std::optional<int> smallNumber(std::string_view text)
{
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<CodeBytes> encodeCode(std::string_view digits)
{
    if (digits.empty())
        return kAbsentCode;
    if (digits.size() != 4 && digits.size() != 6)
        return std::nullopt;
    CodeBytes out{0, 0, 0};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (!isDecimal(digits[i]))
            return std::nullopt;
        setNibble(out, i, static_cast<std::uint8_t>(digits[i] - '0'));
    }
    return out;
}

std::string decodeCode(std::span<const std::uint8_t> bytes, int digitCount)
{
    if ((digitCount != 4 && digitCount != 6) || bytes.size() < 3)
        return {};
    std::string out;
    for (int i = 0; i < digitCount; ++i) {
        const std::uint8_t d = nibble(bytes, static_cast<std::size_t>(i));
        if (d > 9)
            return {};
        out.push_back(static_cast<char>('0' + d));
    }
    return out;
}

std::optional<HourMinute> decodeTimePair(std::uint8_t hour, std::uint8_t minute)
{
    if (hour > 23 || minute > 59)
        return std::nullopt;
    return HourMinute{hour, minute};
}

TimePairBytes encodeTimePair(std::optional<HourMinute> time)
{
    if (!time || time->hour < 0 || time->hour > 23 || time->minute < 0 || time->minute > 59)
        return kUnsetTime;
    return {static_cast<std::uint8_t>(time->hour), static_cast<std::uint8_t>(time->minute)};
}

std::optional<HourMinute> parseHourMinute(std::string_view text)
{
    const auto colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const auto hour = smallNumber(text.substr(0, colon));
    const auto minute = smallNumber(text.substr(colon + 1));
    if (!hour || !minute)
        return std::nullopt;
    return decodeTimePair(static_cast<std::uint8_t>(*hour), static_cast<std::uint8_t>(*minute));
}

std::string formatHourMinute(HourMinute time)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", time.hour, time.minute);
    return text;
}

PhoneBytes encodePhone(std::string_view number)
{
    PhoneBytes out;
    out.fill(0xFF);
    std::size_t n = 0;
    for (char c : number) {
        if (n == kPhoneDigits)
            break;
        if (isDecimal(c))
            setNibble(out, n++, static_cast<std::uint8_t>(c - '0'));
        else if (c == 'D' || c == 'd')
            setNibble(out, n++, kDigitD);
    }
    return out;
}

std::string decodePhone(std::span<const std::uint8_t> bytes)
{
    std::string out;
    for (std::size_t i = 0; i < 2 * bytes.size() && i < kPhoneDigits; ++i) {
        const std::uint8_t d = nibble(bytes, i);
        if (d <= 9)
            out.push_back(static_cast<char>('0' + d));
        else if (d == kDigitD)
            out.push_back('D');
        else
            break;
    }
    return out;
}

Text16Bytes encodeText16(std::string_view utf8)
{
    Text16Bytes out;
    out.fill(kTextFill);
    const std::string bytes = utf8ToCp1252(utf8);
    for (std::size_t i = 0; i < bytes.size() && i < out.size(); ++i)
        out[i] = static_cast<std::uint8_t>(bytes[i]);
    return out;
}

std::string decodeText16(std::span<const std::uint8_t> bytes)
{
    std::size_t end = 0;
    while (end < bytes.size() && end < 16 && bytes[end] != kTextFill)
        ++end;
    return cp1252ToUtf8(bytes.first(end));
}

std::optional<Hex4Bytes> encodeHex4(std::string_view text)
{
    if (text.size() != 4)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        const auto v = hexValue(c);
        if (!v)
            return std::nullopt;
        value = value * 16 + *v;
    }
    return Hex4Bytes{static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value & 0xFF)};
}

std::string decodeHex4(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 2)
        return {};
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X", bytes[0], bytes[1]);
    return text;
}

std::uint8_t encodeAmbushDigit(int digit)
{
    return static_cast<std::uint8_t>(((digit & 0x0F) << 4) | kNoDigit);
}

int decodeAmbushDigit(std::uint8_t byte)
{
    const int digit = byte >> 4;
    return digit > 9 ? 0 : digit;
}

std::uint8_t encodeSwingerCounter(int count)
{
    const int low = count & 0x0F;
    return static_cast<std::uint8_t>(low == 0 ? kSwingerDefault : low);
}

int decodeSwingerCounter(std::uint8_t byte)
{
    const int low = byte & 0x0F;
    return low == 0 ? kSwingerDefault : low;
}

} // namespace qarvo::panel
