#include "gui/dialogs/CUpdateDlg.h"

#include "app/Strings.h"
#include "base/NoticeSink.h"
#include "base/TextIds.h"
#include "communicator/FirmwareUpdate.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/ShellTexts.h"
#include "gui/widgets/CTextProgressCtrl.h"
#include "link/ConnectionSettings.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qarvo::gui {

namespace {

constexpr int kPortDigits = 5;
constexpr long kMaxPort = 0xFFFF;
constexpr int kHostChars = 29;

QGroupBox* group(int titleId, QLayout* layout)
{
    auto* box = new QGroupBox(text(titleId));
    box->setLayout(layout);
    return box;
}

} // namespace

CUpdateDlg::CUpdateDlg(Setup setup, QWidget* parent)
    : QDialog(parent),
      setup_(std::move(setup)),
      address_(new QLineEdit),
      port_(makeDecimalField(QStringLiteral("updatePort"), kPortDigits)),
      start_(new QPushButton(text(text_id::kStart))),
      defaults_(new QPushButton(text(text_id::kDefaults))),
      current_(new QLabel(setup_.currentVersion)),
      updatingTo_(new QLabel),
      status_(new QLabel(text(text_id::kNotStarted))),
      progress_(new CTextProgressCtrl)
{
    setObjectName(QStringLiteral("updateDialog"));
    setWindowTitle(text(text_id::kFirmwareUpdating));
    setModal(true);
    address_->setObjectName(QStringLiteral("updateAddress"));
    address_->setMaxLength(kHostChars);
    start_->setObjectName(QStringLiteral("start"));
    defaults_->setObjectName(QStringLiteral("defaults"));
    current_->setObjectName(QStringLiteral("currentVersion"));
    updatingTo_->setObjectName(QStringLiteral("updatingTo"));
    status_->setObjectName(QStringLiteral("status"));
    for (QLabel* l : {current_, updatingTo_, status_})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    progress_->setMinimumWidth(320);

    auto* server = new QFormLayout;
    server->addRow(text(text_id::kAddress), address_);
    server->addRow(text(text_id::kPort), port_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(defaults_);
    server->addRow(buttons);

    auto* version = new QFormLayout;
    version->addRow(text(text_id::kCurrentVersion), current_);
    version->addRow(text(text_id::kUpdatingTo), updatingTo_);

    auto* status = new QVBoxLayout;
    status->addWidget(status_);
    status->addWidget(progress_);

    auto* close = new QDialogButtonBox;
    close->addButton(text(text_id::kCloseButton), QDialogButtonBox::RejectRole);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group(text_id::kFirmwareUpdateServer, server));
    layout->addWidget(group(text_id::kVersionGroup, version));
    layout->addWidget(group(text_id::kStatusGroup, status));
    layout->addWidget(close);

    connect(start_, &QPushButton::clicked, this, &CUpdateDlg::start);
    connect(defaults_, &QPushButton::clicked, this, &CUpdateDlg::restoreDefaults);
    showServer({QString::fromStdString(setup_.settings.updateServer),
                static_cast<std::uint16_t>(setup_.settings.updatePort)});
    refreshStart();
}

void CUpdateDlg::showServer(const UpdateServer& server)
{
    address_->setText(server.host);
    port_->setText(QString::number(server.port));
}

void CUpdateDlg::restoreDefaults()
{
    setup_.settings.updateServer = setup_.loaded.host.toStdString();
    setup_.settings.updatePort = setup_.loaded.port;
    showServer(setup_.loaded);
}

void CUpdateDlg::refreshStart()
{
    const bool open = setup_.connectionOpen && setup_.connectionOpen();
    start_->setEnabled(open && !setup_.firmware.running());
}

void CUpdateDlg::start()
{
    const QString host = address_->text().trimmed();
    bool ok = false;
    const long port = port_->text().toLong(&ok);
    if (!ok || port > kMaxPort) {
        prompter().message(this, MessageKind::Warning, strings::format(text_id::kEnterNumberUpTo, kMaxPort));
        port_->setFocus();
        return;
    }
    // A fresh bar; its text is drawn once the download runs.
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setCaption(text(text_id::kCompleted));
    progress_->setShowPercent(true);
    progress_->setTextDrawn(false);
    const int refusal = setup_.firmware.start(host.toStdString(), static_cast<std::uint16_t>(port), setup_.notices);
    if (refusal == text_id::kUpdateServerUnknown) {
        prompter().message(this, MessageKind::Error, text(refusal) + u'\n' + host);
        address_->setFocus();
    } else if (refusal) {
        prompter().message(this, MessageKind::Warning, text(refusal));
    }
    refreshStart();
}

void CUpdateDlg::report(const CommunicatorNotice& notice)
{
    using Kind = CommunicatorNotice::Kind;
    switch (notice.kind) {
    case Kind::FirmwareStage:
        status_->setText(text(static_cast<int>(notice.value)));
        emit stageShown(static_cast<int>(notice.value));
        break;
    case Kind::FirmwareProgress:
        progress_->setValue(static_cast<int>(notice.value));
        break;
    case Kind::FirmwareVersion:
        updatingTo_->setText(
            QString::fromStdString(firmwareVersionText(static_cast<std::uint32_t>(notice.value))));
        break;
    case Kind::FirmwareProgressText:
        progress_->setTextDrawn(notice.value != 0);
        break;
    default:
        break;
    }
    refreshStart();
}

QString CUpdateDlg::statusText() const { return status_->text(); }
QString CUpdateDlg::updatingTo() const { return updatingTo_->text(); }

} // namespace qarvo::gui
