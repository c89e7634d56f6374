#include "gui/dialogs/CSitesDlg.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "gui/dialogs/CSiteEditDlg.h"
#include "gui/dialogs/CSiteHistoryDlg.h"
#include "gui/models/SitesTableModel.h"
#include "gui/shell/Prompter.h"
#include "sites/SiteOverview.h"
#include "sites/SitePasswords.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace qarvo::gui {

namespace {

using strings::text;

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

// A column no wider than this many average characters: a long message
// stays in its tooltip rather than pushing the other columns away.
constexpr int kWidestColumnChars = 36;
// The window opens tall enough for this many sites.
constexpr int kShownRows = 12;

} // namespace

CSitesDlg::CSitesDlg(sites::SiteBook& book, link::ConnectionSettings base, QWidget* parent)
    : QDialog(parent), book_(book), base_(std::move(base)), model_(new SitesTableModel(this)),
      proxy_(new QSortFilterProxyModel(this)), filter_(new QLineEdit), table_(new QTableView)
{
    setWindowTitle(text(text_id::kSitesTitle));
    proxy_->setSourceModel(model_);
    proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy_->setFilterKeyColumn(-1);
    proxy_->setSortCaseSensitivity(Qt::CaseInsensitive);
    connect(filter_, &QLineEdit::textChanged, proxy_, &QSortFilterProxyModel::setFilterFixedString);

    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(SitesTableModel::Name, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableView::activated, this, [this] { connectSite(); });

    auto* filterLabel = new QLabel(text(text_id::kLogFilter));
    filterLabel->setBuddy(filter_);
    auto* top = new QHBoxLayout;
    top->addWidget(filterLabel);
    top->addWidget(filter_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    addButtons(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    reload();
    fitToColumns();
}

// Wide enough to show every column and tall enough for a list of sites,
// as far as the screen allows.
void CSitesDlg::fitToColumns()
{
    // The troubles a status run finds come into the last column: it is
    // given the room of the widest.
    int columns = fontMetrics().averageCharWidth() * kWidestColumnChars;
    for (int column = 0; column < SitesTableModel::Troubles; ++column)
        columns += table_->columnWidth(column);
    const int frame = 2 * table_->frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QMargins margins = layout()->contentsMargins();
    const int rows = table_->verticalHeader()->defaultSectionSize() * kShownRows +
                     table_->horizontalHeader()->sizeHint().height() + frame + scrollBar;
    // What the window holds besides the table: the filter, the buttons, the margins.
    const int around = sizeHint().height() - table_->sizeHint().height();
    QSize wanted(margins.left() + margins.right() + columns + frame + scrollBar, around + rows);
    if (const QScreen* shown = screen())
        wanted = wanted.boundedTo(shown->availableGeometry().size() * 9 / 10);
    resize(wanted.expandedTo(minimumSizeHint()));
}

CSitesDlg::~CSitesDlg()
{
    if (run_)
        run_->stop();
    if (runner_.joinable())
        runner_.join();
}

void CSitesDlg::addButtons(QDialogButtonBox* buttons)
{
    buttons->button(QDialogButtonBox::Close)->setText(text(text_id::kCloseButton));
    const auto add = [&](int textId, void (CSitesDlg::*slot)()) {
        auto* button = buttons->addButton(text(textId), QDialogButtonBox::ActionRole);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    const std::pair<int, void (CSitesDlg::*)()> actions[] = {
        {text_id::kSiteConnect, &CSitesDlg::connectSite}, {text_id::kSiteAdd, &CSitesDlg::addSite},
        {text_id::kSiteEdit, &CSitesDlg::editSite},       {text_id::kSiteRemove, &CSitesDlg::removeSite},
        {text_id::kSiteHistory, &CSitesDlg::showHistory},
    };
    for (const auto& [textId, slot] : actions)
        add(textId, slot);
    runButtons_ = {add(text_id::kSiteBackUp, &CSitesDlg::backUpSites), add(text_id::kSiteStatus, &CSitesDlg::statusOfSites)};
    stopButton_ = add(text_id::kSiteStop, &CSitesDlg::stopRun);
    stopButton_->setEnabled(false);
}

void CSitesDlg::reload()
{
    const std::vector<std::string> selected = selectedSites();
    model_->setSites(sites::overview(book_));
    table_->resizeColumnsToContents();
    const int widest = fontMetrics().averageCharWidth() * kWidestColumnChars;
    for (int column = 0; column < SitesTableModel::ColumnCount; ++column)
        table_->setColumnWidth(column, std::min(table_->columnWidth(column), widest));
    // A run's messages come in while it goes: their column keeps its room.
    table_->setColumnWidth(SitesTableModel::Progress, widest);
    if (proxy_->rowCount() > 0 && !table_->currentIndex().isValid())
        table_->setCurrentIndex(proxy_->index(0, 0));
    if (!selected.empty())
        select(selected);
}

void CSitesDlg::select(const std::vector<std::string>& names)
{
    QItemSelection rows;
    for (int row = 0; row < proxy_->rowCount(); ++row) {
        const QModelIndex index = proxy_->index(row, SitesTableModel::Name);
        if (std::ranges::binary_search(names, index.data().toString().toStdString()))
            rows.select(index, index);
    }
    table_->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::optional<sites::Site> CSitesDlg::currentSite() const
{
    const QModelIndex index = table_->currentIndex();
    if (!index.isValid())
        return std::nullopt;
    return model_->site(proxy_->mapToSource(index).row()).site;
}

void CSitesDlg::refuse(const std::string& why)
{
    prompter().message(this, MessageKind::Warning, strings::formatTexts(text_id::kSiteRefused, {fromStd(why)}));
}

bool CSitesDlg::store(sites::Site site, const std::string& password, bool added)
{
    std::string why = added ? book_.addSite(site) : book_.updateSite(site);
    if (why.empty() && !password.empty()) {
        why = sites::placePassword(book_, site, password);
        if (why.empty())
            why = book_.updateSite(site);
    }
    if (!why.empty()) {
        refuse(why);
        return false;
    }
    reload();
    return true;
}

void CSitesDlg::addSite()
{
    CSiteEditDlg dialog(sites::Site{}, this);
    if (prompter().exec(dialog) == QDialog::Accepted)
        store(dialog.site(), dialog.password(), true);
}

void CSitesDlg::editSite()
{
    const auto site = currentSite();
    if (!site)
        return;
    CSiteEditDlg dialog(*site, this);
    if (prompter().exec(dialog) == QDialog::Accepted)
        store(dialog.site(), dialog.password(), false);
}

void CSitesDlg::removeSite()
{
    const auto site = currentSite();
    if (!site || prompter().message(this, MessageKind::Question,
                                    strings::formatTexts(text_id::kConfirmSiteRemove, {fromStd(site->name)}),
                                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    sites::forgetPassword(book_, *site);
    if (const std::string why = book_.removeSite(*site, false); !why.empty())
        refuse(why);
    reload();
}

void CSitesDlg::connectSite()
{
    const auto site = currentSite();
    if (!site)
        return;
    std::string why;
    const auto password = sites::passwordOf(book_, *site, why);
    const auto connection = why.empty() ? sites::connectionOf(*site, password.value_or(base_.password), base_, why)
                                        : std::nullopt;
    if (!connection) {
        prompter().message(this, MessageKind::Error, fromStd(why));
        return;
    }
    emit connectRequested(*connection);
    accept();
}

void CSitesDlg::showHistory()
{
    const auto site = currentSite();
    if (!site)
        return;
    CSiteHistoryDlg history(book_, *site, this);
    connect(&history, &CSiteHistoryDlg::openRequested, this, [this, &history](const QString& document) {
        history.accept();
        emit openRequested(document);
        accept();
    });
    prompter().exec(history);
}

void CSitesDlg::setRunSettings(fleet::FleetOptions options, const Timing& timing)
{
    runOptions_ = options;
    runTiming_ = timing;
}

void CSitesDlg::backUpSites() { runSites(fleet::SiteJob::Backup); }
void CSitesDlg::statusOfSites() { runSites(fleet::SiteJob::Status); }

void CSitesDlg::stopRun()
{
    if (run_)
        run_->stop();
}

std::vector<std::string> CSitesDlg::selectedSites() const
{
    std::vector<std::string> names;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        names.push_back(model_->site(proxy_->mapToSource(index).row()).site.name);
    std::ranges::sort(names);
    return names;
}

// The run's threads hand each change over to the GUI thread; the window
// only ever shows it there.
void CSitesDlg::runSites(fleet::SiteJob job)
{
    if (run_)
        return;
    const std::vector<std::string> names = selectedSites();
    if (names.empty()) {
        prompter().message(this, MessageKind::Information, text(text_id::kSiteNoneSelected));
        return;
    }
    model_->clearProgress();
    for (const std::string& name : names)
        model_->setProgress(name, text(text_id::kSiteWaiting));
    const fleet::SiteJobSettings settings{book_.file(), base_, runTiming_};
    run_ = std::make_unique<fleet::FleetRun>(names, runOptions_,
                                             [job, settings](const std::string& site, std::stop_token stop) {
                                                 return fleet::runSiteJob(job, site, settings, stop);
                                             });
    const fleet::FleetRun::Listener listener{
        [this](const std::string& site, const fleet::FleetCounts&) {
            QMetaObject::invokeMethod(
                this, [this, site] { model_->setProgress(site, text(text_id::kSiteRunning)); }, Qt::QueuedConnection);
        },
        [this](const fleet::SiteResult& result, const fleet::FleetCounts&) {
            QMetaObject::invokeMethod(this, [this, result] { showFinished(result); }, Qt::QueuedConnection);
        }};
    showRunning(true);
    runner_ = std::jthread([this, listener, run = run_.get()] {
        run->run(listener);
        QMetaObject::invokeMethod(this, [this] { runEnded(); }, Qt::QueuedConnection);
    });
}

void CSitesDlg::showFinished(const fleet::SiteResult& result)
{
    const QString message = fromStd(result.message);
    QString shown;
    switch (result.outcome) {
    case fleet::Outcome::Done: shown = text(text_id::kSiteDone); break;
    case fleet::Outcome::Failed: shown = strings::formatTexts(text_id::kSiteFailed, {message}); break;
    case fleet::Outcome::Refused: shown = strings::formatTexts(text_id::kSiteRunRefused, {message}); break;
    case fleet::Outcome::Interrupted: shown = text(text_id::kSiteInterrupted); break;
    }
    model_->setProgress(result.site, shown);
}

void CSitesDlg::runEnded()
{
    runner_.join();
    run_.reset();
    reload();
    showRunning(false);
    emit runFinished();
}

void CSitesDlg::showRunning(bool running)
{
    for (QPushButton* button : runButtons_)
        button->setEnabled(!running);
    stopButton_->setEnabled(running);
}

} // namespace qarvo::gui
