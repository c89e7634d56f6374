#pragma once
// The firmware update dialog: the update server's address and port, Start
// and Defaults, the communicator's current version and the one it updates
// to, the stage reached and the download's progress. The update runs on in
// the session when the dialog closes; its notices reach the dialog through
// an owner that outlives it, so a closed dialog is never written to. Start
// is available only while the connection is open and no update runs.
#include <QDialog>

#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qarvo {
class FirmwareUpdate;
class NoticeSink;
struct CommunicatorNotice;
namespace link {
struct ConnectionSettings;
}
} // namespace qarvo

namespace qarvo::gui {

class CTextProgressCtrl;

// An update server: a host text (IPv4 literal or host name) and a port.
struct UpdateServer {
    QString host;
    std::uint16_t port = 0;
};

class CUpdateDlg : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        FirmwareUpdate& firmware;
        link::ConnectionSettings& settings; // the current update server
        UpdateServer loaded;                // what "Defaults" restores
        QString currentVersion;
        NoticeSink& notices;                // hands the update's notices to report()
        std::function<bool()> connectionOpen;
    };
    explicit CUpdateDlg(Setup setup, QWidget* parent = nullptr);

    // A notice of the update: stage, progress, new version, text switch.
    void report(const CommunicatorNotice& notice);
    // Start follows the connection and the update.
    void refreshStart();

    QString statusText() const;
    QString updatingTo() const;
    CTextProgressCtrl* progress() const { return progress_; }
    QPushButton* startButton() const { return start_; }

signals:
    void stageShown(int textId);

private:
    void start();
    void restoreDefaults();
    void showServer(const UpdateServer& server);

    Setup setup_;
    QLineEdit* address_;
    QLineEdit* port_;
    QPushButton* start_;
    QPushButton* defaults_;
    QLabel* current_;
    QLabel* updatingTo_;
    QLabel* status_;
    CTextProgressCtrl* progress_;
};

} // namespace qarvo::gui
