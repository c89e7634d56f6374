#pragma once
// The password asked before a guarded page is shown.
#include <QDialog>

class QLineEdit;

namespace qarvo::gui {

class CTabPassDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTabPassDlg(const QString& pageName, QWidget* parent = nullptr);
    QString password() const;
    QLineEdit* passwordField() const { return password_; }

private:
    QLineEdit* password_;
};

} // namespace qarvo::gui
