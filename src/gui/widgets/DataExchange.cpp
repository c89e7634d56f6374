#include "gui/widgets/DataExchange.h"

#include "base/BoundedText.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace qarvo::gui {
namespace {

std::string fieldText(const QLineEdit* field) { return field->text().toStdString(); }

// The single-byte form of a text; nullopt when a character has none.
std::optional<std::string> singleBytes(const QString& text)
{
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; }))
        return std::nullopt;
    return text.toLatin1().toStdString();
}

} // namespace

void DataExchange::fail(QWidget* field)
{
    failed_ = field;
    field->setFocus(Qt::OtherFocusReason);
}

void DataExchange::hex32(QLineEdit* field, std::uint32_t& value)
{
    if (!ok())
        return;
    if (!fromFields())
        return field->setText(QString::fromStdString(hex::formatHex32(value)));
    if (const auto read = hex::parseHex(fieldText(field)))
        value = *read;
    else
        fail(field);
}

void DataExchange::hex16(QLineEdit* field, std::uint16_t& value)
{
    if (!ok())
        return;
    if (!fromFields())
        return field->setText(QString::fromStdString(hex::formatHex16(value)));
    if (const auto read = hex::parseHex16(fieldText(field)))
        value = *read;
    else
        fail(field);
}

void DataExchange::decimal16(QLineEdit* field, std::uint16_t& value)
{
    if (!ok())
        return;
    if (!fromFields())
        return field->setText(QString::number(value));
    if (const auto read = hex::parseDecimal16(field->text().trimmed().toStdString()))
        value = *read;
    else
        fail(field);
}

void DataExchange::fixedText4(QLineEdit* field, hex::FixedText4& value)
{
    if (!ok())
        return;
    if (!fromFields())
        return field->setText(QString::fromLatin1(hex::fromFixedText4(value)));
    if (const auto bytes = singleBytes(field->text()))
        value = hex::toFixedText4(*bytes);
    else
        fail(field);
}

void DataExchange::boundedText(QLineEdit* field, std::span<char> value)
{
    if (!ok())
        return;
    if (!fromFields()) {
        const auto end = std::find(value.begin(), value.end(), '\0');
        return field->setText(QString::fromLatin1(value.data(), end - value.begin()));
    }
    const auto bytes = singleBytes(field->text());
    if (!bytes || bytes->size() >= value.size())
        return fail(field); // the field keeps its old text rather than a cut one
    text::boundedCopy(value, *bytes);
}

void DataExchange::comboText(QComboBox* field, QString& value)
{
    if (!ok())
        return;
    if (fromFields()) {
        value = field->currentText();
        return;
    }
    const int item = field->findText(value, Qt::MatchExactly);
    if (item >= 0 || !field->isEditable())
        field->setCurrentIndex(item);
    else
        field->setEditText(value);
}

void setHexText(QLineEdit* field, std::uint32_t value, int digits)
{
    field->setText(QString::fromStdString(digits <= 4 ? hex::formatHex16(static_cast<std::uint16_t>(value))
                                                      : hex::formatHex32(value)));
}

} // namespace qarvo::gui
