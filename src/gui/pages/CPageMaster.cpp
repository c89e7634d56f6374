#include "gui/pages/CPageMaster.h"

#include "session/PanelSession.h"
#include "base/CellEditRules.h"
#include "base/TextIds.h"
#include "gui/models/PgmTimeCells.h"
#include "gui/shell/ShellTexts.h"
#include "gui/widgets/CListCtrlEx.h"
#include "gui/widgets/CPhoneEdit.h"
#include "panel/FormContext.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QVBoxLayout>

#include <array>

namespace qarvo::gui {

namespace {

namespace mc = panel::master_control;
using panel::MasterForm;

// Label texts of the page (control labels take their control's id).
constexpr int kIdHeader = 129;
constexpr int kNameHeader = 130;
constexpr int kNumberHeader = 131;
constexpr int kPgmHeader = 143;
constexpr int kActivationHeader = 145;
constexpr int kDeactivationHeader = 146;
constexpr int kUserCodesTitle = 2217;
constexpr int kAmbushLabel = 2218;
constexpr std::array kLegendIds{2221, 2222, 2223, 2224};
constexpr int kFollowMeLabel01 = 2226;
constexpr int kVoiceCountLabels = 2231; // two lines: reporting time, dialing sequences
constexpr int kRoundMomentLabels = 2240; // two lines: start, finish
constexpr int kRoundPeriodLabels = 2242; // two lines: period, warning time
constexpr int kPgmTimesTitle = 2244;
constexpr int kPartitionATitle = 2248;
constexpr int kPartitionALabels = 2249; // autoarming, autodisarming, inactivity, hour:min hint
constexpr int kPartitionBTitle = 2259;
constexpr int kPartitionBLabels = 2260;

constexpr std::array kVoiceOptionIds{2230, 2232, 2233, 2234, 2235, 2236, 2237, 2238};

// The typed fields: where the text lives in the form, its length and the
// characters it takes.
const QString kDigits = QStringLiteral("[0-9]*");
const QString kTime = QStringLiteral("[0-9:]*");
struct TextField {
    int control;
    std::string MasterForm::*value;
};
constexpr std::array kTextFields{
    TextField{mc::kAmbushDigit, &MasterForm::ambushDigit},
    TextField{mc::kVoiceReportingTime, &MasterForm::voiceReportingTime},
    TextField{mc::kVoiceDialingSequences, &MasterForm::voiceDialingSequences},
    TextField{mc::kRoundsStart, &MasterForm::roundsStart},
    TextField{mc::kRoundsFinish, &MasterForm::roundsFinish},
    TextField{mc::kRoundPeriod, &MasterForm::roundPeriod},
    TextField{mc::kWarningTime, &MasterForm::warningTime},
    TextField{mc::kPartitionAAutoarm, &MasterForm::partitionAAutoarm},
    TextField{mc::kPartitionAAutodisarm, &MasterForm::partitionAAutodisarm},
    TextField{mc::kPartitionAInactivity, &MasterForm::partitionAInactivity},
    TextField{mc::kPartitionBAutoarm, &MasterForm::partitionBAutoarm},
    TextField{mc::kPartitionBAutodisarm, &MasterForm::partitionBAutodisarm},
    TextField{mc::kPartitionBInactivity, &MasterForm::partitionBInactivity},
};
constexpr int kHourMinuteLength = 5;
constexpr int kFollowMeLength = 15;

// User grid columns: hidden, number, code, name, attributes A-K, P1-P8.
constexpr int kNameColumn = 3;
constexpr int kFirstAttributeColumn = 4;
constexpr int kFirstPgmColumn = kFirstAttributeColumn + panel::kCodeAttributeCount;
constexpr int kCodeLength = 6;
// Column colours as 0xBBGGRR: the arming attributes, the rounds and card
// attributes, the PGMs.
constexpr quint32 kArmingColour = 0xC0C0FF;
constexpr quint32 kRoundsColour = 0xC0FFC0;
constexpr quint32 kPgmColour = 0xFFC0C0;
constexpr int kRoundsAttributes = 8; // I, J and K follow A to H
constexpr std::array kLegendColours{kArmingColour, kArmingColour, kRoundsColour, kPgmColour};

GridColumnType columnType(cells::CellKind kind, bool editable = true, std::optional<QColor> background = {},
                          int length = 0)
{
    GridColumnType type;
    type.kind = kind;
    type.editable = editable;
    type.background = background;
    type.length = length;
    return type;
}

QStringList lines(int textId) { return text(textId).split(u'\n'); }

QString line(int textId, int index)
{
    const QStringList all = lines(textId);
    return index < all.size() ? all[index] : QString();
}

QString userRowLabel(int row)
{
    return row == 0 ? text(text_id::kMaster) : QStringLiteral("%1 %2").arg(text(text_id::kUser)).arg(row, 2, 10, QChar(u'0'));
}

constexpr PgmTimeColumns kPgmTimeColumns{panel::master_pgm_column::kActivation,
                                         panel::master_pgm_column::kDeactivation};

} // namespace

CPageMaster::CPageMaster(QWidget* parent) : CPage(text_id::kPageMasterFunctions, parent)
{
    // The user codes take the page's height beside the rest on a wide page.
    // The pair is the page's own layout: inside another box its height
    // would be held at what its word-wrapped legends prefer.
    QWidget* userCodes = buildUserCodes();
    auto* rest = new QWidget;
    auto* layout = new QVBoxLayout(rest);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    auto* contents = new QWidget;
    QBoxLayout* page = addPair(userCodes, rest);
    contents->setLayout(page);
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(6);

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildFollowMe());
    middle->addWidget(buildRounds(), 1);
    layout->addLayout(middle);
    layout->addWidget(buildVoice());

    auto* bottom = new QHBoxLayout;
    auto* partitions = new QVBoxLayout;
    partitions->addWidget(buildPartition(kPartitionATitle, kPartitionALabels, mc::kPartitionAAutoarm));
    partitions->addWidget(buildPartition(kPartitionBTitle, kPartitionBLabels, mc::kPartitionBAutoarm));
    partitions->addStretch(1);
    bottom->addLayout(partitions);
    bottom->addWidget(buildPgmTimes(), 1);
    layout->addLayout(bottom, 2);

    setScrollingBody(contents, QStringLiteral("masterScroll"));
    setUpUserGrid(0);
}

QLineEdit* CPageMaster::addTextField(int control, int length, const QString& allowed)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QStringLiteral("control%1").arg(control));
    edit->setMaxLength(length);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(allowed), edit));
    const QFontMetrics metrics(edit->font());
    edit->setMaximumWidth(metrics.horizontalAdvance(QString(length + 3, u'0')) + 12);
    const auto field = std::ranges::find(kTextFields, control, &TextField::control);
    connect(edit, &QLineEdit::textEdited, this, [this, value = field->value](const QString& typed) {
        if (!showing_ && session_) {
            form().*value = typed.toStdString();
            emit edited();
        }
    });
    controls_.add(control, edit);
    return edit;
}

QWidget* CPageMaster::buildUserCodes()
{
    auto* group = new QGroupBox(text(kUserCodesTitle));
    auto* layout = new QVBoxLayout(group);

    auto* ambush = new QHBoxLayout;
    auto* ambushLabel = new QLabel(text(kAmbushLabel));
    QLineEdit* ambushEdit = addTextField(mc::kAmbushDigit, 1, kDigits);
    ambushLabel->setBuddy(ambushEdit);
    ambush->addWidget(ambushLabel);
    ambush->addWidget(ambushEdit);
    ambush->addStretch(1);
    layout->addLayout(ambush);

    userGrid_ = new CListCtrlEx(mc::kUserGrid);
    userGrid_->setObjectName(QStringLiteral("userGrid"));
    userGrid_->setMinimumHeight(170);
    controls_.add(mc::kUserGrid, userGrid_);
    connect(userGrid_, &CListCtrlEx::cellEdited, this, &CPageMaster::userCellEdited);
    connect(userGrid_, &CListCtrlEx::headerClicked, this, &CPageMaster::userHeaderClicked);
    layout->addWidget(userGrid_, 1);

    // The legends wrap their lines rather than widen the page.
    auto* legends = new QHBoxLayout;
    for (std::size_t i = 0; i < kLegendIds.size(); ++i) {
        auto* legend = new QLabel(text(kLegendIds[i]));
        legend->setAutoFillBackground(true);
        QPalette palette = legend->palette();
        palette.setColor(QPalette::Window, colourFromBgr(kLegendColours[i]));
        palette.setColor(QPalette::WindowText, Qt::black);
        legend->setPalette(palette);
        legend->setMargin(3);
        legend->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        legend->setWordWrap(true);
        legends->addWidget(legend, 1);
    }
    layout->addLayout(legends);
    return group;
}

QWidget* CPageMaster::buildFollowMe()
{
    auto* group = new QGroupBox;
    auto* layout = new QGridLayout(group);
    for (int i = 0; i < panel::kFollowMeNumbers; ++i) {
        auto* edit = new CPhoneEdit;
        const int control = mc::kFollowMe01 + i;
        edit->setObjectName(QStringLiteral("control%1").arg(control));
        edit->setMaxLength(kFollowMeLength);
        edit->setMinimumWidth(QFontMetrics(edit->font()).horizontalAdvance(QString(kFollowMeLength + 1, u'0')));
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& typed) {
            if (!showing_ && session_) {
                form().followMe[std::size_t(i)] = typed.toStdString();
                emit edited();
            }
        });
        controls_.add(control, edit);
        auto* label = new QLabel(text(kFollowMeLabel01 + i));
        label->setBuddy(edit);
        layout->addWidget(label, i, 0);
        layout->addWidget(edit, i, 1);
    }
    return group;
}

QWidget* CPageMaster::buildRounds()
{
    auto* group = new QGroupBox;
    auto* layout = new QGridLayout(group);
    const std::array<std::pair<QString, QLineEdit*>, 4> rows{{
        {line(kRoundMomentLabels, 0), addTextField(mc::kRoundsStart, kHourMinuteLength, kTime)},
        {line(kRoundMomentLabels, 1), addTextField(mc::kRoundsFinish, kHourMinuteLength, kTime)},
        {line(kRoundPeriodLabels, 0), addTextField(mc::kRoundPeriod, 3, kDigits)},
        {line(kRoundPeriodLabels, 1), addTextField(mc::kWarningTime, 3, kDigits)},
    }};
    for (int r = 0; r < int(rows.size()); ++r) {
        auto* label = new QLabel(rows[std::size_t(r)].first);
        label->setBuddy(rows[std::size_t(r)].second);
        layout->addWidget(label, r, 0);
        layout->addWidget(rows[std::size_t(r)].second, r, 1);
    }
    layout->setColumnStretch(2, 1);
    return group;
}

QWidget* CPageMaster::buildVoice()
{
    auto* group = new QGroupBox;
    auto* layout = new QGridLayout(group);
    int row = 0;
    for (const int id : kVoiceOptionIds) {
        auto* box = new QCheckBox(text(id));
        box->setObjectName(QStringLiteral("control%1").arg(id));
        connect(box, &QCheckBox::toggled, this, [this, id](bool on) {
            if (!showing_ && session_) {
                form().voiceOptions[id] = on ? 1 : 0;
                emit edited();
            }
        });
        controls_.add(id, box);
        layout->addWidget(box, row++, 0, 1, 3);
    }
    const std::array counts{mc::kVoiceReportingTime, mc::kVoiceDialingSequences};
    for (int i = 0; i < int(counts.size()); ++i) {
        auto* label = new QLabel(line(kVoiceCountLabels, i));
        QLineEdit* edit = addTextField(counts[std::size_t(i)], 2, kDigits);
        label->setBuddy(edit);
        layout->addWidget(label, row, 0);
        layout->addWidget(edit, row++, 1);
    }
    layout->setColumnStretch(2, 1);
    return group;
}

QWidget* CPageMaster::buildPartition(int titleId, int firstLabelId, int firstControl)
{
    auto* group = new QGroupBox(text(titleId));
    group->setObjectName(QStringLiteral("partition%1").arg(titleId));
    auto* layout = new QGridLayout(group);
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(text(firstLabelId + i));
        QLineEdit* edit = addTextField(firstControl + i, kHourMinuteLength, kTime);
        edit->setPlaceholderText(text(firstLabelId + 3));
        label->setBuddy(edit);
        labels_[firstControl + i] = label;
        layout->addWidget(label, i, 0);
        layout->addWidget(edit, i, 1);
    }
    layout->addWidget(new QLabel(text(firstLabelId + 3)), 3, 0, 1, 2);
    layout->setColumnStretch(2, 1);
    return group;
}

QWidget* CPageMaster::buildPgmTimes()
{
    auto* group = new QGroupBox(text(kPgmTimesTitle));
    auto* layout = new QVBoxLayout(group);
    pgmGrid_ = new CListCtrlEx(mc::kPgmGrid);
    pgmGrid_->setObjectName(QStringLiteral("pgmGrid"));
    pgmGrid_->setMinimumHeight(120);
    pgmGrid_->setColumnCount(4);
    pgmGrid_->defineColumn(0, {}, 0);
    pgmGrid_->defineColumn(1, text(kPgmHeader), 100);
    pgmGrid_->setColumnType(1, columnType(cells::CellKind::None, false));
    for (const int column : {panel::master_pgm_column::kActivation, panel::master_pgm_column::kDeactivation}) {
        pgmGrid_->defineColumn(column, text(column == panel::master_pgm_column::kActivation ? kActivationHeader
                                                                                            : kDeactivationHeader),
                               100, Qt::AlignCenter);
        pgmGrid_->setColumnType(column, columnType(cells::CellKind::TimePickerOnOff));
    }
    controls_.add(mc::kPgmGrid, pgmGrid_);
    connect(pgmGrid_, &CListCtrlEx::cellEdited, this, &CPageMaster::pgmCellEdited);
    layout->addWidget(pgmGrid_);
    return group;
}

void CPageMaster::setUpUserGrid(int pgmColumns)
{
    if (pgmColumns == pgmColumns_)
        return;
    pgmColumns_ = pgmColumns;
    userGrid_->setColumnCount(kFirstPgmColumn + pgmColumns);
    userGrid_->defineColumn(0, {}, 0);
    userGrid_->defineColumn(panel::code_column::kLabel, text(kNumberHeader), 70);
    userGrid_->setColumnType(panel::code_column::kLabel, columnType(cells::CellKind::None, false));
    userGrid_->defineColumn(panel::code_column::kCode, text(kIdHeader), 50);
    userGrid_->setColumnType(panel::code_column::kCode,
                             columnType(cells::CellKind::Decimal, true, {}, kCodeLength));
    userGrid_->defineColumn(kNameColumn, text(kNameHeader), 80);
    userGrid_->setColumnType(kNameColumn, columnType(cells::CellKind::Text));
    for (int a = 0; a < panel::kCodeAttributeCount; ++a) {
        const QString letter(QChar(u'A' + a));
        userGrid_->defineColumn(kFirstAttributeColumn + a, letter, 25, Qt::AlignCenter);
        userGrid_->setColumnType(kFirstAttributeColumn + a,
                                 columnType(cells::CellKind::Check, true,
                                                colourFromBgr(a < kRoundsAttributes ? kArmingColour : kRoundsColour)));
    }
    for (int p = 0; p < pgmColumns; ++p) {
        userGrid_->defineColumn(kFirstPgmColumn + p, QStringLiteral("P%1").arg(p + 1), 28, Qt::AlignCenter);
        userGrid_->setColumnType(kFirstPgmColumn + p, columnType(cells::CellKind::Check, true, colourFromBgr(kPgmColour)));
    }
}

void CPageMaster::bind(session::PanelSession& session) { session_ = &session; }

panel::MasterForm& CPageMaster::form() { return session_->forms.master; }

void CPageMaster::showImage()
{
    if (!session_)
        return;
    showing_ = true;
    const MasterForm& f = form();
    for (const TextField& field : kTextFields)
        static_cast<QLineEdit*>(controls_.at(field.control))->setText(QString::fromStdString(f.*field.value));
    for (int i = 0; i < panel::kFollowMeNumbers; ++i)
        static_cast<QLineEdit*>(controls_.at(mc::kFollowMe01 + i))
            ->setText(QString::fromStdString(f.followMe[std::size_t(i)]));
    for (const int id : kVoiceOptionIds)
        static_cast<QCheckBox*>(controls_.at(id))->setChecked(panel::optionValue(f.voiceOptions, id) != 0);
    applyEnables();
    showUsers();
    showPgmTimes();
    showing_ = false;
}

void CPageMaster::showUsers()
{
    const bool wasShowing = std::exchange(showing_, true);
    const auto& users = form().users;
    userGrid_->setRowCount(int(users.size()));
    for (int r = 0; r < int(users.size()); ++r) {
        const panel::CodeRow& row = users[std::size_t(r)];
        userGrid_->setText(r, panel::code_column::kLabel, userRowLabel(r));
        userGrid_->setText(r, panel::code_column::kCode, QString::fromStdString(row.code));
        userGrid_->setText(r, kNameColumn, QString::fromStdString(row.name));
        for (int a = 0; a < panel::kCodeAttributeCount; ++a)
            userGrid_->setCheckState(r, kFirstAttributeColumn + a, row.attributes[std::size_t(a)] ? 1 : 0);
        for (int p = 0; p < pgmColumns_; ++p)
            userGrid_->setCheckState(r, kFirstPgmColumn + p, row.pgms[std::size_t(p)] ? 1 : 0);
    }
    userGrid_->fitColumnToContents(panel::code_column::kLabel);
    showing_ = wasShowing;
}

void CPageMaster::showPgmTimes()
{
    const auto& times = form().pgmTimes;
    pgmGrid_->setRowCount(int(times.size()));
    for (int r = 0; r < int(times.size()); ++r) {
        pgmGrid_->setText(r, 1, QStringLiteral("PGM%1").arg(r + 1));
        showPgmTimeCells(*pgmGrid_, r, times[std::size_t(r)], kPgmTimeColumns);
    }
}

void CPageMaster::applyEnables()
{
    if (!session_)
        return;
    const panel::FormContext context = panel::formContext(session_->doc);
    const panel::MasterEnables enables =
        panel::masterEnables(session_->forms.partitionSwitches(), context.model, context.pgmRows());
    const std::array<std::pair<int, bool>, 8> states{{
        {mc::kPartitionAAutoarm, enables.partitionAAutoarm},
        {mc::kPartitionAAutodisarm, enables.partitionAAutodisarm},
        {mc::kPartitionBAutoarm, enables.partitionBAutoarm},
        {mc::kPartitionBAutodisarm, enables.partitionBAutodisarm},
        {mc::kPartitionBInactivity, enables.partitionBGroup},
        {mc::kEnableVoiceModule, enables.enableVoiceModule},
        {mc::kBatteryVoiceReport, enables.batteryVoiceReport},
        {mc::kSelectiveFollowMe, enables.selectiveFollowMe},
    }};
    for (const auto& [id, on] : states) {
        controls_.at(id)->setEnabled(on);
        if (const auto label = labels_.find(id); label != labels_.end())
            label->second->setEnabled(on);
    }
    if (auto* groupB = findChild<QGroupBox*>(QStringLiteral("partition%1").arg(kPartitionBTitle)))
        groupB->setEnabled(enables.partitionBGroup);
    setUpUserGrid(enables.pgmColumns);
}

void CPageMaster::showEvent(QShowEvent* event)
{
    // The installer page may have changed the values both pages show and
    // the partition options the times depend on.
    showImage();
    CPage::showEvent(event);
}

void CPageMaster::userCellEdited(int row, int column)
{
    if (showing_ || !session_ || row < 0 || row >= int(form().users.size()))
        return;
    panel::CodeRow& user = form().users[std::size_t(row)];
    if (column == panel::code_column::kCode)
        user.code = userGrid_->text(row, column).toStdString();
    else if (column == kNameColumn)
        user.name = userGrid_->text(row, column).toStdString();
    else if (column >= kFirstPgmColumn)
        user.pgms[std::size_t(column - kFirstPgmColumn)] = userGrid_->checkState(row, column) == 1;
    else if (column >= kFirstAttributeColumn)
        user.attributes[std::size_t(column - kFirstAttributeColumn)] = userGrid_->checkState(row, column) == 1;
    emit edited();
}

void CPageMaster::userHeaderClicked(int column)
{
    if (!session_ || column < kFirstAttributeColumn)
        return;
    panel::toggleCodeColumn(form().users, column - kFirstAttributeColumn, pgmColumns_);
    showUsers();
    emit edited();
}

void CPageMaster::pgmCellEdited(int row, int column)
{
    if (showing_ || !session_ || row < 0 || row >= int(form().pgmTimes.size()))
        return;
    takePgmTimeCell(*pgmGrid_, row, column, form().pgmTimes[std::size_t(row)], kPgmTimeColumns);
    emit edited();
}

QWidget* CPageMaster::control(int id) const { return controls_.find(id); }

bool CPageMaster::holdsControl(int control) const { return controls_.contains(control); }

void CPageMaster::focusPlace(const panel::FormPlace& place) { controls_.focus(place, this); }

} // namespace qarvo::gui
