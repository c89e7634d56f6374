#pragma once
// "IP Settings": every connection setting. OK checks the communicator port
// and applies the connection part to the record; "Save" writes the
// dialog's values to PanelRPS.cfg and leaves the dialog open.
#include "gui/pages/CPageMaster.h"
#include "link/ConnectionSettings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace qarvo::gui {

class CIpSettingsDlg : public QDialog {
    Q_OBJECT
public:
    CIpSettingsDlg(const link::ConnectionSettings& record, QString settingsFile, QWidget* parent = nullptr);

    // The dialog's current values, all fields.
    link::ConnectionSettings values() const;
    // What OK takes into the record: the default-IDs choice with the IDs,
    // the communicator's address and port, the callback server and the own
    // port. Account, password and update server act through the file only.
    void applyTo(link::ConnectionSettings& record) const;
    // The IDs to write into the master page's fields.
    IdCodes ids() const;

public slots:
    void accept() override;
    // Writes the file; false (with a message) when the port is out of
    // range or the file cannot be written.
    bool save();

private:
    bool portInRange();
    void broadcastToggled(bool on);
    void defaultIdsToggled(bool on);

    link::ConnectionSettings record_;
    QString settingsFile_;
    QLineEdit* address_;
    QLineEdit* port_;
    QCheckBox* broadcast_;
    QLineEdit* callbackAddress_;
    QLineEdit* callbackPort_;
    QLineEdit* ownPort_;
    QLineEdit* account_;
    QLineEdit* password_;
    QLineEdit* updateAddress_;
    QLineEdit* updatePort_;
    QCheckBox* defaultIds_;
    QLineEdit* panelId_;
    QLineEdit* pcId_;
};

} // namespace qarvo::gui
