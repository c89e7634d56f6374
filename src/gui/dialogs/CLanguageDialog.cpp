#include "gui/dialogs/CLanguageDialog.h"

#include "gui/dialogs/DialogParts.h"
#include "gui/shell/ShellTexts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace qarvo::gui {

CLanguageDialog::CLanguageDialog(std::vector<app::LanguageEntry> entries, const QString& currentCode,
                                 QWidget* parent)
    : QDialog(parent), entries_(std::move(entries)), list_(new QListWidget)
{
    setObjectName(QStringLiteral("languageDialog"));
    setWindowTitle(text(text_id::kLanguageSelection));
    list_->setObjectName(QStringLiteral("languages"));
    for (const app::LanguageEntry& entry : entries_)
        list_->addItem(entry.name);
    list_->setCurrentRow(app::currentLanguageIndex(entries_, currentCode));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text(text_id::kSelectLanguage)));
    layout->addWidget(list_);
    layout->addWidget(makeOkCancel(*this));
}

QString CLanguageDialog::selectedCode() const
{
    const int row = list_->currentRow();
    return row >= 0 && row < static_cast<int>(entries_.size()) ? entries_[static_cast<std::size_t>(row)].code
                                                               : QString();
}

} // namespace qarvo::gui
