#include "gui/dialogs/CCallbackDlg.h"

#include "gui/dialogs/DialogParts.h"
#include "gui/dialogs/IdFields.h"
#include "gui/shell/ShellTexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qarvo::gui {

CCallbackDlg::CCallbackDlg(const link::ConnectionSettings& record, QWidget* parent)
    : QDialog(parent),
      useDefaultIds_(record.useDefaultIds),
      server_(new QLineEdit(QString::fromStdString(record.callbackServer))),
      port_(makePortBox(QStringLiteral("callbackPort"), record.callbackPort)),
      account_(makeHexField(QStringLiteral("account"))),
      password_(new QLineEdit(QString::fromStdString(record.password)))
{
    setObjectName(QStringLiteral("callbackDialog"));
    setWindowTitle(text(shell_text::kCallbackTitle));
    server_->setObjectName(QStringLiteral("callbackAddress"));
    account_->setText(hexText(record.account));
    password_->setObjectName(QStringLiteral("password"));
    password_->setMaxLength(static_cast<int>(link::kPasswordLength));

    auto* layout = new QVBoxLayout(this);
    auto* serverBox = new QGroupBox(text(shell_text::kCallbackServer));
    auto* serverForm = new QFormLayout(serverBox);
    serverForm->addRow(text(text_id::kAddress), server_);
    serverForm->addRow(text(text_id::kPort), port_);
    layout->addWidget(serverBox);
    auto* clientBox = new QGroupBox(text(shell_text::kClient));
    auto* clientForm = new QFormLayout(clientBox);
    clientForm->addRow(text(shell_text::kAccount), account_);
    clientForm->addRow(text(shell_text::kPassword), withShowToggle(password_));
    layout->addWidget(clientBox);
    auto* idForm = new QFormLayout;
    const IdFieldPair ids = addIdFields(*idForm, record);
    panelId_ = ids.panelId;
    pcId_ = ids.pcId;
    layout->addLayout(idForm);
    layout->addWidget(makeOkCancel(*this, text(text_id::kToolConnect)));
}

void CCallbackDlg::applyTo(link::ConnectionSettings& record) const
{
    record.callbackServer = server_->text().toStdString();
    record.callbackPort = port_->value();
    record.account = hexValue(account_);
    record.password = password_->text().toStdString();
    storeIds({panelId_, pcId_}, useDefaultIds_, record);
}

} // namespace qarvo::gui
