#include "gui/dialogs/CTabPassDlg.h"

#include "gui/dialogs/DialogParts.h"
#include "gui/shell/ShellTexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace qarvo::gui {

CTabPassDlg::CTabPassDlg(const QString& pageName, QWidget* parent)
    : QDialog(parent), password_(makePasswordField(QStringLiteral("password")))
{
    setObjectName(QStringLiteral("tabPassDialog"));
    setWindowTitle(text(shell_text::kEnterPassword));
    auto* page = new QLineEdit(pageName);
    page->setObjectName(QStringLiteral("pageName"));
    showReadOnly(*page);
    page->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QFormLayout(this);
    layout->addRow(new QLabel(text(shell_text::kPasswordToAccess)));
    layout->addRow(page);
    layout->addRow(password_);
    layout->addRow(makeOkCancel(*this));
    password_->setFocus();
}

QString CTabPassDlg::password() const { return password_->text(); }

} // namespace qarvo::gui
