#include "gui/pages/CPageOnline.h"

#include "session/PanelJob.h"
#include "base/TextIds.h"
#include "gui/models/PgmListModel.h"
#include "gui/shell/ShellTexts.h"
#include "gui/widgets/CListZones.h"
#include "gui/widgets/CStaticLed.h"
#include "gui/widgets/CStatusEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace qarvo::gui {
namespace {

using online::Button;

// Labels and buttons of the page (their control ids are their text ids).
constexpr int kPanelClockLabel = 2413;
constexpr int kPcClockLabel = 2414;
constexpr int kChimeLabel = 2415;
constexpr int kPartitionBLabel = 2417;
constexpr int kPanelLabel = 2418;
constexpr int kTroublesLabel = 2419;
constexpr int kNotesLabel = 2428;
constexpr int kSideAreaChars = 30;

// The colours of a partition's status field: armed (or leaving), disarmed.
const QColor kArmedText(0x5A, 0x1E, 0x00);
const QColor kArmedBackground(0xFF, 0xE0, 0xB2);
const QColor kDisarmedText(0x0B, 0x3D, 0x1B);
const QColor kDisarmedBackground(0xDC, 0xF0, 0xE0);

// The document keeps the notes with the line ends of the panel program's
// edit fields.
const QString kDocumentLineEnd = QStringLiteral("\r\n");

QLabel* label(int textId, const char* name)
{
    auto* l = new QLabel(text(textId));
    l->setObjectName(QLatin1String(name));
    return l;
}

CStaticLed* led(int textId, const char* name)
{
    auto* l = new CStaticLed;
    l->setText(text(textId));
    l->setObjectName(QLatin1String(name));
    return l;
}

CStatusEdit* field(const char* name, bool bold)
{
    auto* f = new CStatusEdit;
    f->setObjectName(QLatin1String(name));
    if (bold) {
        QFont font = f->font();
        font.setBold(true);
        f->setFont(font);
    }
    return f;
}

QPushButton* commandButton(int textId, const char* name)
{
    auto* b = new QPushButton(text(textId));
    b->setObjectName(QLatin1String(name));
    b->setEnabled(false);
    b->setAutoDefault(false);
    return b;
}

bool armedCaption(int captionId) { return captionId == text_id::kDisarm; }

void showPartition(CStatusEdit& status, const online::PartitionRow& row)
{
    if (status.text() != row.status)
        status.setText(row.status);
    if (row.status.isEmpty())
        status.resetColours();
    else if (armedCaption(row.button.captionId))
        status.setColours(kArmedText, kArmedBackground);
    else
        status.setColours(kDisarmedText, kDisarmedBackground);
}

void showButton(QPushButton& button, const QString& caption, bool enabled)
{
    if (button.text() != caption)
        button.setText(caption);
    button.setEnabled(enabled);
}

void showText(QLineEdit& edit, const QString& value)
{
    if (edit.text() != value)
        edit.setText(value);
}

} // namespace

CPageOnline::CPageOnline(QWidget* parent)
    : CPage(text_id::kPageOnlineStatus, parent),
      model_(online::OnlineModel::Sources{
          [this] {
              if (!session_)
                  return operations::StatusCounts{};
              const panel::PanelIdentity& id = session_->doc.identity();
              return operations::StatusCounts{id.zoneCount, id.pgmCount};
          },
          [this] { return session_ ? session_->worker.panelClock() : operations::PanelClock{}; },
          {}})
{
    setObjectName(QStringLiteral("onlinePage"));
    // Reports come in bursts (a status poll brings a dozen): the page is
    // shown again once the burst has been taken.
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(0);
    connect(&refreshTimer_, &QTimer::timeout, this, &CPageOnline::refreshNow);
    build();
    connectButtons();
    refreshNow();
}

void CPageOnline::build()
{
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setObjectName(QStringLiteral("onlineSplitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildZoneArea());
    splitter->addWidget(buildSideArea());
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 1);

    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(buildStatusArea());
    layout->addWidget(splitter, 1);

    setScrollingBody(contents, QStringLiteral("onlineScroll"));
}

QWidget* CPageOnline::buildStatusArea()
{
    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);

    panelLed_ = led(kPanelLabel, "panelLabel");
    panelModel_ = field("panelModel", false);
    chime_ = field("chime", true);
    chimeButton_ = commandButton(text_id::kChimeOnOrOff, "chimeButton");
    panelClock_ = field("panelClock", true);
    syncTime_ = commandButton(2420, "syncTime");
    pcClock_ = field("pcClock", true);
    troubles_ = field("troubles", true);
    systemLed_ = led(text_id::kSystemIs, "systemLabel");
    systemStatus_ = field("systemStatus", true);
    systemButton_ = commandButton(text_id::kArmOrDisarm, "systemButton");
    partitionBLed_ = led(kPartitionBLabel, "partitionBLabel");
    partitionBStatus_ = field("partitionBStatus", true);
    partitionBButton_ = commandButton(text_id::kArmOrDisarm, "partitionBButton");

    // Two columns of label, field and button; the troubles and the
    // partition lines span the width.
    grid->addWidget(panelLed_, 0, 0);
    grid->addWidget(panelModel_, 0, 1, 1, 2);
    grid->addWidget(label(kChimeLabel, "chimeLabel"), 0, 3);
    grid->addWidget(chime_, 0, 4);
    grid->addWidget(chimeButton_, 0, 5);
    grid->addWidget(label(kPanelClockLabel, "panelClockLabel"), 1, 0);
    grid->addWidget(panelClock_, 1, 1);
    grid->addWidget(syncTime_, 1, 2);
    grid->addWidget(label(kPcClockLabel, "pcClockLabel"), 1, 3);
    grid->addWidget(pcClock_, 1, 4, 1, 2);
    grid->addWidget(label(kTroublesLabel, "troublesLabel"), 2, 0);
    grid->addWidget(troubles_, 2, 1, 1, 5);
    // The partitions share one line; partition B's half shows only in
    // partitioned mode, and the system's status then takes the whole line.
    auto* partitions = new QHBoxLayout;
    partitions->setSpacing(6);
    partitions->addWidget(systemLed_);
    partitions->addWidget(systemStatus_, 1);
    partitions->addWidget(systemButton_);
    partitions->addSpacing(6);
    partitions->addWidget(partitionBLed_);
    partitions->addWidget(partitionBStatus_, 1);
    partitions->addWidget(partitionBButton_);
    grid->addLayout(partitions, 3, 0, 1, 6);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(4, 2);
    return area;
}

QWidget* CPageOnline::buildZoneArea()
{
    auto* area = new QWidget;
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    zones_ = new CListZones(model_);
    bypassButton_ = commandButton(text_id::kUnOrBypass, "bypassButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bypassButton_);
    buttons->addStretch(1);
    layout->addWidget(zones_, 1);
    layout->addLayout(buttons);
    return area;
}

QWidget* CPageOnline::buildSideArea()
{
    auto* area = new QWidget;
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);

    pgms_ = new PgmListModel(model_, this);
    pgmList_ = new QTableView;
    pgmList_->setObjectName(QStringLiteral("pgmList"));
    pgmList_->setModel(pgms_);
    pgmList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    pgmList_->setSelectionMode(QAbstractItemView::SingleSelection);
    pgmList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pgmList_->setTabKeyNavigation(false);
    pgmList_->setShowGrid(false);
    pgmList_->setWordWrap(false);
    pgmList_->verticalHeader()->hide();
    pgmList_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // The number takes what it needs; the type takes the rest and is elided
    // rather than scrolled sideways.
    pgmList_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    pgmList_->horizontalHeader()->setStretchLastSection(true);
    pgmList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pgmButton_ = commandButton(2427, "pgmButton");

    auto* notesLabel = label(kNotesLabel, "notesLabel");
    notes_ = new QPlainTextEdit;
    notes_->setObjectName(QStringLiteral("panelNotes"));
    notes_->setTabChangesFocus(true);
    notesLabel->setBuddy(notes_);

    layout->addWidget(pgmList_, 2);
    layout->addWidget(pgmButton_);
    layout->addWidget(notesLabel);
    layout->addWidget(notes_, 1);
    // Wide enough for a PGM's number and a type such as "49/bistable = OFF".
    area->setMinimumWidth(fontMetrics().averageCharWidth() * kSideAreaChars);
    return area;
}

void CPageOnline::connectButtons()
{
    const std::pair<QPushButton*, Button> buttons[] = {
        {syncTime_, Button::SyncTime},         {chimeButton_, Button::Chime},
        {systemButton_, Button::PartitionA},   {partitionBButton_, Button::PartitionB},
        {bypassButton_, Button::Bypass},       {pgmButton_, Button::Pgm},
    };
    for (const auto& [b, which] : buttons)
        connect(b, &QPushButton::clicked, this, [this, which = which] { press(which); });

    connect(zones_, &CListZones::zoneSelected, this, [this](int index) {
        model_.selectZone(index < 0 ? std::nullopt : std::optional<int>(index));
        refreshButtons();
    });
    connect(pgmList_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = pgmList_->selectionModel()->selectedRows();
        model_.selectPgm(rows.isEmpty() ? std::nullopt : std::optional<int>(rows.front().row()));
        refreshButtons();
    });
    connect(pgms_, &QAbstractItemModel::modelReset, this, [this] {
        model_.selectPgm(std::nullopt);
        refreshButtons();
    });
    connect(notes_, &QPlainTextEdit::textChanged, this, &CPageOnline::takeNotes);
}

QPushButton* CPageOnline::button(Button which) const
{
    switch (which) {
    case Button::SyncTime: return syncTime_;
    case Button::Chime: return chimeButton_;
    case Button::PartitionA: return systemButton_;
    case Button::PartitionB: return partitionBButton_;
    case Button::Bypass: return bypassButton_;
    case Button::Pgm: return pgmButton_;
    }
    return nullptr;
}

void CPageOnline::bind(session::PanelJob& job)
{
    job_ = &job;
    session_ = &job.panel();
    showImage();
    scheduleRefresh();
}

// ------------------------------------------------------------ reports

void CPageOnline::report(const ReportNotice& notice)
{
    if (model_.apply(notice))
        scheduleRefresh();
}

void CPageOnline::operationStarting(int code)
{
    model_.apply(ReportNotice{report_kind::kOperationStarting, {}, code});
    // The buttons go grey at once, before the worker takes the new code.
    refreshButtons();
    scheduleRefresh();
}

void CPageOnline::workerEnded()
{
    model_.apply(ReportNotice{report_kind::kWorkerEnded, {}, 0});
    scheduleRefresh();
}

void CPageOnline::scheduleRefresh()
{
    if (!refreshTimer_.isActive())
        refreshTimer_.start();
}

void CPageOnline::refreshNow()
{
    refreshTimer_.stop();
    ++refreshes_;
    refreshTexts();
    refreshLeds();
    zones_->refresh();
    pgms_->refresh();
    refreshButtons();
    emit refreshed();
}

void CPageOnline::refreshTexts()
{
    showText(*panelModel_, model_.modelText().trimmed());
    showText(*panelClock_, model_.panelClockText());
    showText(*pcClock_, model_.pcClockText());
    panelClock_->setEnabled(model_.clocksEnabled());
    pcClock_->setEnabled(model_.clocksEnabled());
    showText(*chime_, model_.chimeText());
    showText(*troubles_, model_.troubleText());
    showPartition(*systemStatus_, model_.systemRow());
    showPartition(*partitionBStatus_, model_.partitionBRow());
    systemLed_->setText(text(model_.systemLabelId()));
    const bool partitioned = model_.partitionedMode();
    partitionBLed_->setVisible(partitioned);
    partitionBStatus_->setVisible(partitioned);
    partitionBButton_->setVisible(partitioned);
}

void CPageOnline::refreshLeds()
{
    // A partition's lamp is lit while it is armed or leaving, and takes its
    // alarm look while one of its zones is in alarm.
    const auto burglary = online::indicatorBits(online::Indicator::Burglary);
    const auto tamper = online::indicatorBits(online::Indicator::TamperAlarm);
    bool alarmA = false;
    bool alarmB = false;
    for (int z = 0; z < model_.shownZones(); ++z) {
        const std::uint32_t word = model_.zone(z).indicators;
        alarmA = alarmA || (word & (burglary.a | tamper.a));
        alarmB = alarmB || (word & (burglary.b | tamper.b));
    }
    systemLed_->setOn(armedCaption(model_.systemRow().button.captionId));
    systemLed_->setAlarm(alarmA);
    partitionBLed_->setOn(armedCaption(model_.partitionBRow().button.captionId));
    partitionBLed_->setAlarm(alarmB);
    // The panel's lamp is lit while the panel is known, in its alarm look
    // while it reports troubles.
    const bool known = !model_.modelText().isEmpty() && !model_.systemRow().status.isEmpty();
    panelLed_->setOn(known);
    panelLed_->setAlarm(known && model_.troubleText() != text(text_id::kNoSystemTroubles));
}

void CPageOnline::refreshButtons()
{
    showButton(*syncTime_, text(model_.syncTimeButton().captionId), model_.syncTimeButton().enabled);
    showButton(*chimeButton_, text(model_.chimeButton().captionId), model_.chimeButton().enabled);
    showButton(*systemButton_, text(model_.systemRow().button.captionId), model_.systemRow().button.enabled);
    showButton(*partitionBButton_, text(model_.partitionBRow().button.captionId),
               model_.partitionedMode() && model_.partitionBRow().button.enabled);
    showButton(*bypassButton_, text(model_.zoneButton().captionId), model_.zoneButton().enabled);
    showButton(*pgmButton_, model_.pgmButtonText(), model_.pgmButtonEnabled());
}

void CPageOnline::press(Button which)
{
    const auto request = model_.requestFor(which);
    if (!request || !job_)
        return;
    if (const auto open = model_.openZonesArmedBy(which); !open.empty() && confirmArming && !confirmArming(open))
        return;
    job_->startCommand(request->operation, request->argument);
}

// ------------------------------------------------------------ notes

void CPageOnline::documentReplaced()
{
    if (session_ && !session_->worker.panelLinkUp()) {
        model_.forgetPanel();
        scheduleRefresh();
    }
}

void CPageOnline::showImage()
{
    if (!session_)
        return;
    std::vector<QString> names;
    for (const panel::ZoneRow& zone : session_->forms.installer.zones)
        names.push_back(QString::fromStdString(zone.name));
    model_.setZoneNames(std::move(names));
    scheduleRefresh();
    QString notes = QString::fromStdString(session_->doc.panelNotes());
    notes.replace(kDocumentLineEnd, QStringLiteral("\n"));
    if (notes == notes_->toPlainText())
        return;
    showingNotes_ = true;
    notes_->setPlainText(notes);
    showingNotes_ = false;
}

void CPageOnline::takeNotes()
{
    if (showingNotes_ || !session_)
        return;
    QString notes = notes_->toPlainText();
    notes.replace(QStringLiteral("\n"), kDocumentLineEnd);
    std::string utf8 = notes.toStdString();
    if (utf8 != session_->doc.panelNotes())
        session_->doc.setPanelNotes(std::move(utf8));
}

} // namespace qarvo::gui
