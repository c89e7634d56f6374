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
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace qarvo::gui {

namespace {

using strings::text;

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

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
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableView::activated, this, [this] { connectSite(); });

    auto* filterLabel = new QLabel(text(text_id::kLogFilter));
    filterLabel->setBuddy(filter_);
    auto* top = new QHBoxLayout;
    top->addWidget(filterLabel);
    top->addWidget(filter_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(text(text_id::kCloseButton));
    const std::pair<int, void (CSitesDlg::*)()> actions[] = {
        {text_id::kSiteConnect, &CSitesDlg::connectSite}, {text_id::kSiteAdd, &CSitesDlg::addSite},
        {text_id::kSiteEdit, &CSitesDlg::editSite},       {text_id::kSiteRemove, &CSitesDlg::removeSite},
        {text_id::kSiteHistory, &CSitesDlg::showHistory},
    };
    for (const auto& [textId, slot] : actions) {
        auto* button = buttons->addButton(text(textId), QDialogButtonBox::ActionRole);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    reload();
    resize(820, 480);
}

void CSitesDlg::reload()
{
    model_->setSites(sites::overview(book_));
    table_->resizeColumnsToContents();
    if (proxy_->rowCount() > 0 && !table_->currentIndex().isValid())
        table_->setCurrentIndex(proxy_->index(0, 0));
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

} // namespace qarvo::gui
