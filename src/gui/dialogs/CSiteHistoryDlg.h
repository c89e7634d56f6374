#pragma once
// A site's history: the backups the book keeps and the job runs, newest
// first. A backup can be opened as the document, or compared with another:
// the settings that differ, by name and label, with both values.
#include "sites/SiteBook.h"

#include <QDialog>

class QTableWidget;

namespace qarvo::gui {

class CSiteHistoryDlg : public QDialog {
    Q_OBJECT
public:
    CSiteHistoryDlg(sites::SiteBook& book, const sites::Site& site, QWidget* parent = nullptr);

    QTableWidget* backupsTable() const { return backups_; }
    // The stored document of the backup in the row, if it kept one.
    QString documentOf(int row) const;
    // The changes from the backup in row `from` to the one in row `to`.
    void compare(int from, int to);

signals:
    void openRequested(const QString& document);

private:
    void fill();
    void openSelected();
    void compareSelected();
    int selectedBackup() const;

    sites::SiteBook& book_;
    sites::Site site_;
    std::vector<sites::BackupEntry> entries_; // newest first, as the table shows them
    QTableWidget* backups_;
    QTableWidget* runs_;
};

} // namespace qarvo::gui
