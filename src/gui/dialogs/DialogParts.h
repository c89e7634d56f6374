#pragma once
// Small pieces the shell's dialogs share: masked six-digit password
// fields, hex ID fields, decimal fields, IPv4 address fields and the
// OK/Cancel row with the string table's texts.
#include <QString>

#include <cstdint>
#include <optional>

class QDialog;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qarvo::gui {

// A masked field that takes at most six digits.
QLineEdit* makePasswordField(const QString& objectName);
// A field of at most four hex digits.
QLineEdit* makeHexField(const QString& objectName);
// A field of decimal digits (at most maxDigits of them).
QLineEdit* makeDecimalField(const QString& objectName, int maxDigits);
// A field that takes a dotted IPv4 address.
QLineEdit* makeAddressField(const QString& objectName);
// A short field (a few digits) keeps their width in a wide window.
void keepShort(QLineEdit& field, int digits);
// A field that only shows: read-only, on the window's colour rather than
// the white of a field that takes typing.
void showReadOnly(QLineEdit& field);
// A masked field with a "Show" toggle beside it (object name: the field's
// + "Show") that shows the typed text while it is down. Returns the row.
QWidget* withShowToggle(QLineEdit* field);

// OK and Cancel (texts 1 and 2) wired to the dialog's accept and reject.
// The OK button's text may be replaced (for example "Connect").
QDialogButtonBox* makeOkCancel(QDialog& dialog, const QString& okText = QString());
QPushButton* okButton(QDialogButtonBox* buttons);

// The record's form of an IPv4 address: first octet in the high byte.
QString addressText(std::uint32_t address);
std::optional<std::uint32_t> parseAddress(const QString& text);
// Four hex digits, upper case.
QString hexText(std::uint16_t value);
// The hex parse of a field: the digits read as one number (empty: 0).
std::uint16_t hexValue(const QLineEdit* field);
// A decimal field's value (empty: 0).
long decimalValue(const QLineEdit* field);

} // namespace qarvo::gui
