#pragma once
// The start-up login: one masked six-digit password field.
#include <QDialog>

class QLineEdit;

namespace qarvo::gui {

class CLoginDlg : public QDialog {
    Q_OBJECT
public:
    explicit CLoginDlg(QWidget* parent = nullptr);
    QString password() const;
    QLineEdit* passwordField() const { return password_; }

private:
    QLineEdit* password_;
};

} // namespace qarvo::gui
