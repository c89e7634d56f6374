#include "gui/pages/CPageLog.h"

#include "session/PanelSession.h"
#include "app/Strings.h"
#include "base/TextIds.h"
#include "eventlog/TextExport.h"
#include "gui/models/LogLinesModel.h"
#include "gui/pages/LogPrinter.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/ShellTexts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace qarvo::gui {

namespace {

// The save dialog adds no extension of its own.
QString withSuffix(QString path, const QString& suffix)
{
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + suffix;
    return path;
}

// The print preview opens at a size a page can be read at, whole pages
// fitted to its width: most of the screen of the window it belongs to.
class LogPreviewDialog : public QPrintPreviewDialog {
public:
    LogPreviewDialog(QPrinter* printer, QWidget* parent) : QPrintPreviewDialog(printer, parent)
    {
        // The dialog's own "Fit width" button, so that its toolbar shows the
        // mode; the preview itself when the button cannot be found.
        const QString fitWidth = QCoreApplication::translate("QPrintPreviewDialog", "Fit width");
        for (QAction* action : findChildren<QAction*>())
            if (action->text() == fitWidth) {
                action->trigger();
                return;
            }
        if (auto* preview = findChild<QPrintPreviewWidget*>())
            preview->fitToWidth();
    }

    QSize sizeHint() const override
    {
        const QWidget* anchor = parentWidget() ? parentWidget()->window() : nullptr;
        const QScreen* shown = anchor ? anchor->screen() : screen();
        if (!shown)
            return QPrintPreviewDialog::sizeHint();
        constexpr double kShare = 0.85;
        const QSize area = shown->availableGeometry().size();
        return {static_cast<int>(area.width() * kShare), static_cast<int>(area.height() * kShare)};
    }

protected:
    // A top-level window's size from its hint is held to two thirds of the
    // screen; the preview takes its whole hint when it first shows.
    void showEvent(QShowEvent* event) override
    {
        QPrintPreviewDialog::showEvent(event);
        if (std::exchange(sized_, true))
            return;
        QRect frame = geometry();
        frame.setSize(sizeHint());
        if (const QWidget* anchor = parentWidget() ? parentWidget()->window() : nullptr)
            frame.moveCenter(anchor->geometry().center());
        setGeometry(frame);
    }

private:
    bool sized_ = false;
};

} // namespace

CPageLog::CPageLog(QWidget* parent) : CPage(text_id::kPageEventLog, parent) { buildControls(); }

CPageLog::~CPageLog() = default;

void CPageLog::buildControls()
{
    auto* viewLabel = new QLabel(text(text_id::kViewEventLog));
    selector_ = new QComboBox;
    selector_->setObjectName(QStringLiteral("logSelector"));
    selector_->addItem(text(text_id::kCurrentLogEntry));
    selector_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    viewLabel->setBuddy(selector_);

    buildTable();

    markAsRead_ = new QCheckBox(text(text_id::kMarkEventsAsRead));
    markAsRead_->setObjectName(QStringLiteral("markAsRead"));
    entireLog_ = new QCheckBox(text(text_id::kReadEntireLog));
    entireLog_->setObjectName(QStringLiteral("entireLog"));
    break_ = new QPushButton(text(text_id::kBreakReading));
    break_->setObjectName(QStringLiteral("breakReading"));
    exportPdf_ = new QPushButton(text(text_id::kExportPdf));
    exportPdf_->setObjectName(QStringLiteral("exportPdf"));
    exportTxt_ = new QPushButton(text(text_id::kExportTxt));
    exportTxt_->setObjectName(QStringLiteral("exportTxt"));

    auto* filterLabel = new QLabel(text(text_id::kLogFilter));
    filterLabel->setBuddy(filter_);
    auto* top = new QHBoxLayout;
    top->addWidget(viewLabel);
    top->addWidget(selector_, 1);
    top->addSpacing(12);
    top->addWidget(filterLabel);
    top->addWidget(filter_, 1);
    top->addWidget(copy_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(break_);
    buttons->addStretch(1);
    buttons->addWidget(exportPdf_);
    buttons->addWidget(exportTxt_);
    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addWidget(markAsRead_);
    layout->addWidget(entireLog_);
    layout->addLayout(buttons);
    setScrollingBody(contents, QStringLiteral("logScroll"));

    connect(selector_, &QComboBox::currentIndexChanged, this, &CPageLog::chooseLog);
    connect(entireLog_, &QCheckBox::toggled, this, [this] { applyEntireLogRule(); });
    connect(markAsRead_, &QCheckBox::toggled, this, [this] { passOptions(); });
    connect(break_, &QPushButton::clicked, this, &CPageLog::breakReading);
    connect(exportPdf_, &QPushButton::clicked, this, &CPageLog::exportPdf);
    connect(exportTxt_, &QPushButton::clicked, this, &CPageLog::exportTxt);
    applyEntireLogRule();
    pdfSetup_.converter = eventlog::converterPath(QCoreApplication::applicationDirPath());
}

void CPageLog::buildTable()
{
    model_ = new LogLinesModel(this);
    filtered_ = new QSortFilterProxyModel(this);
    filtered_->setSourceModel(model_);
    filtered_->setFilterKeyColumn(-1); // any column
    filtered_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("logLines"));
    table_->setModel(filtered_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setShowGrid(false);
    table_->verticalHeader()->hide();
    // Thousands of rows stay cheap to lay out: fixed row heights, column
    // widths from the header and the font, not from every row.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    QHeaderView* header = table_->horizontalHeader();
    header->setStretchLastSection(true);
    const QFontMetrics metrics = table_->fontMetrics();
    header->resizeSection(int(eventlog::LogColumn::Number), metrics.horizontalAdvance(QStringLiteral("00000")) + 16);
    header->resizeSection(int(eventlog::LogColumn::DateTime),
                          metrics.horizontalAdvance(QStringLiteral("00.Mmm.0000 00:00")) + 24);
    header->resizeSection(int(eventlog::LogColumn::Partition), metrics.horizontalAdvance(text(text_id::kLogColumnPartition)) + 24);

    filter_ = new QLineEdit;
    filter_->setObjectName(QStringLiteral("logFilter"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, filtered_, &QSortFilterProxyModel::setFilterFixedString);
    copy_ = new QPushButton(text(text_id::kLogCopy));
    copy_->setObjectName(QStringLiteral("logCopy"));
    connect(copy_, &QPushButton::clicked, this, &CPageLog::copySelection);
    auto* copyKey = new QAction(table_);
    copyKey->setShortcut(QKeySequence::Copy);
    copyKey->setShortcutContext(Qt::WidgetShortcut);
    connect(copyKey, &QAction::triggered, this, &CPageLog::copySelection);
    table_->addAction(copyKey);
}

QString CPageLog::selectedText() const
{
    QModelIndexList rows = table_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines;
    for (const QModelIndex& row : rows) {
        QStringList cells;
        for (int c = 0; c < filtered_->columnCount(); ++c)
            cells << filtered_->index(row.row(), c).data().toString();
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n');
}

void CPageLog::copySelection()
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(selectedText());
}

void CPageLog::attach(session::PanelSession& session, std::function<QString()> documentName)
{
    session_ = &session;
    documentName_ = std::move(documentName);
    passOptions();
    refreshFromDocument();
}

// ------------------------------------------------------------ options

void CPageLog::applyEntireLogRule()
{
    if (entireLog_->isChecked())
        markAsRead_->setChecked(false);
    markAsRead_->setEnabled(!entireLog_->isChecked());
    passOptions();
}

void CPageLog::passOptions()
{
    if (session_)
        session_->eventLogReader().setOptions({markAsRead_->isChecked(), entireLog_->isChecked()});
}

void CPageLog::breakReading()
{
    if (session_)
        session_->eventLogReader().breakReading(
            [this] { return session_->worker.breakOperation(operations::kReadEventLog); });
}

// ------------------------------------------------------------ the list

void CPageLog::refreshFromDocument()
{
    viewedLog_ = 0;
    shownNames_.clear(); // the selector is filled anew and its first entry chosen
    syncWithDocument();
}

void CPageLog::chooseLog(int index)
{
    if (!session_ || index < 0)
        return;
    std::size_t logCount = 0;
    {
        const auto held = session_->doc.lock();
        logCount = session_->doc.logs().size();
    }
    if (static_cast<std::size_t>(index) >= logCount)
        return;
    viewedLog_ = index;
    syncWithDocument();
}

QStringList CPageLog::viewedLines() const { return model_->lines(); }

void CPageLog::readingChanged(const EventLogNotice& notice)
{
    // The per cent is the status pane's; every other change shows in the list.
    if (notice.kind != EventLogNotice::Kind::Progress)
        scheduleSync();
}

void CPageLog::scheduleSync()
{
    if (!syncQueued_.exchange(true))
        QMetaObject::invokeMethod(this, [this] { syncWithDocument(); }, Qt::QueuedConnection);
}

void CPageLog::syncWithDocument()
{
    syncQueued_ = false;
    if (!session_)
        return;
    std::vector<std::string> names;
    std::vector<std::string> lines;
    {
        const auto held = session_->doc.lock();
        const auto& logs = session_->doc.logs();
        for (const panel::EventLog& log : logs)
            names.push_back(log.name);
        // A reading put a new log in front: the one viewed moved down by one.
        const bool newInFront = viewedLog_ > 0 && names.size() == shownNames_.size() + 1 &&
                                std::equal(shownNames_.begin(), shownNames_.end(), names.begin() + 1);
        if (newInFront)
            ++viewedLog_;
        if (static_cast<std::size_t>(viewedLog_) >= logs.size())
            viewedLog_ = 0;
        if (!logs.empty())
            lines = logs[static_cast<std::size_t>(viewedLog_)].lines;
    }
    if (names != shownNames_)
        fillSelector(names);
    model_->setLines(lines);
}

void CPageLog::fillSelector(const std::vector<std::string>& names)
{
    const QSignalBlocker quiet(selector_);
    selector_->clear();
    for (const std::string& name : names)
        selector_->addItem(QString::fromStdString(name));
    selector_->setCurrentIndex(viewedLog_);
    shownNames_ = names;
}

// ------------------------------------------------------------ export

void CPageLog::showError(const QString& message) { prompter().message(this, MessageKind::Error, message); }

void CPageLog::exportTxt()
{
    const QStringList lines = viewedLines();
    QString path = prompter().saveFileName(this, text(text_id::kTextFilesFilter), text(text_id::kProposedTextExport));
    if (path.isEmpty())
        return;
    path = withSuffix(path, QStringLiteral("txt"));
    if (!eventlog::writeTextExport(path, lines)) {
        showError(strings::formatTexts(text_id::kCouldNotCreateFile, {path}));
        return;
    }
    prompter().openWithDesktop(path);
}

void CPageLog::exportPdf()
{
    const QStringList lines = viewedLines();
    QString path = prompter().saveFileName(this, text(text_id::kPdfFilesFilter), text(text_id::kProposedPdfExport));
    if (path.isEmpty())
        return;
    path = withSuffix(path, QStringLiteral("pdf"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString name = documentName_ ? documentName_() : QString();
    const eventlog::PdfExportResult result = eventlog::exportPdf(lines, name, path, pdfSetup_);
    QApplication::restoreOverrideCursor();
    if (!result.made) {
        showError(result.error);
        return;
    }
    prompter().openWithDesktop(path);
}

// ------------------------------------------------------------ printing

QPrinter& CPageLog::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void CPageLog::print()
{
    QPrintDialog dialog(&printer(), this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (prompter().exec(dialog) != QDialog::Accepted)
        return;
    if (!LogPrinter::print(printer(), documentName_ ? documentName_() : QString(), viewedLines()))
        showError(text(text_id::kPrinterNotOpened));
}

void CPageLog::printPreview()
{
    table_->setFocus();
    const QStringList lines = viewedLines();
    const QString name = documentName_ ? documentName_() : QString();
    LogPreviewDialog dialog(&printer(), this);
    dialog.setObjectName(QStringLiteral("printPreviewDialog"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            // The preview draws into pages in memory, which always open.
            [&lines, &name](QPrinter* target) { (void)LogPrinter::print(*target, name, lines); });
    prompter().exec(dialog);
}

void CPageLog::printSetup()
{
    QPageSetupDialog dialog(&printer(), this);
    dialog.setObjectName(QStringLiteral("printSetupDialog"));
    prompter().exec(dialog);
}

} // namespace qarvo::gui
