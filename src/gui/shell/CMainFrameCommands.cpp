// The main window's commands: documents, connections, settings, pages.
#include "gui/dialogs/CAboutDlg.h"
#include "gui/dialogs/CCallbackDlg.h"
#include "gui/dialogs/CConnectToDlg.h"
#include "gui/dialogs/CIpSettingsDlg.h"
#include "gui/dialogs/CLanguageDialog.h"
#include "gui/shell/CMainFrame.h"
#include "gui/dialogs/CNewPassDlg.h"
#include "gui/dialogs/CSitesDlg.h"
#include "gui/pages/CPageLog.h"
#include "gui/pages/CPageMaster.h"
#include "gui/pages/CPageOnline.h"
#include "gui/pages/CPageTavi.h"
#include "gui/shell/ProgramTexts.h"
#include "gui/shell/ShellTexts.h"
#include "session/WriteChanges.h"

#include "app/Strings.h"

#include <QAction>
#include <QFileInfo>

#include <cstdlib>
#include <filesystem>

namespace qarvo::gui {

void CMainFrame::connectCommands()
{
    const std::pair<Act, void (CMainFrame::*)()> handlers[] = {
        {Act::New, &CMainFrame::fileNew},
        {Act::Open, &CMainFrame::fileOpen},
        {Act::Save, &CMainFrame::fileSave},
        {Act::SaveAs, &CMainFrame::fileSaveAs},
        {Act::About, &CMainFrame::about},
        {Act::Sites, &CMainFrame::openSites},
        {Act::ConnectToPanel, &CMainFrame::connectToPanel},
        {Act::CallMe, &CMainFrame::callMe},
        {Act::WaitForCall, &CMainFrame::waitForCall},
        {Act::Abort, &CMainFrame::abortCommunication},
        {Act::ConnectToCommunicator, &CMainFrame::connectToCommunicator},
        {Act::CommunicatorCallMe, &CMainFrame::communicatorCallMe},
        {Act::ConnectionOptions, &CMainFrame::connectionOptions},
        {Act::ChangePasswords, &CMainFrame::changePasswords},
        {Act::SelectLanguage, &CMainFrame::selectLanguage},
    };
    for (const auto& [act, handler] : handlers)
        connect(actions_[act], &QAction::triggered, this, handler);
    connect(actions_[Act::Exit], &QAction::triggered, this, &QWidget::close);

    const std::pair<Act, int> operations[] = {
        {Act::ReadMaster, operations::kReadMaster},       {Act::WriteMaster, operations::kWriteMaster},
        {Act::ReadInstaller, operations::kReadInstaller}, {Act::WriteInstaller, operations::kWriteInstaller},
        {Act::ReadEventLog, operations::kReadEventLog},
    };
    for (const auto& [act, code] : operations)
        connect(actions_[act], &QAction::triggered, this, [this, code = code] {
            if (confirmPageWrite(code))
                startPageOperation(code);
        });

    const std::pair<Act, void (CPageTavi::*)()> taviCommands[] = {
        {Act::ReadTaviOptions, &CPageTavi::readOptions},
        {Act::WriteTaviOptions, &CPageTavi::writeOptions},
        {Act::FirmwareUpdate, &CPageTavi::openUpdateDialog},
    };
    for (const auto& [act, handler] : taviCommands)
        connect(actions_[act], &QAction::triggered, taviPage(), handler);

    for (int p = 0; p < app::kPageCount; ++p)
        connect(actions_[showPageAct(p)], &QAction::triggered, this, [this, p] { showPage(p); });
    connect(actions_[Act::NextPage], &QAction::triggered, this, [this] { showNeighbourPage(1); });
    connect(actions_[Act::PreviousPage], &QAction::triggered, this, [this] { showNeighbourPage(-1); });
}

// ------------------------------------------------------------ documents

void CMainFrame::fileNew()
{
    if (!saveModified())
        return;
    session_->doc.newDocument();
    documentPath_.clear();
    showImage();
    rememberPanelImage();
    onlinePage()->documentReplaced();
    logPage()->refreshFromDocument();
    updateTitle();
}

void CMainFrame::fileOpen()
{
    if (!saveModified())
        return;
    const QString path = prompter().openFileName(this, documentFilter());
    if (!path.isEmpty())
        openDocument(path);
}

bool CMainFrame::openDocument(const QString& path)
{
    const std::string error = session_->doc.open(path.toStdString());
    if (!error.empty()) {
        prompter().message(this, MessageKind::Error, QString::fromStdString(error));
        return false;
    }
    documentPath_ = path;
    rememberRecentFile(path);
    showImage();
    rememberPanelImage();
    onlinePage()->documentReplaced();
    logPage()->refreshFromDocument();
    taviPage()->showFromDocument();
    updateTitle();
    return true;
}

void CMainFrame::fileSave() { saveCurrent(); }

bool CMainFrame::saveCurrent()
{
    if (documentPath_.isEmpty())
        return saveAs();
    return saveDocument(documentPath_);
}

void CMainFrame::fileSaveAs() { saveAs(); }

void CMainFrame::openSites()
{
    if (!book_) {
        const char* named = std::getenv(sites::kBookVariable);
        const std::filesystem::path file = named && *named ? std::filesystem::path(named)
                                                           : std::filesystem::path(setup_.dataDirectory.toStdString()) /
                                                                 sites::kBookFileName;
        std::string why;
        book_ = sites::SiteBook::open(file, why);
        if (!book_) {
            prompter().message(this, MessageKind::Error,
                               strings::formatTexts(text_id::kSiteBookUnusable, {QString::fromStdString(why)}));
            return;
        }
    }
    CSitesDlg dialog(*book_, session_->link.settings, this);
    connect(&dialog, &CSitesDlg::connectRequested, this, [this](const sites::SiteConnection& site) {
        session_->link.settings = site.settings;
        startPanelSession(site.mode);
    });
    connect(&dialog, &CSitesDlg::openRequested, this, [this](const QString& document) {
        if (saveModified())
            openDocument(document);
    });
    prompter().exec(dialog);
}

bool CMainFrame::saveAs()
{
    const QString proposed = documentPath_.isEmpty()
        ? templateField(TemplateField::Untitled) + templateField(TemplateField::Extension)
        : documentPath_;
    QString path = prompter().saveFileName(this, documentFilter(), proposed);
    if (path.isEmpty())
        return false;
    const QString extension = templateField(TemplateField::Extension);
    if (!path.endsWith(extension, Qt::CaseInsensitive))
        path += extension;
    return saveDocument(path);
}

bool CMainFrame::saveDocument(const QString& path)
{
    if (!storeForms() || !taviPage()->storeIntoDocument())
        return false;
    const std::string error = session_->doc.save(path.toStdString());
    if (!error.empty()) {
        prompter().message(this, MessageKind::Error, QString::fromStdString(error));
        return false;
    }
    documentPath_ = path;
    rememberRecentFile(path);
    updateTitle();
    return true;
}

void CMainFrame::about()
{
    CAboutDlg dialog(versionTexts(), this);
    prompter().exec(dialog);
}

// ------------------------------------------------------------ connections

void CMainFrame::takeMasterIds()
{
    if (currentPage() != kMasterPage)
        return;
    if (const auto ids = masterPage()->idFields()) {
        session_->link.settings.panelId = ids->panelId;
        session_->link.settings.pcId = ids->pcId;
    }
}

void CMainFrame::writeMasterIds()
{
    const link::ConnectionSettings& s = session_->link.settings;
    masterPage()->setIdFields({s.effectivePanelId(), s.effectivePcId()});
}

template <class Dialog>
bool CMainFrame::askConnection()
{
    link::ConnectionSettings& s = session_->link.settings;
    if (session_->link.connection.isOpen() && s.useDefaultIds)
        return true;
    Dialog dialog(s, this);
    if (prompter().exec(dialog) != QDialog::Accepted)
        return false;
    dialog.applyTo(s);
    return true;
}

// A direct connection without a communicator address would send nothing
// and end as if the communicator never answered: it is refused up front.
bool CMainFrame::addressGiven(link::ConnectionMode mode)
{
    if (mode != link::ConnectionMode::Direct || session_->link.settings.communicatorAddress != link::kNoAddress)
        return true;
    showText(MessageKind::Warning, text_id::kEnterPanelAddress);
    return false;
}

void CMainFrame::startPanelSession(link::ConnectionMode mode)
{
    if (!addressGiven(mode))
        return;
    writeMasterIds();
    job_->startConnect(mode);
    refreshCommands();
}

void CMainFrame::connectToPanel()
{
    takeMasterIds();
    if (askConnection<CConnectToDlg>())
        startPanelSession(link::ConnectionMode::Direct);
}

void CMainFrame::connectToPanelNow() { startPanelSession(link::ConnectionMode::Direct); }

void CMainFrame::callMe()
{
    takeMasterIds();
    if (askConnection<CCallbackDlg>())
        startPanelSession(link::ConnectionMode::Callback);
}

void CMainFrame::waitForCall()
{
    demoCallsLater();
    if (currentPage() == kTaviPage) {
        openCommunicator(link::ConnectionMode::WaitForCall);
        return;
    }
    job_->startConnect(link::ConnectionMode::WaitForCall);
    refreshCommands();
}

void CMainFrame::demoCallsLater()
{
    if (setup_.demoCallProgram)
        setup_.demoCallProgram(session_->link.socket.localPort());
}

void CMainFrame::connectToCommunicator()
{
    CConnectToDlg dialog(session_->link.settings, this);
    if (prompter().exec(dialog) != QDialog::Accepted)
        return;
    dialog.applyTo(session_->link.settings);
    openCommunicator(link::ConnectionMode::Direct);
}

void CMainFrame::communicatorCallMe()
{
    if (!session_->link.connection.isOpen()) {
        CCallbackDlg dialog(session_->link.settings, this);
        if (prompter().exec(dialog) != QDialog::Accepted)
            return;
        dialog.applyTo(session_->link.settings);
    }
    openCommunicator(link::ConnectionMode::Callback);
}

void CMainFrame::openCommunicator(link::ConnectionMode mode)
{
    if (!addressGiven(mode))
        return;
    runLinkTask([this, mode] { session_->link.connection.open(mode, false); });
}

void CMainFrame::abortCommunication()
{
    // On the communicator page, or with no panel session running, the
    // communicator page disconnects; otherwise the panel session ends.
    if (currentPage() == kTaviPage || !session_->worker.running()) {
        taviPage()->disconnect();
        return;
    }
    runLinkTask([this] { job_->stop(); });
}

void CMainFrame::startPageOperation(int code)
{
    job_->startOperation(code);
    refreshCommands();
}

bool CMainFrame::confirmPageWrite(int code)
{
    const bool write = code == operations::kWriteMaster || code == operations::kWriteInstaller;
    if (!write || !settings_.asks(app::Confirmation::PageWrite))
        return true;
    if (!storeForms())
        return false;
    std::vector<const panel::SettingInfo*> changed;
    {
        const auto held = session_->doc.lock();
        changed = session::settingsChangedByWrite(session_->doc, *panelImage_, code);
    }
    QStringList names;
    for (const panel::SettingInfo* info : changed)
        names << QString::fromLatin1(info->name.data(), static_cast<qsizetype>(info->name.size()));
    const int shown = code == operations::kWriteMaster ? kMasterPage : kInstallerPage;
    const QString question =
        strings::formatTexts(text_id::kConfirmPageWrite, {page(shown)->name()}, {static_cast<long>(changed.size())});
    bool dontAskAgain = false;
    const bool yes = prompter().confirm(this, question, names.join(u'\n'), dontAskAgain);
    if (yes && dontAskAgain)
        settings_.setAsks(app::Confirmation::PageWrite, false);
    return yes;
}

void CMainFrame::rememberPanelImage()
{
    const auto held = session_->doc.lock();
    panelImage_ = std::make_unique<panel::PanelImage>(session_->doc.image());
}

void CMainFrame::runLinkTask(std::function<void()> task)
{
    std::erase_if(linkTasks_, [](const LinkTask& t) { return t.done->load(); });
    auto done = std::make_shared<std::atomic<bool>>(false);
    linkTasks_.push_back({done, std::jthread([task = std::move(task), done] {
                              task();
                              *done = true;
                          })});
}

// ------------------------------------------------------------ settings

void CMainFrame::connectionOptions()
{
    CIpSettingsDlg dialog(session_->link.settings, settingsFile(), this);
    if (prompter().exec(dialog) != QDialog::Accepted)
        return;
    dialog.applyTo(session_->link.settings);
    masterPage()->setIdFields(dialog.ids());
}

void CMainFrame::changePasswords()
{
    CNewPassDlg dialog(settings_.passwords(), currentPage(), this);
    if (prompter().exec(dialog) == QDialog::Accepted)
        settings_.setPasswords(dialog.passwords());
}

void CMainFrame::selectLanguage()
{
    CLanguageDialog dialog(app::availableLanguages(setup_.sharedOrOwn()), language_.code(), this);
    if (prompter().exec(dialog) != QDialog::Accepted)
        return;
    const QString code = dialog.selectedCode();
    settings_.setLanguage(code);
    if (code != language_.code())
        showText(MessageKind::Information, text_id::kRestartToApplyLanguage);
}

} // namespace qarvo::gui
