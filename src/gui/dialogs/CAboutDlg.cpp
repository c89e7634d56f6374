#include "gui/dialogs/CAboutDlg.h"

#include "gui/shell/ShellTexts.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qarvo::gui {
namespace {

constexpr const char* kInstalledReadme = "../share/doc/qarvoip/README.md";

} // namespace

QUrl documentationUrl()
{
    const QString installed = QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kInstalledReadme));
    if (QFileInfo::exists(installed))
        return QUrl::fromLocalFile(QDir::cleanPath(installed));
    return QUrl::fromLocalFile(QStringLiteral(QARVOIP_SOURCE_README));
}

CAboutDlg::CAboutDlg(const VersionTexts& version, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(text(text_id::kAboutTitle));
    auto* layout = new QVBoxLayout(this);
    auto addLine = [layout](const QString& line, const char* name) {
        auto* label = new QLabel(line);
        label->setObjectName(QString::fromLatin1(name));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
        return label;
    };
    QLabel* name = addLine(version.productName, "productName");
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    addLine(text(text_id::kVersion) + u' ' + version.productVersion, "version");
    addLine(version.legalNotice, "legalNotice");
    addLine(text(text_id::kBuilt) + u' ' + QStringLiteral(QARVOIP_BUILD_DATE), "buildDate");
    addLine(text(text_id::kQtVersion) + u' ' + QString::fromLatin1(qVersion()), "qtVersion");
    addLine(text(text_id::kLicence) + QStringLiteral(": ") + text(text_id::kLicenceText), "licence");
    QLabel* documentation = addLine(
        QStringLiteral("<a href=\"%1\">%2</a>").arg(documentationUrl().toString(), text(text_id::kDocumentation).toHtmlEscaped()),
        "documentation");
    documentation->setTextFormat(Qt::RichText);
    documentation->setTextInteractionFlags(Qt::TextBrowserInteraction);
    documentation->setOpenExternalLinks(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setText(text(text_id::kOk));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace qarvo::gui
