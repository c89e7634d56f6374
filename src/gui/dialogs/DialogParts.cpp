#include "gui/dialogs/DialogParts.h"

#include "base/TextIds.h"
#include "link/ConnectionSettings.h"
#include "gui/shell/ShellTexts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace qarvo::gui {
namespace {

constexpr int kPasswordDigits = 6;
constexpr int kHexDigits = 4;

QLineEdit* makeField(const QString& objectName, const QString& pattern, int maxLength)
{
    auto* field = new QLineEdit;
    field->setObjectName(objectName);
    field->setMaxLength(maxLength);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
    keepShort(*field, maxLength);
    return field;
}

} // namespace

QLineEdit* makePasswordField(const QString& objectName)
{
    QLineEdit* field = makeField(objectName, QStringLiteral("[0-9]{0,6}"), kPasswordDigits);
    field->setEchoMode(QLineEdit::Password);
    return field;
}

QLineEdit* makeHexField(const QString& objectName)
{
    return makeField(objectName, QStringLiteral("[0-9A-Fa-f]{0,4}"), kHexDigits);
}

QLineEdit* makeDecimalField(const QString& objectName, int maxDigits)
{
    return makeField(objectName, QStringLiteral("[0-9]{0,%1}").arg(maxDigits), maxDigits);
}

QLineEdit* makeAddressField(const QString& objectName)
{
    return makeField(objectName, QStringLiteral("[0-9]{0,3}(\\.[0-9]{0,3}){0,3}"), 15);
}

void keepShort(QLineEdit& field, int digits)
{
    constexpr int kSpareDigits = 3;
    constexpr int kFrame = 12;
    field.setMaximumWidth(field.fontMetrics().horizontalAdvance(QString(digits + kSpareDigits, u'0')) + kFrame);
}

void showReadOnly(QLineEdit& field)
{
    field.setReadOnly(true);
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field.setPalette(palette);
}

QWidget* withShowToggle(QLineEdit* field)
{
    field->setEchoMode(QLineEdit::Password);
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* toggle = new QToolButton;
    toggle->setObjectName(field->objectName() + QStringLiteral("Show"));
    toggle->setText(text(text_id::kShowPassword));
    toggle->setCheckable(true);
    toggle->setFocusPolicy(Qt::StrongFocus); // reachable with the keyboard, like the field
    QObject::connect(toggle, &QToolButton::toggled, field,
                     [field](bool shown) { field->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password); });
    layout->addWidget(field, 1);
    layout->addWidget(toggle);
    row->setFocusProxy(field);
    return row;
}

QDialogButtonBox* makeOkCancel(QDialog& dialog, const QString& okText)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(okText.isEmpty() ? text(text_id::kOk) : okText);
    buttons->button(QDialogButtonBox::Cancel)->setText(text(text_id::kCancel));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

QPushButton* okButton(QDialogButtonBox* buttons) { return buttons->button(QDialogButtonBox::Ok); }

QString addressText(std::uint32_t address)
{
    // No address given yet: the field starts empty rather than show a guess.
    if (address == link::kNoAddress)
        return {};
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFF)
        .arg((address >> 8) & 0xFF)
        .arg(address & 0xFF);
}

std::optional<std::uint32_t> parseAddress(const QString& text)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    std::uint32_t address = 0;
    for (const QString& part : parts) {
        bool ok = false;
        const uint octet = part.toUInt(&ok);
        if (!ok || octet > 255)
            return std::nullopt;
        address = (address << 8) | octet;
    }
    return address;
}

QString hexText(std::uint16_t value) { return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper(); }

std::uint16_t hexValue(const QLineEdit* field)
{
    return static_cast<std::uint16_t>(field->text().left(kHexDigits).toUInt(nullptr, 16));
}

long decimalValue(const QLineEdit* field) { return field->text().toLong(); }

} // namespace qarvo::gui
