#include "gui/CAboutDlg.h"

#include "gui/ShellTexts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qarvo::gui {

CAboutDlg::CAboutDlg(const VersionTexts& version, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(text(text_id::kAboutTitle));
    auto* layout = new QVBoxLayout(this);
    auto addLine = [layout](const QString& line, const char* name) {
        auto* label = new QLabel(line);
        label->setObjectName(QString::fromLatin1(name));
        layout->addWidget(label);
    };
    addLine(version.productName, "productName");
    addLine(text(text_id::kVersion) + u' ' + version.productVersion, "version");
    addLine(version.legalNotice, "legalNotice");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setText(text(text_id::kOk));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace qarvo::gui
