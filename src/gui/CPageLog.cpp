#include "gui/CPageLog.h"

#include "session/PanelSession.h"
#include "app/Strings.h"
#include "base/TextIds.h"
#include "eventlog/TextExport.h"
#include "gui/LogLinesModel.h"
#include "gui/LogPrinter.h"
#include "gui/Prompter.h"
#include "gui/ShellTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace qarvo::gui {

namespace {

// The save dialog adds no extension of its own.
QString withSuffix(QString path, const QString& suffix)
{
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + suffix;
    return path;
}

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

    model_ = new LogLinesModel(this);
    list_ = new QListView;
    list_->setObjectName(QStringLiteral("logLines"));
    list_->setModel(model_);
    list_->setUniformItemSizes(true); // thousands of rows stay cheap to lay out
    list_->setFont(LogPrinter::font());
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);

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

    auto* top = new QHBoxLayout;
    top->addWidget(viewLabel);
    top->addWidget(selector_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(break_);
    buttons->addStretch(1);
    buttons->addWidget(exportPdf_);
    buttons->addWidget(exportTxt_);
    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
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

void CPageLog::attach(session::PanelSession& session, std::function<QString()> documentName)
{
    session_ = &session;
    documentName_ = std::move(documentName);
    // The reading reports on the worker thread; the list follows on this one.
    session.eventLogReader().setListener({.groupStarted = [this] { scheduleSync(); },
                                          .lineInserted = [this](int, const std::string&) { scheduleSync(); },
                                          .progress = {},
                                          .ended = [this] { scheduleSync(); },
                                          .beforeMark = {},
                                          .recordRead = {}});
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
        session_->worker.breakOperation(operations::kReadEventLog);
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
    const eventlog::PdfExportResult result = eventlog::exportPdf(lines, path, pdfSetup_);
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
    list_->setFocus();
    const QStringList lines = viewedLines();
    const QString name = documentName_ ? documentName_() : QString();
    QPrintPreviewDialog dialog(&printer(), this);
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
