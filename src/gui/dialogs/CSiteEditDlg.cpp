#include "gui/dialogs/CSiteEditDlg.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/shell/Prompter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace qarvo::gui {

namespace {

using strings::text;

// The book's connection modes and their texts, in the list's order.
constexpr std::pair<const char*, int> kModes[] = {
    {"direct", text_id::kSiteModeDirect},
    {"callback", text_id::kSiteModeCallback},
    {"wait", text_id::kSiteModeWait},
};

std::vector<std::string> tagsOf(const QString& text)
{
    std::vector<std::string> tags;
    for (const QString& tag : text.split(u',', Qt::SkipEmptyParts))
        if (const QString t = tag.trimmed(); !t.isEmpty())
            tags.push_back(t.toStdString());
    return tags;
}

QString tagsText(const std::vector<std::string>& tags)
{
    QStringList list;
    for (const std::string& tag : tags)
        list << QString::fromStdString(tag);
    return list.join(QStringLiteral(", "));
}

} // namespace

CSiteEditDlg::CSiteEditDlg(const sites::Site& site, QWidget* parent)
    : QDialog(parent), original_(site), name_(new QLineEdit(QString::fromStdString(site.name))),
      address_(new QLineEdit(QString::fromStdString(site.address))), port_(new QSpinBox),
      password_(makePasswordField(QStringLiteral("password"))), mode_(new QComboBox),
      callback_(new QLineEdit(QString::fromStdString(site.callback))), account_(makeHexField(QStringLiteral("account"))),
      panelId_(makeHexField(QStringLiteral("panelId"))), pcId_(makeHexField(QStringLiteral("pcId"))),
      tags_(new QLineEdit(tagsText(site.tags))), notes_(new QPlainTextEdit(QString::fromStdString(site.notes)))
{
    setWindowTitle(text(text_id::kSitesTitle));
    port_->setRange(1, 65535);
    port_->setValue(site.port);
    for (const auto& [name, textId] : kModes) {
        mode_->addItem(text(textId), QString::fromLatin1(name));
        if (site.mode == name)
            mode_->setCurrentIndex(mode_->count() - 1);
    }
    account_->setText(QString::fromStdString(site.account));
    panelId_->setText(QString::fromStdString(site.panelId));
    pcId_->setText(QString::fromStdString(site.pcId));
    if (site.passwordStore != sites::PasswordStore::None)
        password_->setPlaceholderText(text(text_id::kSitePasswordKept));
    notes_->setTabChangesFocus(true);

    auto* form = new QFormLayout(this);
    form->addRow(text(text_id::kSiteName), name_);
    form->addRow(text(text_id::kAddress), address_);
    form->addRow(text(text_id::kPort), port_);
    form->addRow(text(text_id::kPassword), withShowToggle(password_));
    form->addRow(text(text_id::kSiteMode), mode_);
    form->addRow(text(text_id::kSiteCallback), callback_);
    form->addRow(text(text_id::kAccount), account_);
    form->addRow(text(text_id::kPanelId), panelId_);
    form->addRow(text(text_id::kPcId), pcId_);
    form->addRow(text(text_id::kSiteTags), tags_);
    form->addRow(text(text_id::kSiteNotes), notes_);
    form->addRow(makeOkCancel(*this));
}

sites::Site CSiteEditDlg::site() const
{
    sites::Site s = original_;
    s.name = name_->text().trimmed().toStdString();
    s.address = address_->text().trimmed().toStdString();
    s.port = std::uint16_t(port_->value());
    s.mode = mode_->currentData().toString().toStdString();
    s.callback = callback_->text().trimmed().toStdString();
    s.account = account_->text().trimmed().toStdString();
    s.panelId = panelId_->text().trimmed().toStdString();
    s.pcId = pcId_->text().trimmed().toStdString();
    s.tags = tagsOf(tags_->text());
    s.notes = notes_->toPlainText().toStdString();
    return s;
}

std::string CSiteEditDlg::password() const { return password_->text().toStdString(); }

void CSiteEditDlg::accept()
{
    std::string problem = sites::siteProblem(site(), {});
    if (problem.empty() && !password().empty())
        problem = sites::passwordProblem(password());
    if (!problem.empty()) {
        prompter().message(this, MessageKind::Warning,
                           strings::formatTexts(text_id::kSiteRefused, {QString::fromStdString(problem)}));
        return;
    }
    QDialog::accept();
}

} // namespace qarvo::gui
