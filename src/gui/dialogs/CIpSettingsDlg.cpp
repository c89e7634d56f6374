#include "gui/dialogs/CIpSettingsDlg.h"

#include "gui/dialogs/DialogParts.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/ShellTexts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qarvo::gui {
namespace {

constexpr long kLowestPort = 10;
constexpr long kHighestPort = 65535;
constexpr int kPortDigits = 6; // room for a value above the highest port, which OK refuses
constexpr int kTextFieldLength = 255;

QGroupBox* group(int titleId, QFormLayout*& form)
{
    auto* box = new QGroupBox(text(titleId));
    form = new QFormLayout(box);
    return box;
}

QLineEdit* textField(const QString& objectName, const std::string& value)
{
    auto* field = new QLineEdit(QString::fromStdString(value));
    field->setObjectName(objectName);
    field->setMaxLength(kTextFieldLength);
    return field;
}

QLineEdit* decimalField(const QString& objectName, long value)
{
    QLineEdit* field = makeDecimalField(objectName, kPortDigits);
    field->setText(QString::number(value));
    return field;
}

QLineEdit* hexField(const QString& objectName, std::uint16_t value)
{
    QLineEdit* field = makeHexField(objectName);
    field->setText(hexText(value));
    return field;
}

} // namespace

CIpSettingsDlg::CIpSettingsDlg(const link::ConnectionSettings& record, QString settingsFile, QWidget* parent)
    : QDialog(parent),
      record_(record),
      settingsFile_(std::move(settingsFile)),
      address_(makeAddressField(QStringLiteral("address"))),
      port_(decimalField(QStringLiteral("port"), record.communicatorPort)),
      broadcast_(new QCheckBox(text(shell_text::kBroadcast))),
      callbackAddress_(textField(QStringLiteral("callbackAddress"), record.callbackServer)),
      callbackPort_(decimalField(QStringLiteral("callbackPort"), record.callbackPort)),
      ownPort_(decimalField(QStringLiteral("ownPort"), record.ownPort)),
      account_(hexField(QStringLiteral("account"), record.account)),
      password_(textField(QStringLiteral("password"), record.password)),
      updateAddress_(textField(QStringLiteral("updateAddress"), record.updateServer)),
      updatePort_(decimalField(QStringLiteral("updatePort"), record.updatePort)),
      defaultIds_(new QCheckBox(text(shell_text::kUseDefaultIds))),
      panelId_(hexField(QStringLiteral("panelId"), record.panelId)),
      pcId_(hexField(QStringLiteral("pcId"), record.pcId))
{
    setObjectName(QStringLiteral("ipSettingsDialog"));
    setWindowTitle(text(shell_text::kIpSettingsTitle));
    address_->setText(addressText(record.communicatorAddress));
    password_->setMaxLength(static_cast<int>(link::kPasswordLength));
    broadcast_->setObjectName(QStringLiteral("broadcast"));
    broadcast_->setChecked(record.communicatorAddress == link::kBroadcastAddress);
    defaultIds_->setObjectName(QStringLiteral("defaultIds"));

    // Two columns, so that the dialog stays within a window of the main
    // window's default size: the communicator and the IDs on the left, the
    // servers on the right.
    auto* layout = new QGridLayout(this);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    layout->addLayout(left, 0, 0);
    layout->addLayout(right, 0, 1);
    auto* top = new QFormLayout;
    top->addRow(text(shell_text::kIpAddress), address_);
    top->addRow(text(text_id::kPort), port_);
    top->addRow(broadcast_);
    left->addLayout(top);
    QFormLayout* form = nullptr;
    left->addWidget(group(shell_text::kClient, form));
    form->addRow(text(shell_text::kAccount), account_);
    form->addRow(text(shell_text::kPassword), withShowToggle(password_));
    auto* ids = new QFormLayout;
    ids->addRow(defaultIds_);
    ids->addRow(text(shell_text::kPanelId), panelId_);
    ids->addRow(text(shell_text::kPcId), pcId_);
    left->addLayout(ids);
    left->addStretch();
    right->addWidget(group(shell_text::kCallbackServer, form));
    form->addRow(text(text_id::kAddress), callbackAddress_);
    form->addRow(text(text_id::kPort), callbackPort_);
    auto* own = new QFormLayout;
    own->addRow(text(shell_text::kOwnPortNumber), ownPort_);
    right->addLayout(own);
    right->addWidget(group(text_id::kFirmwareUpdateServer, form));
    form->addRow(text(text_id::kAddress), updateAddress_);
    form->addRow(text(text_id::kPort), updatePort_);
    right->addStretch();

    QDialogButtonBox* buttons = makeOkCancel(*this);
    QPushButton* saveButton = buttons->addButton(text(text_id::kToolSave), QDialogButtonBox::ActionRole);
    saveButton->setObjectName(QStringLiteral("save"));
    connect(saveButton, &QPushButton::clicked, this, &CIpSettingsDlg::save);
    layout->addWidget(buttons, 1, 0, 1, 2);

    connect(broadcast_, &QCheckBox::toggled, this, &CIpSettingsDlg::broadcastToggled);
    connect(defaultIds_, &QCheckBox::toggled, this, &CIpSettingsDlg::defaultIdsToggled);
    defaultIds_->setChecked(record.useDefaultIds);
    defaultIdsToggled(record.useDefaultIds);
}

void CIpSettingsDlg::broadcastToggled(bool on)
{
    address_->setText(addressText(on ? link::kBroadcastAddress : record_.communicatorAddress));
}

void CIpSettingsDlg::defaultIdsToggled(bool on)
{
    if (on) {
        panelId_->clear();
        pcId_->clear();
    }
    panelId_->setEnabled(!on);
    pcId_->setEnabled(!on);
}

link::ConnectionSettings CIpSettingsDlg::values() const
{
    link::ConnectionSettings v = record_;
    v.communicatorAddress = parseAddress(address_->text()).value_or(record_.communicatorAddress);
    v.communicatorPort = static_cast<std::uint16_t>(decimalValue(port_));
    v.callbackServer = callbackAddress_->text().toStdString();
    v.callbackPort = static_cast<std::int32_t>(decimalValue(callbackPort_));
    v.ownPort = static_cast<std::int32_t>(decimalValue(ownPort_));
    v.account = hexValue(account_);
    v.password = password_->text().toStdString();
    v.updateServer = updateAddress_->text().toStdString();
    v.updatePort = static_cast<std::int32_t>(decimalValue(updatePort_));
    v.useDefaultIds = defaultIds_->isChecked();
    const IdCodes codes = ids();
    v.panelId = codes.panelId;
    v.pcId = codes.pcId;
    return v;
}

IdCodes CIpSettingsDlg::ids() const
{
    if (defaultIds_->isChecked())
        return {};
    return {hexValue(panelId_), hexValue(pcId_)};
}

void CIpSettingsDlg::applyTo(link::ConnectionSettings& record) const
{
    const link::ConnectionSettings v = values();
    record.useDefaultIds = v.useDefaultIds;
    record.panelId = v.panelId;
    record.pcId = v.pcId;
    record.communicatorAddress = v.communicatorAddress;
    record.communicatorPort = v.communicatorPort;
    record.callbackServer = v.callbackServer;
    record.callbackPort = v.callbackPort;
    record.ownPort = v.ownPort;
}

bool CIpSettingsDlg::portInRange()
{
    const long port = decimalValue(port_);
    if (port >= kLowestPort && port <= kHighestPort)
        return true;
    prompter().message(this, MessageKind::Warning, text(text_id::kPortNumberOutOfRange));
    port_->setFocus();
    return false;
}

void CIpSettingsDlg::accept()
{
    if (portInRange())
        QDialog::accept();
}

// A port the record cannot hold would be written as another port, so the
// file gets the same port check as OK.
bool CIpSettingsDlg::save()
{
    if (!portInRange())
        return false;
    if (link::saveSettings(settingsFile_.toStdString(), values()))
        return true;
    prompter().message(this, MessageKind::Error, text(shell_text::kSettingsNotWritten));
    return false;
}

} // namespace qarvo::gui
