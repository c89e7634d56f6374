#include "panel/FormWriter.h"

#include "base/TextIds.h"
#include "panel/SettingCatalogue.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace qarvo::panel {

namespace {
constexpr std::size_t kLongestCount = 9; // more digits than any count, fewer than overflow
}

void FormWriter::fail(int textId, std::optional<int> number, FormPlace place)
{
    if (!error_)
        error_ = FormError{textId, number, place.control, place.row, place.column};
}

std::span<std::uint8_t> FormWriter::bytes(Setting s)
{
    return ok() ? layout_.bytes(image_, s) : std::span<std::uint8_t>();
}

void FormWriter::setByte(Setting s, std::uint8_t value)
{
    if (const auto b = bytes(s); !b.empty())
        b[0] = value;
}

void FormWriter::setBytes(Setting s, std::span<const std::uint8_t> value)
{
    const auto b = bytes(s);
    std::copy_n(value.begin(), std::min(value.size(), b.size()), b.begin());
}

std::optional<int> FormWriter::count(std::string_view text, Setting s, FormPlace place)
{
    if (!ok())
        return std::nullopt;
    const SettingInfo& info = settingInfo(s);
    if (text.empty()) {
        fail(text_id::kHasToHaveValue, std::nullopt, place);
        return std::nullopt;
    }
    const auto value = parseDecimal(text);
    if (!value || (*value == 0 && info.min > 0)) {
        fail(text_id::kHasToHaveNonZeroValue, std::nullopt, place);
        return std::nullopt;
    }
    if (*value < info.min || *value > info.max) {
        fail(info.min > 0 ? text_id::kEnterNumberFromOneUpTo : text_id::kEnterNumberUpTo, info.max, place);
        return std::nullopt;
    }
    return value;
}

void FormWriter::storeCount(std::string_view text, Setting s, FormPlace place)
{
    if (const auto value = count(text, s, place))
        setByte(s, static_cast<std::uint8_t>(*value));
}

void FormWriter::storeTime(std::string_view text, Setting hour, bool required, FormPlace place)
{
    const auto time = parseHourMinute(text);
    if (required && !time) {
        fail(text.empty() ? text_id::kEnterHourMin : text_id::kIncorrectHourMin, std::nullopt, place);
        return;
    }
    const TimePairBytes pair = encodeTimePair(time);
    setByte(hour, pair[0]);
    setByte(nth(hour, 2), pair[1]);
}

std::string formatCount(std::uint8_t value, int width)
{
    char text[8];
    std::snprintf(text, sizeof text, "%0*d", width, int(value));
    return text;
}

std::optional<int> parseDecimal(std::string_view text)
{
    if (text.empty() || text.size() > kLongestCount)
        return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.front() == '-')
        return std::nullopt;
    return value;
}

std::string showTime(const LayoutTable& layout, const PanelImage& image, Setting hour)
{
    const auto h = layout.bytes(image, hour);
    const auto m = layout.bytes(image, nth(hour, 2));
    if (h.empty() || m.empty())
        return {};
    const auto time = decodeTimePair(h[0], m[0]);
    return time ? formatHourMinute(*time) : std::string();
}

} // namespace qarvo::panel
