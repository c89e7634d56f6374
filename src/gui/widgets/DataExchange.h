#pragma once
// Moves values between a dialog's fields and its data, in one direction per
// run. The first value that does not convert stops the run: its field gets
// the focus and every later call does nothing, so the caller checks ok()
// once at the end and keeps its data as far as it was taken.
#include "base/HexText.h"

#include <QString>

#include <cstdint>
#include <span>

class QComboBox;
class QLineEdit;
class QWidget;

namespace qarvo::gui {

class DataExchange {
public:
    enum class Direction { ToFields, FromFields };
    explicit DataExchange(Direction direction) : direction_(direction) {}

    bool ok() const { return failed_ == nullptr; }
    QWidget* failedField() const { return failed_; }

    void hex32(QLineEdit* field, std::uint32_t& value);           // "%08X"
    void hex16(QLineEdit* field, std::uint16_t& value);           // "%04X"; 0x10000 or more fails
    void decimal16(QLineEdit* field, std::uint16_t& value);       // above 0xFFFF fails
    void fixedText4(QLineEdit* field, hex::FixedText4& value);    // first 4 single-byte characters
    // A 0-terminated single-byte text field. A text that does not fit, or
    // holds a character outside the single-byte set, fails instead of
    // being cut or garbled.
    void boundedText(QLineEdit* field, std::span<char> value);
    // The chosen item's text (or the typed text of an editable list); data
    // to field chooses the item with exactly that text.
    void comboText(QComboBox* field, QString& value);

private:
    bool fromFields() const { return direction_ == Direction::FromFields; }
    void fail(QWidget* field);

    Direction direction_;
    QWidget* failed_ = nullptr;
};

// Writes a value as 8 or 4 hex digits into a field.
void setHexText(QLineEdit* field, std::uint32_t value, int digits);

} // namespace qarvo::gui
