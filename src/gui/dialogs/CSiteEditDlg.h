#pragma once
// Adds a site to the book or edits one: its name, how its communicator is
// reached, its password, its identity codes, tags and notes. The book's own
// rules judge the fields, so the window refuses what the command line does.
#include "sites/Site.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace qarvo::gui {

class CSiteEditDlg : public QDialog {
    Q_OBJECT
public:
    // An empty site's name makes it an added one.
    explicit CSiteEditDlg(const sites::Site& site, QWidget* parent = nullptr);

    sites::Site site() const;
    // The password typed; empty keeps the stored one.
    std::string password() const;

    void accept() override;

private:
    sites::Site original_;
    QLineEdit* name_;
    QLineEdit* address_;
    QSpinBox* port_;
    QLineEdit* password_;
    QComboBox* mode_;
    QLineEdit* callback_;
    QLineEdit* account_;
    QLineEdit* panelId_;
    QLineEdit* pcId_;
    QLineEdit* tags_;
    QPlainTextEdit* notes_;
};

} // namespace qarvo::gui
