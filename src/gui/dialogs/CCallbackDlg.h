#pragma once
// "Callback": the callback server's address and port, the client account
// and password and the two identification codes. "Connect" stores them.
#include "link/ConnectionSettings.h"

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace qarvo::gui {

class CCallbackDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCallbackDlg(const link::ConnectionSettings& record, QWidget* parent = nullptr);
    void applyTo(link::ConnectionSettings& record) const;

private:
    bool useDefaultIds_;
    QLineEdit* server_;
    QSpinBox* port_;
    QLineEdit* account_;
    QLineEdit* password_;
    QLineEdit* panelId_;
    QLineEdit* pcId_;
};

} // namespace qarvo::gui
