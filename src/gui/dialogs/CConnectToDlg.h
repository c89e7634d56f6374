#pragma once
// "Connect to": the communicator's address, port and password and the two
// identification codes (editable only when the default IDs are off).
// "Connect" stores them into the record.
#include "link/ConnectionSettings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace qarvo::gui {

class CConnectToDlg : public QDialog {
    Q_OBJECT
public:
    explicit CConnectToDlg(const link::ConnectionSettings& record, QWidget* parent = nullptr);
    // Address, port and password; the IDs unless the default IDs are on.
    void applyTo(link::ConnectionSettings& record) const;

private:
    link::ConnectionSettings record_;
    QLineEdit* address_;
    QSpinBox* port_;
    QCheckBox* broadcast_;
    QLineEdit* password_;
    QLineEdit* panelId_;
    QLineEdit* pcId_;
};

} // namespace qarvo::gui
