#pragma once
// The communicator ("Tavi") page: the communicator's model information and
// live state, and its options record shown in the page's controls. The
// page reads and writes the record through the session's communicator
// tasks, toggles the communicator's PGMs, loads and saves the defaults
// file, hands the record to the settings document, opens the firmware
// update dialog, and shows the connection's state in its status pane and
// its failures in error boxes.
#include "communicator/TaviDefaultsFile.h"
#include "communicator/TaviModelInfo.h"
#include "gui/pages/CPage.h"
#include "gui/dialogs/CUpdateDlg.h"
#include "gui/shell/GuiSink.h"

#include <QPointer>

#include <memory>
#include <optional>

class QPushButton;

namespace qarvo::session {
class PanelSession;
}

namespace qarvo::gui {

class TaviOptionsView;

class CPageTavi : public CPage {
    Q_OBJECT
public:
    explicit CPageTavi(QWidget* parent = nullptr);
    ~CPageTavi() override;

    // Binds the page to the session's communicator side and loads the
    // defaults file of the directory into the record.
    void attach(session::PanelSession& session, const QString& defaultsDirectory);

    void communicatorReport(const CommunicatorNotice& notice);

    // The page's commands.
    void readOptions();
    void writeOptions();
    void togglePgm(int index);
    void disconnect();
    void loadDefaults();
    void saveDefaults();
    void openUpdateDialog();

    // The settings document's record: the controls stored into it (false,
    // with the message and the focus on the field, when one is refused),
    // and the document's record shown.
    bool storeIntoDocument();
    void showFromDocument();

    TaviOptionsView& view() const { return *view_; }
    const TaviCapabilities& capabilities() const { return capabilities_; }
    CUpdateDlg* updateDialog() const { return updateDialog_; }
    QPushButton* loadDefaultsButton() const { return loadDefaults_; }
    QPushButton* saveDefaultsButton() const { return saveDefaults_; }

signals:
    // The communicator status pane shows this text.
    void statusText(int textId);
    // An error box with this text.
    void error(int textId);
    // An exchange of the options went well (the text says so): shown in
    // passing, as a page read or write is.
    void succeeded(int textId);
    // The update dialog was created (it runs modal from here on).
    void updateDialogOpened(CUpdateDlg* dialog);
    // A control of the page is about to take the focus: the page is to be shown.
    void focusNeeded();

private:
    // Controls to record; the record stored, or nullopt after the message.
    std::optional<TaviOptions> storeControls();
    void showRecord(const TaviOptions& record);
    void showModelInfo(const CommunicatorNotice& notice);
    void leaveOpenState();
    void showResult(int textId, bool good);
    void focusControl(QWidget* control);

    session::PanelSession* session_ = nullptr;
    std::unique_ptr<TaviDefaultsFile> defaults_;
    TaviOptionsView* view_;
    QPushButton* loadDefaults_;
    QPushButton* saveDefaults_;
    TaviCapabilities capabilities_;
    QString currentVersion_;
    UpdateServer loadedUpdateServer_;
    // The firmware update's notices outlive any dialog: they reach the open
    // dialog, if there is one, through this sink.
    GuiSink firmwareSink_;
    QPointer<CUpdateDlg> updateDialog_;
};

} // namespace qarvo::gui
