#pragma once
// The site book's window: every site, sortable and filtered as one types,
// with its last backup, last outcome and open troubles. Sites are added,
// edited and removed here; Connect hands the site's connection to the main
// window, History shows its backups and runs. Back up and Status run a
// fleet run over the selected sites on threads of its own, each site's
// progress in its row; Stop ends it, and the book is read again when it
// has ended.
#include "base/Timing.h"
#include "fleet/FleetRun.h"
#include "fleet/SiteJobs.h"
#include "sites/SiteBook.h"
#include "sites/SiteConnection.h"

#include <QDialog>

#include <memory>
#include <thread>

class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace qarvo::gui {

class SitesTableModel;

class CSitesDlg : public QDialog {
    Q_OBJECT
public:
    // base: the program's connection settings, which a site's fill in.
    CSitesDlg(sites::SiteBook& book, link::ConnectionSettings base, QWidget* parent = nullptr);
    // A run still going is stopped and waited for.
    ~CSitesDlg() override;

    QTableView* table() const { return table_; }
    QLineEdit* filter() const { return filter_; }
    // Reads the book again.
    void reload();
    void fitToColumns();
    // The site of the view's current row, if any.
    std::optional<sites::Site> currentSite() const;

    void addSite();
    void editSite();
    void removeSite();
    void connectSite();
    void showHistory();
    void backUpSites();
    void statusOfSites();
    void stopRun();
    bool running() const { return run_ != nullptr; }
    // How the window's fleet runs go (the program's defaults unless set).
    void setRunSettings(fleet::FleetOptions options, const Timing& timing);

signals:
    void connectRequested(const sites::SiteConnection& connection);
    void openRequested(const QString& document);
    // A fleet run has ended and the book has been read again.
    void runFinished();

private:
    // Writes the site and its password; false with the refusal shown.
    bool store(sites::Site site, const std::string& password, bool added);
    void refuse(const std::string& why);
    void addButtons(QDialogButtonBox* buttons);
    // The names of the selected sites, in order.
    std::vector<std::string> selectedSites() const;
    void select(const std::vector<std::string>& names);
    void runSites(fleet::SiteJob job);
    // On the GUI thread, handed over from the run's threads.
    void showFinished(const fleet::SiteResult& result);
    void runEnded();
    void showRunning(bool running);

    sites::SiteBook& book_;
    link::ConnectionSettings base_;
    SitesTableModel* model_;
    QSortFilterProxyModel* proxy_;
    QLineEdit* filter_;
    QTableView* table_;
    QPushButton* stopButton_ = nullptr;
    std::vector<QPushButton*> runButtons_;
    fleet::FleetOptions runOptions_;
    Timing runTiming_;
    std::unique_ptr<fleet::FleetRun> run_;
    std::jthread runner_;
};

} // namespace qarvo::gui
