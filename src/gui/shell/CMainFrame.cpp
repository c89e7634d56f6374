#include "gui/shell/CMainFrame.h"

#include "app/Passwords.h"
#include "app/Strings.h"
#include "gui/shell/CommandToolBar.h"
#include "gui/pages/CPageInst.h"
#include "gui/pages/CPageLog.h"
#include "gui/pages/CPageMaster.h"
#include "gui/pages/CPageOnline.h"
#include "gui/pages/CPageTavi.h"
#include "gui/dialogs/CTabPassDlg.h"
#include "gui/dialogs/CProgressDlg.h"
#include "gui/dialogs/CReportDlg.h"
#include "gui/shell/ProgramTexts.h"
#include "gui/shell/ShellTexts.h"
#include "gui/shell/StatusPanes.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>

#include <utility>

namespace qarvo::gui {
namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// One menu: its title and its entries in order (Act::Count: a separator).
struct MenuRow {
    int titleId;
    std::initializer_list<Act> entries;
};

constexpr Act kSeparator = Act::Count;

} // namespace

CMainFrame::CMainFrame(FrameSetup setup, app::UserSettings& settings, const app::CurrentLanguage& language,
                       QWidget* parent)
    : QMainWindow(parent),
      setup_(std::move(setup)),
      settings_(settings),
      language_(language),
      sink_([this](const Notice& notice) { handleNotice(notice); }),
      actions_(this)
{
    setObjectName(QStringLiteral("mainFrame"));
    createMenus();
    toolBar_ = new CommandToolBar(actions_, this);
    addToolBar(toolBar_);
    createPageToolBar();
    panes_ = new StatusPanes(*statusBar());
    createPages();

    link::ConnectionSettings connection;
    readConnectionSettings(connection);
    startSession(std::move(connection));
    onlinePage()->bind(*job_);
    onlinePage()->confirmArming = [this](const std::vector<int>& zones) { return confirmArming(zones); };
    taviPage()->attach(*session_, setup_.programDirectory);
    masterPage()->bind(*session_);
    installerPage()->bind(*session_);
    connect(installerPage(), &CPageInst::reportDialogRequested, this, [this] { openReportDialog(); });
    showImage();
    rememberPanelImage();
    connectCommands();
    attachLogPage();
    updateTitle();
    setCurrentPage(kOnlinePage);
}

CMainFrame::~CMainFrame()
{
    // A wait for the communicator's call would hold its task for minutes.
    if (session_ && session_->link.connection.waitingForCall())
        session_->link.connection.cancelWait();
    linkTasks_.clear();
    session_ = nullptr;
    job_.reset();
}

void CMainFrame::createMenus()
{
    const MenuRow menus[] = {
        {text_id::kMenuFile,
         {Act::New, Act::Open, Act::Save, Act::SaveAs, kSeparator, Act::Sites, kSeparator, Act::Print, Act::PrintPreview, Act::PrintSetup,
          kSeparator, kSeparator, Act::Exit}},
        {text_id::kMenuView,
         {Act::ShowOnline, Act::ShowMaster, Act::ShowInstaller, Act::ShowEventLog, Act::ShowTavi, kSeparator,
          Act::NextPage, Act::PreviousPage}},
        {text_id::kMenuCommunication,
         {Act::ConnectToPanel, Act::CallMe, Act::WaitForCall, Act::Abort, kSeparator, Act::ConnectToCommunicator,
          Act::CommunicatorCallMe}},
        {text_id::kMenuPanel,
         {Act::ReadMaster, Act::WriteMaster, kSeparator, Act::ReadInstaller, Act::WriteInstaller, kSeparator,
          Act::ReadEventLog, kSeparator, Act::ReadTaviOptions, Act::WriteTaviOptions, Act::FirmwareUpdate}},
        {text_id::kMenuSettings, {Act::ConnectionOptions, Act::ChangePasswords, Act::SelectLanguage}},
        {text_id::kMenuHelp, {Act::About}},
    };
    for (const MenuRow& row : menus) {
        QMenu* menu = menuBar()->addMenu(text(row.titleId));
        menu->setObjectName(QStringLiteral("menu%1").arg(row.titleId));
        QAction* lastSeparator = nullptr;
        for (Act act : row.entries)
            if (act == kSeparator)
                lastSeparator = menu->addSeparator();
            else
                menu->addAction(actions_[act]);
        if (row.titleId == text_id::kMenuFile) {
            fileMenu_ = menu;
            recentEnd_ = lastSeparator; // the recent documents stand before it
        }
    }
    rebuildRecentFiles();
}

void CMainFrame::createPageToolBar()
{
    pageBar_ = new QToolBar(this);
    pageBar_->setObjectName(QStringLiteral("pageToolBar"));
    pageBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (int page = 0; page < app::kPageCount; ++page) {
        QAction* a = actions_[showPageAct(page)];
        a->setCheckable(true);
        pageBar_->addAction(a);
        // Tab reaches the page buttons; Space shows the page.
        pageBar_->widgetForAction(a)->setFocusPolicy(Qt::TabFocus);
    }
    // Toolbars give way to a narrow window: their buttons move into the
    // overflow menu instead of holding the window's width.
    pageBar_->setMinimumWidth(1);
    addToolBarBreak();
    addToolBar(pageBar_);
}

void CMainFrame::createPages()
{
    sheet_ = new QStackedWidget(this);
    sheet_->setObjectName(QStringLiteral("propertySheet"));
    pages_ = {new CPageOnline, new CPageMaster, new CPageInst, new CPageLog, new CPageTavi};
    for (CPage* p : pages_) {
        sheet_->addWidget(p);
        connect(p, &CPage::edited, this, &CMainFrame::updateTitle);
    }
    setCentralWidget(sheet_);
    connect(taviPage(), &CPageTavi::statusText, this,
            [this](int textId) { panes_->setConnectionStatus(kCommunicatorPane, textId); });
    connect(taviPage(), &CPageTavi::error, this, [this](int textId) { showText(MessageKind::Error, textId); });
    connect(taviPage(), &CPageTavi::focusNeeded, this, [this] { revealForFocus(kTaviPage); });
    connect(taviPage(), &CPageTavi::succeeded, this, [this](int textId) { showPassing(textId); });
}

QString CMainFrame::settingsFile() const
{
    return QDir(setup_.programDirectory).filePath(QString::fromLatin1(link::kSettingsFileName));
}

void CMainFrame::readConnectionSettings(link::ConnectionSettings& settings)
{
    std::vector<int> refusedLines;
    const auto loaded = link::loadSettings(settingsFile().toStdString(), settings, &refusedLines);
    if (setup_.demoSettings) {
        setup_.demoSettings(settings);
        return;
    }
    // A first run has no file yet: no warning.
    if (loaded == link::SettingsLoad::Missing && QFileInfo::exists(settingsFile()))
        showText(MessageKind::Warning, text_id::kConfigMissing);
    for (int line : refusedLines)
        prompter().message(this, MessageKind::Warning, strings::format(text_id::kConfigValueRefused, line));
}

void CMainFrame::startSession(link::ConnectionSettings settings)
{
    job_ = std::make_unique<session::PanelJob>(
        sink_, session::JobSettings{.connection = std::move(settings), .timing = setup_.timing, .keepNotices = false});
    session_ = &job_->panel();
    if (!setup_.dataDirectory.isEmpty())
        session_->backupFolder = setup_.dataDirectory.toStdString();
    std::string error;
    if (!session_->start(&error))
        prompter().message(this, MessageKind::Error,
                           text(text_id::kSocketCannotBeInitialized) + u'\n' + QString::fromStdString(error));
    refreshCommands();
}

CPageMaster* CMainFrame::masterPage() const { return static_cast<CPageMaster*>(page(kMasterPage)); }
CPageInst* CMainFrame::installerPage() const { return static_cast<CPageInst*>(page(kInstallerPage)); }
CPageOnline* CMainFrame::onlinePage() const { return static_cast<CPageOnline*>(page(kOnlinePage)); }
CPageLog* CMainFrame::logPage() const { return static_cast<CPageLog*>(page(kEventLogPage)); }

// The event log page views the session's document and prints for the frame.
void CMainFrame::attachLogPage()
{
    logPage()->attach(*session_, [this] {
        return documentPath_.isEmpty() ? templateField(TemplateField::Untitled) : documentPath_;
    });
    connect(actions_[Act::Print], &QAction::triggered, logPage(), &CPageLog::print);
    connect(actions_[Act::PrintPreview], &QAction::triggered, logPage(), &CPageLog::printPreview);
    connect(actions_[Act::PrintSetup], &QAction::triggered, logPage(), &CPageLog::printSetup);
}

CPageTavi* CMainFrame::taviPage() const { return static_cast<CPageTavi*>(page(kTaviPage)); }

int CMainFrame::currentPage() const { return sheet_->currentIndex(); }

void CMainFrame::setCurrentPage(int page)
{
    sheet_->setCurrentIndex(page);
    toolBar_->configure(page);
    syncPageButtons();
    assignPageKeys();
}

// F5 reads the page shown and Ctrl+Shift+U writes it: the keys go to that
// page's own commands, whose menu entries then name them.
void CMainFrame::assignPageKeys()
{
    struct PageKeys {
        int page;
        Act read;
        std::optional<Act> write;
    };
    static constexpr PageKeys kPageKeys[] = {
        {kMasterPage, Act::ReadMaster, Act::WriteMaster},
        {kInstallerPage, Act::ReadInstaller, Act::WriteInstaller},
        {kEventLogPage, Act::ReadEventLog, std::nullopt},
        {kTaviPage, Act::ReadTaviOptions, Act::WriteTaviOptions},
    };
    const QKeySequence readKey(Qt::Key_F5);
    const QKeySequence writeKey(Qt::CTRL | Qt::SHIFT | Qt::Key_U);
    for (const PageKeys& keys : kPageKeys) {
        const bool shown = keys.page == currentPage();
        QList<QKeySequence> readKeys = actions_[keys.read]->shortcuts();
        readKeys.removeAll(readKey);
        if (shown)
            readKeys.prepend(readKey);
        actions_[keys.read]->setShortcuts(readKeys);
        if (keys.write)
            actions_[*keys.write]->setShortcut(shown ? writeKey : QKeySequence());
    }
}

void CMainFrame::showNeighbourPage(int step)
{
    const int next = (currentPage() + step + app::kPageCount) % app::kPageCount;
    showPage(next);
}

void CMainFrame::syncPageButtons()
{
    for (int p = 0; p < app::kPageCount; ++p)
        actions_[showPageAct(p)]->setChecked(p == currentPage());
}

bool CMainFrame::showPage(int page)
{
    const bool allowed = checkPagePassword(page);
    if (allowed && page != currentPage())
        setCurrentPage(page);
    syncPageButtons();
    return allowed;
}

bool CMainFrame::checkPagePassword(int page)
{
    using namespace app::passwords;
    const QString stored = settings_.password(page);
    if (stored.isEmpty())
        return true;
    CTabPassDlg dialog(this->page(page)->name(), this);
    if (prompter().exec(dialog) != QDialog::Accepted)
        return false;
    const Check check = checkEntry(stored, dialog.password());
    if (check == Check::Accepted)
        return true;
    showText(MessageKind::Warning, messageFor(check));
    return false;
}

bool CMainFrame::revealForFocus(int page)
{
    if (page == currentPage())
        return true;
    if (const auto refusal = app::passwords::hiddenFocusRefusal(page, settings_.passwords())) {
        showText(MessageKind::Warning, *refusal);
        return false;
    }
    setCurrentPage(page);
    return true;
}

bool CMainFrame::storeForms()
{
    const auto error = session_->storeForms();
    if (error)
        refuseForms(*error);
    return !error;
}

void CMainFrame::refuseForms(const panel::FormError& error)
{
    onMessage(MessageNotice{error.textId, error.number ? std::optional<long>(*error.number) : std::nullopt});
    if (CReportDlg::holdsControl(error.control)) {
        if (revealForFocus(kInstallerPage))
            openReportDialog(panel::FormPlace{error.control, error.row, error.column});
        return;
    }
    // A value both pages show is focused where the user edits it now.
    const panel::FormError placed = currentPage() == kInstallerPage ? panel::onInstallerPage(error) : error;
    for (int index = 0; index < app::kPageCount; ++index) {
        if (page(index)->holdsControl(placed.control)) {
            if (revealForFocus(index))
                page(index)->focusPlace({placed.control, placed.row, placed.column});
            return;
        }
    }
}

bool CMainFrame::confirmArming(const std::vector<int>& openZones)
{
    if (!settings_.asks(app::Confirmation::ArmingWithOpenZones))
        return true;
    QStringList zones;
    for (int zone : openZones)
        zones << onlinePage()->model().zoneLabel(zone);
    bool dontAskAgain = false;
    const bool yes = prompter().confirm(
        this, strings::formatTexts(text_id::kConfirmArmingOpenZones, {zones.join(QStringLiteral(", "))}), {},
        dontAskAgain);
    if (yes && dontAskAgain)
        settings_.setAsks(app::Confirmation::ArmingWithOpenZones, false);
    return yes;
}

void CMainFrame::showText(MessageKind kind, int textId) { prompter().message(this, kind, text(textId)); }

void CMainFrame::showBackup(const BackupNotice& outcome)
{
    const QString file = QDir::toNativeSeparators(QString::fromStdString(outcome.file.string()));
    if (outcome.kept()) {
        writeBackup_ = file;
        statusBar()->showMessage(strings::formatTexts(text_id::kBackupKept, {file}));
    } else if (outcome.upToDate)
        statusBar()->showMessage(text(text_id::kAlreadyUpToDate));
    else
        prompter().message(this, MessageKind::Error,
                           strings::formatTexts(text_id::kBackupNotKept, {QString::fromStdString(outcome.failure)}));
}

void CMainFrame::checkUnfinishedWrite()
{
    const operations::OperationWorker& worker = session_->worker;
    const bool writing = worker.running() && worker.operationActive() &&
                         (worker.currentCode() == operations::kWriteInstaller ||
                          worker.currentCode() == operations::kWriteMaster);
    if (!writeBackup_ || writing)
        return;
    const QString file = *std::exchange(writeBackup_, std::nullopt);
    prompter().message(this, MessageKind::Warning, strings::formatTexts(text_id::kPartlyWritten, {file, file}));
}

// ------------------------------------------------------------ notices

void CMainFrame::handleNotice(const Notice& notice)
{
    std::visit(Overloaded{
                   [this](const MessageNotice& n) { onMessage(n); },
                   [this](const ReportNotice& n) { onReport(n); },
                   [this](const ProgressNotice& n) { onProgress(n); },
                   [this](const ImageChangedNotice&) {
                       writeBackup_.reset(); // the write, if one ran, reached its end
                       showImage();
                       rememberPanelImage(); // a page read or write ended: the panel holds this
                       pageTransferDone();
                   },
                   [this](const RefreshNotice&) {
                       refreshCommands();
                       checkUnfinishedWrite();
                   },
                   [this](const StatusNotice& n) { panes_->setConnectionStatus(kPanelPane, n.textId, n.number); },
                   [this](const CommunicatorNotice& n) { taviPage()->communicatorReport(n); },
                   [](const JobNotice&) {}, // the window shows its connection from the status notices
                   [this](const FormRefusedNotice& n) { refuseForms(n.error); },
                   [this](const BackupNotice& n) { showBackup(n); },
                   [this](const EventLogNotice& n) { logPage()->readingChanged(n); },
                   [](const EventRecordNotice&) {}, // the log page shows the lines, not the records
               },
               notice);
    updateStopHint();
}

// A page read or write that went well says so in passing, as the
// communicator's option exchanges do.
void CMainFrame::pageTransferDone()
{
    const int done = std::exchange(startedOperation_, 0);
    if (done == operations::kReadMaster || done == operations::kReadInstaller)
        showPassing(text_id::kDownloadingSuccessfully);
    else if (done == operations::kWriteMaster || done == operations::kWriteInstaller)
        showPassing(text_id::kUploadedSuccessfully);
}

void CMainFrame::showPassing(int textId)
{
    constexpr int kShownMs = 8000;
    statusBar()->showMessage(text(textId), kShownMs);
}

void CMainFrame::onMessage(const MessageNotice& notice)
{
    // "Still connected, click Stop again" repeats what the status bar and
    // its Stop hint say; once the communicator is closed it is not even true.
    if (notice.textId == text_id::kTaviStillConnected) {
        if (session_->link.connection.isOpen())
            showPassing(notice.textId);
        return;
    }
    const QString message = notice.number ? strings::format(notice.textId, *notice.number) : text(notice.textId);
    prompter().message(this, MessageKind::Information, message);
}

void CMainFrame::onReport(const ReportNotice& notice)
{
    switch (notice.kind) {
    case report_kind::kWorkerEnded:
        for (CPage* p : pages_)
            p->workerEnded();
        checkUnfinishedWrite();
        break;
    case report_kind::kOperationStarting:
        startedOperation_ = static_cast<int>(notice.value);
        for (CPage* p : pages_)
            p->operationStarting(startedOperation_);
        break;
    default:
        page(kOnlinePage)->report(notice);
        break;
    }
}

CProgressDlg& CMainFrame::progress()
{
    if (!progress_)
        progress_ = new CProgressDlg([this] { job_->cancelStep(); }, this);
    return *progress_;
}

void CMainFrame::onProgress(const ProgressNotice& notice)
{
    enum SubCode { kShow = 0, kPrepare = 1, kStep = 2, kClose = 3, kShowFormatted = 4 };
    switch (notice.subCode) {
    case kShow:
        progress().showCaption(text(notice.textId));
        break;
    case kShowFormatted:
        progress().showCaption(!notice.textId ? QString()
                               : notice.number ? strings::format(notice.textId, *notice.number)
                                               : text(notice.textId));
        break;
    case kPrepare:
        progress().prepare();
        break;
    case kStep:
        progress().step(static_cast<int>(notice.value));
        showImageSoon();
        break;
    case kClose:
        if (progress_)
            progress_->finish();
        break;
    default:
        break;
    }
}

void CMainFrame::showImage()
{
    // A running transfer commits into the image under the same lock.
    const auto held = session_->doc.lock();
    session_->refreshForms();
    for (CPage* p : pages_)
        p->showImage();
    if (reportDialog_)
        reportDialog_->showForm();
    updateTitle();
}

void CMainFrame::openReportDialog(std::optional<panel::FormPlace> focus)
{
    CReportDlg dialog(*session_, page(kInstallerPage));
    if (focus)
        dialog.focusPlace(*focus);
    reportDialog_ = &dialog;
    prompter().exec(dialog);
    reportDialog_ = nullptr;
    updateTitle();
}

void CMainFrame::showImageSoon()
{
    // Progress steps come in bursts: the pages show the image once per burst.
    if (imagePending_)
        return;
    imagePending_ = true;
    QTimer::singleShot(0, this, [this] {
        imagePending_ = false;
        showImage();
    });
}

void CMainFrame::refreshCommands()
{
    actions_.refresh(session_->link.commands, session_->worker.running());
    // The buttons follow their commands; which buttons show changes only
    // with the page.
    toolBar_->sync();
    // An operation that ended may have changed the document (an event log read).
    updateTitle();
    updateStopHint();
}

void CMainFrame::updateStopHint()
{
    panes_->setStopHint(stopHintFor(session_->worker.panelLinkUp(), session_->link.connection.isOpen()));
}

// ------------------------------------------------------------ window

void CMainFrame::applyPlacement(const app::WindowPlacement& placement)
{
    move(placement.left, placement.top);
    resize(placement.width, placement.height);
}

// A maximised window keeps the size it had before: that one comes back
// when the window is restored after the next start.
app::WindowPlacement CMainFrame::currentPlacement() const
{
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : QRect(pos(), size());
    return {normal.x(), normal.y(), normal.width(), normal.height()};
}

void CMainFrame::showRestored()
{
    if (!settings_.placementStored()) {
        const QScreen* shown = screen();
        const QRect area = shown ? shown->availableGeometry() : QRect(0, 0, app::kFirstStartWidth, app::kFirstStartHeight);
        QRect frame(QPoint(), app::firstStartSize(area.size()));
        frame.moveCenter(area.center());
        resize(frame.size());
        move(frame.topLeft());
    } else {
        applyPlacement(settings_.placement());
    }
    if (settings_.maximised())
        showMaximized();
    else
        show();
}

bool CMainFrame::connectionUp() const
{
    return session_->worker.panelLinkUp() || session_->link.connection.isOpen();
}

// Closing while connected: the refusal, with the offer to end both links
// first. Declining leaves the refusal as the answer.
// Taken, the document's own question comes first and only once; the window
// closes when both links have ended.
void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (exitAfterDisconnect_) {
        if (connectionUp()) {
            event->ignore();
            return;
        }
        acceptClose(event);
        return;
    }
    if (connectionUp()) {
        event->ignore();
        if (prompter().offer(this, MessageKind::Question, text(text_id::kCloseConnectionBeforeExit),
                             text(text_id::kDisconnectAndExit)) &&
            saveModified()) {
            exitAfterDisconnect_ = true;
            disconnectAndClose();
        }
        return;
    }
    if (!saveModified()) {
        event->ignore();
        return;
    }
    acceptClose(event);
}

void CMainFrame::acceptClose(QCloseEvent* event)
{
    settings_.setPlacement(currentPlacement());
    settings_.setMaximised(isMaximized());
    settings_.sync();
    event->accept();
}

void CMainFrame::disconnectAndClose()
{
    runLinkTask([this] {
        job_->disconnect();
        QMetaObject::invokeMethod(this, [this] {
            updateStopHint();
            if (connectionUp())
                exitAfterDisconnect_ = false; // a link stayed up: the window stays, and says so next time
            else
                close();
        }, Qt::QueuedConnection);
    });
}

void CMainFrame::updateTitle()
{
    const QString name = documentPath_.isEmpty() ? templateField(TemplateField::Untitled)
                                                 : QFileInfo(documentPath_).fileName();
    const QString modified = session_ && session_->modified() ? QStringLiteral("*") : QString();
    setWindowTitle(name + modified + QStringLiteral(" - ") + applicationTitle());
}

bool CMainFrame::saveModified()
{
    if (!session_->modified())
        return true;
    const QString name = documentPath_.isEmpty() ? templateField(TemplateField::Untitled)
                                                 : QFileInfo(documentPath_).fileName();
    const auto answer = prompter().message(this, MessageKind::Question,
                                           strings::formatTexts(text_id::kSaveChanges, {name}),
                                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return saveCurrent();
    return answer == QMessageBox::No;
}

void CMainFrame::rememberRecentFile(const QString& path)
{
    settings_.setRecentFiles(app::withRecentFile(settings_.recentFiles(), QFileInfo(path).absoluteFilePath()));
    rebuildRecentFiles();
}

void CMainFrame::rebuildRecentFiles()
{
    qDeleteAll(recentActions_);
    recentActions_.clear();
    const QStringList files = settings_.recentFiles();
    if (files.isEmpty()) {
        auto* none = new QAction(text(shell_text::kMenuRecentFile), fileMenu_);
        none->setEnabled(false);
        recentActions_ << none;
    }
    for (int i = 0; i < files.size(); ++i) {
        auto* entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]), fileMenu_);
        const QString path = files[i];
        connect(entry, &QAction::triggered, this, [this, path] {
            if (saveModified())
                openDocument(path);
        });
        recentActions_ << entry;
    }
    fileMenu_->insertActions(recentEnd_, recentActions_);
}

} // namespace qarvo::gui
