#include "gui/dialogs/CLoginDlg.h"

#include "gui/dialogs/DialogParts.h"
#include "gui/shell/ProgramTexts.h"
#include "gui/shell/ShellTexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace qarvo::gui {

CLoginDlg::CLoginDlg(QWidget* parent) : QDialog(parent), password_(makePasswordField(QStringLiteral("password")))
{
    setObjectName(QStringLiteral("loginDialog"));
    setWindowTitle(applicationTitle());
    auto* layout = new QFormLayout(this);
    layout->addRow(text(text_id::kLoginPassword), password_);
    layout->addRow(makeOkCancel(*this));
}

QString CLoginDlg::password() const { return password_->text(); }

} // namespace qarvo::gui
