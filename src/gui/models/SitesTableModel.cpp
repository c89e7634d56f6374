#include "gui/models/SitesTableModel.h"

#include "app/Strings.h"
#include "base/TextIds.h"

#include <QDateTime>

namespace qarvo::gui {

namespace {

constexpr int kHeaders[SitesTableModel::ColumnCount] = {
    text_id::kSiteName,       text_id::kSiteProgress,    text_id::kSiteTags,     text_id::kSiteModel,
    text_id::kSiteLastBackup, text_id::kSiteLastOutcome, text_id::kSiteTroubles,
};

QString joined(const std::vector<std::string>& items)
{
    QStringList list;
    for (const std::string& item : items)
        list << QString::fromStdString(item);
    return list.join(u", ");
}

} // namespace

QString shownBookTime(const std::string& bookTime)
{
    const QDateTime time = QDateTime::fromString(QString::fromStdString(bookTime), Qt::ISODateWithMs);
    return time.isValid() ? time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

SitesTableModel::SitesTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void SitesTableModel::setSites(std::vector<sites::SiteOverview> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void SitesTableModel::setProgress(const std::string& site, const QString& text)
{
    progress_[site] = text;
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].site.name == site)
            emit dataChanged(index(int(row), Progress), index(int(row), Progress));
}

void SitesTableModel::clearProgress()
{
    progress_.clear();
    if (!rows_.empty())
        emit dataChanged(index(0, Progress), index(int(rows_.size()) - 1, Progress));
}

QString SitesTableModel::progress(int row) const
{
    const auto it = progress_.find(site(row).site.name);
    return it == progress_.end() ? QString() : it->second;
}

int SitesTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int SitesTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant SitesTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const sites::SiteOverview& row = site(index.row());
    switch (index.column()) {
    case Name: return QString::fromStdString(row.site.name);
    case Tags: return joined(row.site.tags);
    case Model: return QString::fromStdString(row.site.model);
    case LastBackup: return shownBookTime(row.lastBackup);
    case LastOutcome: return QString::fromStdString(row.lastOutcome);
    case Troubles: return QString::fromStdString(row.troubles);
    case Progress: return progress(index.row());
    default: return {};
    }
}

QVariant SitesTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return strings::text(kHeaders[section]);
}

} // namespace qarvo::gui
