#pragma once
// The event log page: chooses one of the document's event logs and shows
// its lines as a table (live while a reading fills the current log) that a
// filter narrows and whose selected rows copy as text, holds the two
// options of the reading, stops a running reading, prints the viewed log
// and exports it as a text file or, through the Text2PDF converter, as a
// PDF file.
#include "eventlog/PdfExport.h"
#include "gui/pages/CPage.h"

#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;
class QPrinter;
class QPushButton;

namespace qarvo::session {
class PanelSession;
}

namespace qarvo::gui {

class LogLinesModel;

class CPageLog : public CPage {
    Q_OBJECT
public:
    explicit CPageLog(QWidget* parent = nullptr);
    ~CPageLog() override;

    // Binds the page to the session's document and event log reading.
    // documentName gives the printed header's name: the document's path,
    // or its title while it has none.
    void attach(session::PanelSession& session, std::function<QString()> documentName);

    // The reading changed the document's first log group: the list
    // follows once the changes queued with this one are handled.
    void readingChanged(const EventLogNotice& notice);
    // The document was made or loaded: its log names, its first log, the options.
    void refreshFromDocument();
    // Shows the log at this index of the document's logs; an index outside
    // them changes nothing.
    void chooseLog(int index);
    int viewedLog() const { return viewedLog_; }
    QStringList viewedLines() const;

    void exportTxt();
    void exportPdf();
    void print();
    void printPreview();
    void printSetup();
    // The printer the commands use, with the user's setup.
    QPrinter& printer();

    // Where the converter is and how long it may run (tests shorten it).
    void setPdfExportSetup(eventlog::PdfExportSetup setup) { pdfSetup_ = std::move(setup); }

    QComboBox* logSelector() const { return selector_; }
    QTableView* lineTable() const { return table_; }
    QLineEdit* filterBox() const { return filter_; }
    // The selected rows as the table shows them, one line each, columns
    // separated by tabs; the clipboard gets the same.
    QString selectedText() const;
    void copySelection();
    QCheckBox* markAsReadBox() const { return markAsRead_; }
    QCheckBox* entireLogBox() const { return entireLog_; }
    QPushButton* breakButton() const { return break_; }

private:
    void buildControls();
    void buildTable();
    // "Read the entire log" unticks and disables "Mark events as read".
    void applyEntireLogRule();
    void passOptions();
    void breakReading();
    // The list catches up once, after what is queued now.
    void scheduleSync();
    void syncWithDocument();
    void fillSelector(const std::vector<std::string>& names);
    void showError(const QString& text);

    session::PanelSession* session_ = nullptr;
    std::function<QString()> documentName_;
    QComboBox* selector_ = nullptr;
    QTableView* table_ = nullptr;
    LogLinesModel* model_ = nullptr;
    QSortFilterProxyModel* filtered_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QPushButton* copy_ = nullptr;
    QCheckBox* markAsRead_ = nullptr;
    QCheckBox* entireLog_ = nullptr;
    QPushButton* break_ = nullptr;
    QPushButton* exportPdf_ = nullptr;
    QPushButton* exportTxt_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    eventlog::PdfExportSetup pdfSetup_;
    std::vector<std::string> shownNames_;
    int viewedLog_ = 0;
    std::atomic<bool> syncQueued_{false};
};

} // namespace qarvo::gui
