#pragma once
// Change passwords: five masked fields, one per page; only the shown
// page's field can be edited. OK keeps the dialog open on a field that is
// neither empty nor six digits.
#include "app/UserSettings.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace qarvo::gui {

class CNewPassDlg : public QDialog {
    Q_OBJECT
public:
    CNewPassDlg(const app::PagePasswords& passwords, int shownPage, QWidget* parent = nullptr);

    app::PagePasswords passwords() const;
    QLineEdit* field(int page) const { return fields_[static_cast<std::size_t>(page)]; }

public slots:
    void accept() override;

private:
    std::array<QLineEdit*, app::kPageCount> fields_{};
};

} // namespace qarvo::gui
