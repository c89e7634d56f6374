#include "gui/pages/CPageTavi.h"

#include "session/PanelSession.h"
#include "app/Strings.h"
#include "base/TextIds.h"
#include "communicator/FirmwareUpdate.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/ShellTexts.h"
#include "gui/pages/TaviPageTexts.h"
#include "gui/pages/TaviOptionsView.h"
#include "link/Connection.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace qarvo::gui {

namespace {

using Kind = CommunicatorNotice::Kind;

TaviOptions recordOf(std::span<const std::uint8_t> bytes)
{
    TaviOptions record;
    std::copy_n(bytes.begin(), std::min(bytes.size(), record.bytes.size()), record.bytes.begin());
    return record;
}

} // namespace

CPageTavi::CPageTavi(QWidget* parent)
    : CPage(text_id::kPageTavi, parent),
      view_(new TaviOptionsView),
      loadDefaults_(new QPushButton(text(tavi_page::kLoadDefaults))),
      saveDefaults_(new QPushButton(text(tavi_page::kSaveDefaults))),
      firmwareSink_([this](const Notice& notice) {
          if (const auto* n = std::get_if<CommunicatorNotice>(&notice); n && updateDialog_)
              updateDialog_->report(*n);
      })
{
    setObjectName(QStringLiteral("taviPage"));
    loadDefaults_->setObjectName(QStringLiteral("loadDefaults"));
    saveDefaults_->setObjectName(QStringLiteral("saveDefaults"));
    auto* scroll = new QScrollArea;
    scroll->setWidget(view_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(loadDefaults_);
    buttons->addWidget(saveDefaults_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    // The page gives way to a narrow window: its scroll area takes the
    // width, and the buttons' row does not hold the window open.
    setMinimumSize(1, 1);

    connect(view_, &TaviOptionsView::pgmClicked, this, &CPageTavi::togglePgm);
    connect(loadDefaults_, &QPushButton::clicked, this, &CPageTavi::loadDefaults);
    connect(saveDefaults_, &QPushButton::clicked, this, &CPageTavi::saveDefaults);
    showRecord(TaviOptions::builtInDefaults());
}

CPageTavi::~CPageTavi() = default;

void CPageTavi::attach(session::PanelSession& session, const QString& defaultsDirectory)
{
    session_ = &session;
    defaults_ = std::make_unique<TaviDefaultsFile>(defaultsDirectory.toStdString());
    const link::ConnectionSettings& settings = session.link.settings;
    loadedUpdateServer_ = {QString::fromStdString(settings.updateServer),
                           static_cast<std::uint16_t>(settings.updatePort)};
    session.tavi.setConfirmUnchangedWrite([this] {
        return prompter().message(this, MessageKind::Warning, text(text_id::kSettingsNotChanged),
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    });
    loadDefaults();
}

// ------------------------------------------------------------ record

void CPageTavi::showRecord(const TaviOptions& record)
{
    TaviOptionsForm form = view_->form();
    showTaviOptions(record, capabilities_, form);
    view_->setForm(form);
    view_->applyEnables(capabilities_);
}

void CPageTavi::focusControl(QWidget* control)
{
    if (!control)
        return;
    emit focusNeeded();
    control->setFocus();
}

std::optional<TaviOptions> CPageTavi::storeControls()
{
    if (!session_)
        return std::nullopt;
    TaviOptions record = session_->tavi.record();
    const auto failure = storeTaviOptions(view_->form(), capabilities_, record);
    // The address fields stand between the account and the port.
    const auto badAddress = view_->invalidIpv4Field();
    if (badAddress && !(failure && failure->control == TaviControl::Account)) {
        prompter().message(this, MessageKind::Warning, text(text_id::kEnterIpv4Address));
        focusControl(view_->ipv4Edit(*badAddress));
        return std::nullopt;
    }
    if (failure) {
        prompter().message(this, MessageKind::Warning,
                           failure->number ? strings::format(failure->textId, *failure->number)
                                           : text(failure->textId));
        focusControl(view_->control(failure->control));
        return std::nullopt;
    }
    session_->tavi.setRecord(record);
    return record;
}

bool CPageTavi::storeIntoDocument()
{
    const auto record = storeControls();
    if (record)
        session_->doc.setTaviOptions(record->bytes);
    return record.has_value();
}

void CPageTavi::showFromDocument()
{
    if (!session_)
        return;
    const TaviOptions record = recordOf(session_->doc.taviOptions());
    session_->tavi.setRecord(record);
    showRecord(record);
}

void CPageTavi::loadDefaults()
{
    if (!session_ || !defaults_)
        return;
    const TaviOptions record = defaults_->load(session_->tavi.record());
    session_->tavi.setRecord(record);
    session_->tavi.setReference(TaviOptions::builtInDefaults());
    showRecord(record);
}

void CPageTavi::saveDefaults()
{
    if (!defaults_)
        return;
    const auto record = storeControls();
    if (!record)
        return;
    const auto saved = defaults_->save(*record);
    if (saved)
        return;
    QString message = text(saved.textId) + u'\n' + QString::fromStdString(defaults_->path().string());
    if (!saved.reason.empty())
        message += u'\n' + QString::fromStdString(saved.reason);
    prompter().message(this, MessageKind::Error, message);
}

// ------------------------------------------------------------ commands

void CPageTavi::readOptions()
{
    if (session_)
        session_->tavi.startReadOptions();
}

void CPageTavi::writeOptions()
{
    if (storeControls())
        session_->tavi.startWriteOptions();
}

void CPageTavi::togglePgm(int index)
{
    if (session_ && index >= 0)
        session_->tavi.startPgmToggle(static_cast<std::uint8_t>(index));
}

void CPageTavi::disconnect()
{
    if (session_)
        session_->tavi.startDisconnect();
}

void CPageTavi::openUpdateDialog()
{
    if (!session_)
        return;
    CUpdateDlg dialog({session_->tavi.firmware(), session_->link.settings, loadedUpdateServer_, currentVersion_,
                       firmwareSink_, [this] { return session_->link.connection.isOpen(); }},
                      this);
    updateDialog_ = &dialog;
    emit updateDialogOpened(&dialog);
    prompter().exec(dialog);
}

// ------------------------------------------------------------ notices

void CPageTavi::showResult(int textId, bool good)
{
    if (good)
        emit succeeded(textId);
    else
        prompter().message(this, MessageKind::Error, text(textId));
}

void CPageTavi::leaveOpenState()
{
    view_->setModelInfo({});
    if (updateDialog_)
        updateDialog_->refreshStart();
}

void CPageTavi::showModelInfo(const CommunicatorNotice& notice)
{
    const auto info = TaviModelInfo::parse(notice.bytes);
    if (!info || !session_)
        return;
    const bool bootLoader = session_->link.connection.bootLoaderMode();
    capabilities_ = info->capabilities();
    std::vector<std::string> values;
    for (const TaviInfoLine& line : taviAcceptReplyTexts(*info, bootLoader, static_cast<std::uint8_t>(notice.value),
                                                         session_->link.socket.peer().address))
        values.push_back(line.value);
    view_->setModelInfo(values);
    currentVersion_ = QString::fromStdString(firmwareCurrentVersionText(*info, bootLoader));
    TaviOptionsForm form = view_->form();
    showTaviModelInfo(*info, form);
    view_->setForm(form);
    view_->applyEnables(capabilities_);
    view_->setLiveState(info->state, info->rssi);
}

void CPageTavi::communicatorReport(const CommunicatorNotice& notice)
{
    const int value = static_cast<int>(notice.value);
    switch (notice.kind) {
    case Kind::OpeningStarted:
        emit statusText(text_id::kConnecting);
        view_->clearSignal();
        break;
    case Kind::OpenResult:
        if (value == link::result::kOpen) {
            emit statusText(text_id::kConnected);
            // The state poll runs while the connection is open; an opening
            // for the worker has started it already.
            if (session_ && session_->link.connection.isOpen())
                session_->tavi.connectionOpened();
            break;
        }
        emit statusText(text_id::kDisconnected);
        leaveOpenState();
        if (value != link::result::kCancelled)
            emit error(value);
        break;
    case Kind::ModelInfo:
        showModelInfo(notice);
        break;
    case Kind::ClosingStarted:
        emit statusText(text_id::kDisconnecting);
        break;
    case Kind::CloseResult:
        emit statusText(text_id::kDisconnected);
        leaveOpenState();
        // A connection lost to unanswered polls shows why in the pane (the
        // message box comes with the main window's notice).
        if (value == text_id::kTaviTimeout)
            emit statusText(text_id::kTaviTimeout);
        else if (value != link::result::kClosed)
            emit error(value);
        break;
    case Kind::LinkState:
        if (notice.bytes.size() >= 2)
            view_->setLiveState(notice.bytes[0], notice.bytes[1]);
        break;
    case Kind::OptionsResult:
        if (value == text_id::kDownloadingSuccessfully && notice.bytes.size() == tavi::kOptionsSize)
            showRecord(recordOf(notice.bytes));
        showResult(value, value == text_id::kDownloadingSuccessfully);
        break;
    case Kind::OptionsWriteResult:
        showResult(value, value == text_id::kUploadedSuccessfully);
        break;
    case Kind::PgmResult:
        if (value == 0 && notice.bytes.size() >= 2)
            view_->setPgmState(notice.bytes[0], notice.bytes[1] != 0);
        else if (value != 0)
            emit error(value);
        break;
    default:
        break;
    }
}

} // namespace qarvo::gui
