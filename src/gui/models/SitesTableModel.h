#pragma once
// The sites of the book as a table: name, the progress of the window's
// fleet run on the site, tags, model, last backup, how the last job run
// ended and the open troubles of the last status snapshot. Read-only; the window
// sorts and filters it through a proxy.
#include "sites/SiteOverview.h"

#include <QAbstractTableModel>

#include <map>
#include <string>
#include <vector>

namespace qarvo::gui {

class SitesTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Progress, Tags, Model, LastBackup, LastOutcome, Troubles, ColumnCount };

    explicit SitesTableModel(QObject* parent = nullptr);

    void setSites(std::vector<sites::SiteOverview> rows);
    const sites::SiteOverview& site(int row) const { return rows_.at(std::size_t(row)); }
    // The progress shown for the site of that name; kept when the sites
    // are set again.
    void setProgress(const std::string& site, const QString& text);
    void clearProgress();
    QString progress(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<sites::SiteOverview> rows_;
    std::map<std::string, QString> progress_;
};

// "2026-12-09T21:30:00.123Z" in the user's local time, to the minute.
QString shownBookTime(const std::string& bookTime);

} // namespace qarvo::gui
