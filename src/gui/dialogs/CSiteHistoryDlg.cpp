#include "gui/dialogs/CSiteHistoryDlg.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "gui/models/SitesTableModel.h"
#include "gui/shell/Prompter.h"
#include "panel/NamedSettings.h"
#include "panel/ProgrammingForms.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <map>

namespace qarvo::gui {

namespace {

using strings::text;

QTableWidget* makeTable(std::initializer_list<int> headers)
{
    auto* table = new QTableWidget(0, int(headers.size()));
    QStringList labels;
    for (int id : headers)
        labels << text(id);
    table->setHorizontalHeaderLabels(labels);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void addRow(QTableWidget& table, const QStringList& cells)
{
    const int row = table.rowCount();
    table.insertRow(row);
    for (int c = 0; c < cells.size(); ++c)
        table.setItem(row, c, new QTableWidgetItem(cells[c]));
}

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

std::optional<panel::CUploadDoc> documentAt(const QString& path)
{
    panel::CUploadDoc doc{std::string()};
    if (path.isEmpty() || !doc.open(path.toStdString()).empty())
        return std::nullopt;
    return doc;
}

// The label of each setting of the document, by name.
std::map<std::string, int, std::less<>> labelsOf(const panel::CUploadDoc& doc)
{
    panel::ProgrammingForms forms;
    panel::imageToForms(doc, forms);
    std::map<std::string, int, std::less<>> labels;
    for (const panel::NamedSetting& s : panel::namedSettings(forms, doc.layout().typeCode()))
        labels.emplace(s.name, s.labelId);
    return labels;
}

} // namespace

CSiteHistoryDlg::CSiteHistoryDlg(sites::SiteBook& book, const sites::Site& site, QWidget* parent)
    : QDialog(parent), book_(book), site_(site),
      backups_(makeTable({text_id::kSiteTime, text_id::kSiteOutcome, text_id::kSiteModel, text_id::kSiteChanged})),
      runs_(makeTable({text_id::kSiteKind, text_id::kSiteStarted, text_id::kSiteEnded, text_id::kSiteOutcome,
                       text_id::kSiteMessage}))
{
    setWindowTitle(strings::formatTexts(text_id::kSiteHistoryTitle, {fromStd(site.name)}));
    backups_->setObjectName(QStringLiteral("backups"));
    runs_->setObjectName(QStringLiteral("runs"));
    auto* open = new QPushButton(text(text_id::kSiteOpenBackup));
    auto* compare = new QPushButton(text(text_id::kSiteCompare));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(open, QDialogButtonBox::ActionRole);
    buttons->addButton(compare, QDialogButtonBox::ActionRole);
    buttons->button(QDialogButtonBox::Close)->setText(text(text_id::kCloseButton));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(open, &QPushButton::clicked, this, &CSiteHistoryDlg::openSelected);
    connect(compare, &QPushButton::clicked, this, &CSiteHistoryDlg::compareSelected);
    connect(backups_, &QTableWidget::cellActivated, this, [this] { openSelected(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text(text_id::kSiteBackups)));
    layout->addWidget(backups_, 3);
    layout->addWidget(new QLabel(text(text_id::kSiteRuns)));
    layout->addWidget(runs_, 2);
    layout->addWidget(buttons);
    fill();
    resize(760, 520);
}

void CSiteHistoryDlg::fill()
{
    const auto backups = book_.backups(site_.id);
    entries_.assign(backups.rbegin(), backups.rend());
    for (const sites::BackupEntry& b : entries_) {
        const auto changed = QString::fromStdString(b.changed).split(u'\n', Qt::SkipEmptyParts).size();
        addRow(*backups_, {shownBookTime(b.takenAt), fromStd(b.outcome), fromStd(b.model), QString::number(changed)});
    }
    const auto runs = book_.runs(site_.id);
    for (auto r = runs.rbegin(); r != runs.rend(); ++r)
        addRow(*runs_, {fromStd(r->kind), shownBookTime(r->startedAt), shownBookTime(r->endedAt.value_or("")),
                        fromStd(r->outcome), fromStd(r->message)});
    backups_->resizeColumnsToContents();
    runs_->resizeColumnsToContents();
    if (!entries_.empty())
        backups_->selectRow(0);
}

QString CSiteHistoryDlg::documentOf(int row) const
{
    if (row < 0 || std::size_t(row) >= entries_.size() || entries_[std::size_t(row)].document.empty())
        return {};
    std::string why;
    const auto file = book_.documentFile(entries_[std::size_t(row)].document, why);
    return file ? QString::fromStdString(file->string()) : QString();
}

int CSiteHistoryDlg::selectedBackup() const
{
    const auto rows = backups_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CSiteHistoryDlg::openSelected()
{
    if (const QString document = documentOf(selectedBackup()); !document.isEmpty())
        emit openRequested(document);
}

void CSiteHistoryDlg::compareSelected()
{
    const int from = selectedBackup();
    if (documentOf(from).isEmpty())
        return;
    QDialog chooser(this);
    chooser.setWindowTitle(text(text_id::kSiteCompare).remove(u'&'));
    auto* list = new QComboBox;
    for (int row = 0; row < int(entries_.size()); ++row)
        if (row != from && !documentOf(row).isEmpty())
            list->addItem(shownBookTime(entries_[std::size_t(row)].takenAt), row);
    if (list->count() == 0)
        return;
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, &chooser, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &chooser, &QDialog::reject);
    auto* layout = new QVBoxLayout(&chooser);
    layout->addWidget(new QLabel(text(text_id::kSiteChooseBackup)));
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (prompter().exec(chooser) == QDialog::Accepted)
        compare(list->currentData().toInt(), from);
}

void CSiteHistoryDlg::compare(int from, int to)
{
    const auto before = documentAt(documentOf(from));
    const auto after = documentAt(documentOf(to));
    if (!before || !after)
        return;
    const auto changes = panel::changedSettings(*before, *after);
    const auto labels = labelsOf(*after);
    QDialog result(this);
    result.setWindowTitle(
        strings::formatTexts(text_id::kSiteCompareTitle, {shownBookTime(entries_[std::size_t(from)].takenAt)}));
    auto* table = makeTable({text_id::kSiteSetting, text_id::kSiteLabel, text_id::kSiteBefore, text_id::kSiteAfter});
    table->setObjectName(QStringLiteral("changes"));
    for (const panel::SettingChange& c : changes) {
        const auto label = labels.find(c.name);
        addRow(*table, {fromStd(c.name), label == labels.end() ? QString() : text(label->second).split(u'\n').first(),
                        fromStd(c.before.value_or("")), fromStd(c.after.value_or(""))});
    }
    table->resizeColumnsToContents();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, &result, &QDialog::reject);
    auto* layout = new QVBoxLayout(&result);
    if (changes.empty())
        layout->addWidget(new QLabel(text(text_id::kSiteNoDifference)));
    layout->addWidget(table);
    layout->addWidget(buttons);
    result.resize(700, 420);
    prompter().exec(result);
}

} // namespace qarvo::gui
