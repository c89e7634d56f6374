#pragma once
// The main window: the frame around the settings document and its five
// pages. It owns the panel session (link, document, worker), carries the
// menus, the command and page toolbars and the status bar, turns the
// notices of core into what the user sees, and refuses to close while a
// connection is up.
#include "app/Languages.h"
#include "session/PanelJob.h"
#include "app/UserSettings.h"
#include "gui/shell/GuiSink.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/ShellActions.h"
#include "sites/SiteBook.h"

#include <QMainWindow>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class QMenu;
class QStackedWidget;
class QToolBar;

namespace qarvo::gui {

class CommandToolBar;
class CPage;
class CPageInst;
class CPageLog;
class CPageMaster;
class CPageOnline;
class CPageTavi;
class CReportDlg;
class CProgressDlg;
class StatusPanes;

enum PageIndex : int { kOnlinePage = 0, kMasterPage = 1, kInstallerPage = 2, kEventLogPage = 3, kTaviPage = 4 };

struct FrameSetup {
    // The folder of the per-user files (PanelRPS.cfg, the user's Tavi.def).
    QString programDirectory;
    Timing timing{};
    // Set in demo mode: points the connection settings at the embedded
    // simulator (a missing settings file is then no reason for a warning).
    std::function<void(link::ConnectionSettings&)> demoSettings;
    // Set in demo mode: the embedded communicator calls this port soon.
    std::function<void(std::uint16_t port)> demoCallProgram;
    // Folders of the shipped files (Tavi.def, language packs) in search
    // order; empty: the folder of the per-user files.
    QStringList sharedDirectories;
    // The per-user data folder: a page write first keeps a backup of the
    // panel's pages under its backups/ folder. Empty: no backup.
    QString dataDirectory;
    QStringList sharedOrOwn() const { return sharedDirectories.isEmpty() ? QStringList{programDirectory} : sharedDirectories; }
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(FrameSetup setup, app::UserSettings& settings, const app::CurrentLanguage& language,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    session::PanelSession& session() { return *session_; }
    const ShellActions& actions() const { return actions_; }
    QAction* action(Act act) const { return actions_[act]; }
    CommandToolBar* commandToolBar() const { return toolBar_; }
    QToolBar* pageToolBar() const { return pageBar_; }
    StatusPanes& panes() const { return *panes_; }
    CPage* page(int index) const { return pages_[static_cast<std::size_t>(index)]; }
    CPageMaster* masterPage() const;
    CPageInst* installerPage() const;
    CPageOnline* onlinePage() const;
    CPageLog* logPage() const;
    CPageTavi* taviPage() const;
    CProgressDlg* progressDialog() const { return progress_; }
    int currentPage() const;
    QString settingsFile() const;
    QString documentPath() const { return documentPath_; }

    // Shows the page without a password check and reconfigures the toolbar.
    void setCurrentPage(int page);
    // The page switch command: the page's password check, then the switch.
    bool showPage(int page);
    // A control on a page that is not shown takes the focus (a page's
    // check failed there): the page is shown unless its password forbids.
    bool revealForFocus(int page);

    bool openDocument(const QString& path);
    bool saveDocument(const QString& path);
    // Connects to the panel in direct mode without asking (the demo's start).
    void connectToPanelNow();
    // The digital communicator settings, modal over the installer page; a
    // refused value of theirs opens them with the focus on it.
    void openReportDialog(std::optional<panel::FormPlace> focus = std::nullopt);

    void applyPlacement(const app::WindowPlacement& placement);
    app::WindowPlacement currentPlacement() const;
    // Shows the window as it was left (size, place, maximised), or on a
    // first start centred at the first-start size.
    void showRestored();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void acceptClose(QCloseEvent* event);

private:
    void createMenus();
    void createPageToolBar();
    void createPages();
    void connectCommands();
    void attachLogPage();
    void readConnectionSettings(link::ConnectionSettings& settings);
    void startSession(link::ConnectionSettings settings);

    // Notices from core, on the main thread.
    void handleNotice(const Notice& notice);
    void onMessage(const MessageNotice& notice);
    void onReport(const ReportNotice& notice);
    void onProgress(const ProgressNotice& notice);
    void showImage();
    void pageTransferDone();
    // A text in the status bar for a while: what went well, no box to close.
    void showPassing(int textId);
    // Forms to image before a save; false (after the message and the focus
    // on the refused value) stops the save.
    bool storeForms();
    void refuseForms(const panel::FormError& error);
    void showImageSoon();
    void refreshCommands();
    void updateStopHint();
    bool connectionUp() const;
    // Ends the panel link, then the communicator connection, and closes.
    void disconnectAndClose();
    CProgressDlg& progress();

    // Commands.
    void fileNew();
    void fileOpen();
    void fileSave();
    void fileSaveAs();
    // Save, or Save As for a new document; true when the document was saved.
    bool saveCurrent();
    bool saveAs();
    void about();
    // The site book's window; the book opens on first use.
    void openSites();
    void connectToPanel();
    void callMe();
    void waitForCall();
    void abortCommunication();
    void connectToCommunicator();
    void communicatorCallMe();
    void connectionOptions();
    void changePasswords();
    void selectLanguage();
    void startPageOperation(int code);
    // The question before a page write: the page and how many settings it
    // changes on the panel (skipped once answered "Don't ask again"); false
    // keeps the panel as it is.
    bool confirmPageWrite(int code);
    void rememberPanelImage();
    // The question before arming with open zones (skipped once answered
    // "Don't ask again").
    bool confirmArming(const std::vector<int>& openZones);
    void startPanelSession(link::ConnectionMode mode);
    // The connection dialog before a panel or communicator connection;
    // false when it was cancelled.
    template <class Dialog>
    bool askConnection();
    void openCommunicator(link::ConnectionMode mode);
    bool addressGiven(link::ConnectionMode mode);
    void demoCallsLater();
    bool checkPagePassword(int page);
    void takeMasterIds();
    void writeMasterIds();
    // Runs a blocking link exchange off the main thread.
    void runLinkTask(std::function<void()> task);

    void updateTitle();
    // Before the document is closed or replaced: unsaved edits are saved,
    // discarded or kept as the user answers; false keeps the document.
    bool saveModified();
    void rememberRecentFile(const QString& path);
    void rebuildRecentFiles();
    void syncPageButtons();
    void assignPageKeys();
    // Ctrl+Tab, Ctrl+Shift+Tab: the next or the previous page, round.
    void showNeighbourPage(int step);
    void showText(MessageKind kind, int textId);
    // Where the backup before a page write went, or why none was kept.
    void showBackup(const BackupNotice& outcome);
    // A page write that began after its backup and then stopped short
    // (Stop, time-out, lost connection, refusal) may have left the panel
    // partly written: says so once, with the backup that puts it back.
    void checkUnfinishedWrite();

    FrameSetup setup_;
    app::UserSettings& settings_;
    const app::CurrentLanguage& language_;
    GuiSink sink_; // outlives the session, whose threads post to it
    // The window's panel job, which lives as long as the window, and its session.
    std::unique_ptr<session::PanelJob> job_;
    session::PanelSession* session_ = nullptr;
    std::unique_ptr<sites::SiteBook> book_;
    ShellActions actions_;
    CommandToolBar* toolBar_ = nullptr;
    QToolBar* pageBar_ = nullptr;
    StatusPanes* panes_ = nullptr;
    QStackedWidget* sheet_ = nullptr;
    std::array<CPage*, app::kPageCount> pages_{};
    CProgressDlg* progress_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentEnd_ = nullptr;
    QList<QAction*> recentActions_;
    QString documentPath_;
    CReportDlg* reportDialog_ = nullptr; // while it is open
    bool imagePending_ = false;
    // The backup of a page write under way; cleared when the write ends.
    std::optional<QString> writeBackup_;
    int startedOperation_ = 0; // the operation the worker last started
    bool exitAfterDisconnect_ = false; // "Disconnect and exit" was chosen
    // What the panel was last known to hold (read, written, or the document
    // as opened): a page write counts the settings it changes against it.
    std::unique_ptr<panel::PanelImage> panelImage_;

    struct LinkTask {
        std::shared_ptr<std::atomic<bool>> done;
        std::jthread thread;
    };
    std::vector<LinkTask> linkTasks_; // joined before the session goes
};

} // namespace qarvo::gui
