#include "gui/dialogs/CNewPassDlg.h"

#include "app/Passwords.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/ShellTexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace qarvo::gui {

CNewPassDlg::CNewPassDlg(const app::PagePasswords& passwords, int shownPage, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("newPassDialog"));
    setWindowTitle(text(text_id::kChangePasswords));
    auto* layout = new QFormLayout(this);
    for (int page = 0; page < app::kPageCount; ++page) {
        QLineEdit* f = makePasswordField(QStringLiteral("password%1").arg(page + 1));
        f->setText(passwords[static_cast<std::size_t>(page)]);
        f->setEnabled(page == shownPage);
        fields_[static_cast<std::size_t>(page)] = f;
        layout->addRow(text(shell_text::kPasswordLabelFirst + page), f);
    }
    layout->addRow(makeOkCancel(*this));
}

app::PagePasswords CNewPassDlg::passwords() const
{
    app::PagePasswords result;
    for (int page = 0; page < app::kPageCount; ++page)
        result[static_cast<std::size_t>(page)] = fields_[static_cast<std::size_t>(page)]->text();
    return result;
}

void CNewPassDlg::accept()
{
    if (const auto invalid = app::passwords::firstInvalidField(passwords())) {
        prompter().message(this, MessageKind::Warning, text(text_id::kPasswordSixDigits));
        field(*invalid)->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace qarvo::gui
