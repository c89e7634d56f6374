#include "gui/dialogs/CConnectToDlg.h"

#include "gui/dialogs/DialogParts.h"
#include "gui/dialogs/IdFields.h"
#include "gui/shell/ShellTexts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace qarvo::gui {

CConnectToDlg::CConnectToDlg(const link::ConnectionSettings& record, QWidget* parent)
    : QDialog(parent),
      record_(record),
      address_(makeAddressField(QStringLiteral("address"))),
      port_(makePortBox(QStringLiteral("port"), record.communicatorPort)),
      broadcast_(new QCheckBox(text(shell_text::kBroadcast))),
      password_(new QLineEdit(QString::fromStdString(record.password)))
{
    setObjectName(QStringLiteral("connectToDialog"));
    setWindowTitle(text(shell_text::kConnectToTitle));
    address_->setText(addressText(record.communicatorAddress));
    broadcast_->setObjectName(QStringLiteral("broadcast"));
    broadcast_->setChecked(record.communicatorAddress == link::kBroadcastAddress);
    password_->setObjectName(QStringLiteral("password"));
    password_->setMaxLength(static_cast<int>(link::kPasswordLength));
    connect(broadcast_, &QCheckBox::toggled, this, [this](bool on) {
        address_->setText(addressText(on ? link::kBroadcastAddress : record_.communicatorAddress));
    });

    auto* form = new QFormLayout(this);
    form->addRow(text(shell_text::kIpAddress), address_);
    form->addRow(text(text_id::kPort), port_);
    form->addRow(broadcast_);
    form->addRow(text(shell_text::kPassword), withShowToggle(password_));
    const IdFieldPair ids = addIdFields(*form, record);
    panelId_ = ids.panelId;
    pcId_ = ids.pcId;
    form->addRow(makeOkCancel(*this, text(text_id::kToolConnect)));
}

void CConnectToDlg::applyTo(link::ConnectionSettings& record) const
{
    record.communicatorAddress = parseAddress(address_->text()).value_or(record.communicatorAddress);
    record.communicatorPort = static_cast<std::uint16_t>(port_->value());
    record.password = password_->text().toStdString();
    storeIds({panelId_, pcId_}, record.useDefaultIds, record);
}

} // namespace qarvo::gui
