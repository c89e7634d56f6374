#pragma once
// The site book's window: every site, sortable and filtered as one types,
// with its last backup, last outcome and open troubles. Sites are added,
// edited and removed here; Connect hands the site's connection to the main
// window, History shows its backups and runs.
#include "sites/SiteBook.h"
#include "sites/SiteConnection.h"

#include <QDialog>

class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

namespace qarvo::gui {

class SitesTableModel;

class CSitesDlg : public QDialog {
    Q_OBJECT
public:
    // base: the program's connection settings, which a site's fill in.
    CSitesDlg(sites::SiteBook& book, link::ConnectionSettings base, QWidget* parent = nullptr);

    QTableView* table() const { return table_; }
    QLineEdit* filter() const { return filter_; }
    // Reads the book again.
    void reload();
    // The site of the view's current row, if any.
    std::optional<sites::Site> currentSite() const;

    void addSite();
    void editSite();
    void removeSite();
    void connectSite();
    void showHistory();

signals:
    void connectRequested(const sites::SiteConnection& connection);
    void openRequested(const QString& document);

private:
    // Writes the site and its password; false with the refusal shown.
    bool store(sites::Site site, const std::string& password, bool added);
    void refuse(const std::string& why);

    sites::SiteBook& book_;
    link::ConnectionSettings base_;
    SitesTableModel* model_;
    QSortFilterProxyModel* proxy_;
    QLineEdit* filter_;
    QTableView* table_;
};

} // namespace qarvo::gui
