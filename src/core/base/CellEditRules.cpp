#include "base/CellEditRules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace qarvo::cells {
namespace {

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// One or two decimal digits and nothing else.
std::optional<int> shortNumber(std::string_view text)
{
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), isDecimalDigit))
        return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Characters, not bytes: names may hold letters outside ASCII.
int utf8Length(std::string_view text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The whole typed text must be what the editor would have let through.
bool editorWouldAccept(const CellRule& rule, std::string_view text)
{
    const int limit = editorLength(rule);
    if (limit > 0 && utf8Length(text) > limit)
        return false;
    if (rule.kind == CellKind::List)
        return std::find(rule.items.begin(), rule.items.end(), text) != rule.items.end();
    if (isTimePicker(rule.kind))
        return text == kTimeOff ? rule.kind == CellKind::TimePickerOnOff : parseHourMinute(text).has_value();
    return std::all_of(text.begin(), text.end(), [&](char c) { return acceptsChar(rule.kind, c); });
}

} // namespace

bool isTimeKind(CellKind kind) { return isTimePicker(kind) || isTypedTime(kind); }
bool isTimePicker(CellKind kind) { return kind == CellKind::TimePicker || kind == CellKind::TimePickerOnOff; }
bool isTypedTime(CellKind kind) { return kind == CellKind::TimeText || kind == CellKind::TimeTextKeep; }

bool isLineEdited(CellKind kind)
{
    return kind == CellKind::Text || kind == CellKind::Decimal || kind == CellKind::Hex || isTypedTime(kind);
}

bool isHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

bool isPhoneChar(char c) { return isDecimalDigit(c) || c == 'D' || c == 'd'; }

bool acceptsChar(CellKind kind, char c)
{
    switch (kind) {
    case CellKind::Decimal:
        return isDecimalDigit(c);
    case CellKind::Hex:
        return isHexDigit(c);
    case CellKind::TimeText:
    case CellKind::TimeTextKeep:
        return isDecimalDigit(c) || c == ':';
    case CellKind::Text:
        return static_cast<unsigned char>(c) >= 0x20;
    default:
        return false;
    }
}

int editorLength(const CellRule& rule) { return isTypedTime(rule.kind) ? kTimeTextLength : rule.length; }

std::string editorText(CellKind kind, std::string_view cellText)
{
    if (isTypedTime(kind) && cellText == kTimeOff)
        return {};
    return std::string(cellText);
}

std::optional<HourMinute> parseHourMinute(std::string_view text)
{
    const auto colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const auto hour = shortNumber(text.substr(0, colon));
    const auto minute = shortNumber(text.substr(colon + 1));
    if (!hour || !minute || *hour > 23 || *minute > 59)
        return std::nullopt;
    return HourMinute{*hour, *minute};
}

std::string formatHourMinute(HourMinute time)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", time.hour % 100, time.minute % 100);
    return text;
}

std::optional<HourMinute> pickerTime(std::string_view cellText)
{
    if (cellText == kTimeOff)
        return std::nullopt;
    const auto colon = cellText.find(':');
    const auto hour = shortNumber(cellText.substr(0, colon));
    const auto minute = colon == std::string_view::npos ? std::nullopt : shortNumber(cellText.substr(colon + 1));
    HourMinute time;
    time.hour = hour && *hour <= 23 ? *hour : 0;
    time.minute = minute && *minute <= 59 ? *minute : 0;
    return time;
}

std::optional<std::string> endOfEdit(const CellRule& rule, std::optional<std::string_view> typed)
{
    if (!typed || rule.kind == CellKind::None || rule.kind == CellKind::Check)
        return std::nullopt;
    if (!editorWouldAccept(rule, *typed))
        return std::nullopt;
    std::string text(*typed);
    if (rule.kind == CellKind::Hex)
        std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    if (const int length = utf8Length(text); rule.pad && length < rule.length)
        text.insert(0, static_cast<std::size_t>(rule.length - length), '0');
    if (rule.blankZero && std::all_of(text.begin(), text.end(), [](char c) { return c == '0' || c == ' '; }))
        text.clear();
    if (isTypedTime(rule.kind)) {
        if (const auto time = parseHourMinute(text))
            return formatHourMinute(*time);
        if (rule.kind == CellKind::TimeText)
            return std::string(kTimeOff);
        return std::nullopt;
    }
    return text;
}

bool isFixedCheck(int state) { return state != 0 && state != 1; }

int toggledCheck(int state) { return isFixedCheck(state) ? state : 1 - state; }

CellLook cellLook(CellKind kind, bool columnEditable, bool locked)
{
    if (locked)
        return CellLook::Locked;
    if (kind == CellKind::None)
        return CellLook::Untyped;
    return columnEditable ? CellLook::Editable : CellLook::ReadOnly;
}

} // namespace qarvo::cells
