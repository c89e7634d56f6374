#pragma once
// Writes the values of the programming forms into an image, checking each
// one as the pages do. The first refused value is kept as the error and every
// later write does nothing, so a conversion reads as a plain sequence of
// writes and reports the first failure in the pages' order.
#include "panel/FieldCodecs.h"
#include "panel/FormError.h"
#include "panel/LayoutTable.h"
#include "panel/PanelImage.h"
#include "panel/Setting.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace qarvo::panel {

class FormWriter {
public:
    FormWriter(const LayoutTable& layout, PanelImage& image) : layout_(layout), image_(image) {}

    bool ok() const { return !error_; }
    const std::optional<FormError>& error() const { return error_; }
    void fail(int textId, std::optional<int> number, FormPlace place);

    // The setting's bytes in the image being written; empty when the model
    // lacks the setting or a value was already refused.
    std::span<std::uint8_t> bytes(Setting s);
    void setByte(Setting s, std::uint8_t value);
    void setBytes(Setting s, std::span<const std::uint8_t> value);

    // A decimal count within the setting's catalogue range: empty text is
    // refused with "It has to have a value.", text that is no number (or 0
    // where the range starts at 1) with "It has to have a non zero value.",
    // a number outside the range with a message naming the range.
    std::optional<int> count(std::string_view text, Setting s, FormPlace place);
    // As count, and stores the value into the setting's byte.
    void storeCount(std::string_view text, Setting s, FormPlace place);

    // A time pair from "hour:min". A required time that is empty is refused
    // with "Please enter hour:min.", one that is no valid time with
    // "Incorrect hour:min."; an optional one that is empty or invalid is
    // stored unset (FF FF).
    void storeTime(std::string_view text, Setting hour, bool required, FormPlace place);

    const LayoutTable& layout() const { return layout_; }
    PanelImage& image() { return image_; }

private:
    const LayoutTable& layout_;
    PanelImage& image_;
    std::optional<FormError> error_;
};

// "%0*d" of a byte, the way the number edits show it.
std::string formatCount(std::uint8_t value, int width);
// The decimal number of a text of digits only, nullopt otherwise.
std::optional<int> parseDecimal(std::string_view text);
// The time pair of the setting's two bytes as "HH:MM", "" when unset or invalid.
std::string showTime(const LayoutTable& layout, const PanelImage& image, Setting hour);

} // namespace qarvo::panel
