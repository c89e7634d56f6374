#include "gui/pages/CPageInst.h"

#include "session/PanelSession.h"
#include "base/TextIds.h"
#include "gui/models/PgmTimeCells.h"
#include "gui/shell/ShellTexts.h"
#include "gui/widgets/CHexEdit.h"
#include "gui/widgets/CListCtrlEx.h"
#include "gui/widgets/CPhoneEdit.h"
#include "panel/FormContext.h"
#include "panel/TypeLists.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimeEdit>
#include <QTimer>

#include <algorithm>
#include <array>
#include <utility>

namespace qarvo::gui {

namespace {

namespace ic = panel::installer_control;
namespace mc = panel::master_control;
using panel::InstallerForm;
using panel::MasterForm;

// Label texts of the page that no control shows itself.
constexpr int kDigitalCommunicator = 2042;
constexpr int kIdsTitle = 2044;
constexpr std::array kIdLabels{std::pair{2045, ic::kInstallerCode}, std::pair{2046, ic::kPanelIdCode},
                               std::pair{2047, ic::kPcIdCode}};
constexpr std::array kCodeLegendIds{2050, 2051, 2052, 2053};
constexpr int kZonesTitle = 2054;
constexpr std::array kZoneLegendIds{2056, 2057, 2058, 2059, 2060};
constexpr int kCodeLengthLabel = 2061;
constexpr int kDialingLabel = 2062;
constexpr int kAnsweringLabel = 2063;
constexpr int kTlmLabel = 2064;
constexpr int kWrongCodesLabel = 2066;
constexpr int kDtmfPrefixLabel = 2097;
constexpr int kRoundMomentLabels = 2098; // two lines: start, finish
constexpr int kRingsLabel = 2099;
constexpr int kTestIntervalLabel = 2100;
constexpr int kFirstTestLabel = 2101;
constexpr int kRoundPeriodLabels = 2103; // two lines: period, warning time
constexpr int kExitDelayLabel = 2104;
constexpr int kWelcomeLabel = 2105;
constexpr int kCallbackLabel = 2106;
constexpr int kSecondsUnit = 2107;
constexpr int kMinutesUnit = 2108;
constexpr int kDingUnit = 2109;
constexpr int kHourMinuteHint = 2110;
constexpr int kInactivityLabel = 2113;
constexpr int kVoiceCountLabels = 2117; // two lines: reporting time, dialing sequences
constexpr int kPgmTitle = 2095;
constexpr int kKeypadsTitle = 2102;
constexpr int kPartitionATitle = 2127;
constexpr int kPartitionBTitle = 2159;
// Partition B's check boxes carry partition A's texts, 32 ids further on.
constexpr int kPartitionBOffset = 32;

// Grid headers.
constexpr int kNumberHeader = 131;
constexpr int kIdHeader = 129;
constexpr int kPgmHeader = 143;
constexpr std::array kPgmHeaders{144, 145, 146, 147, 148, 243, 244}; // columns 2 to 8
constexpr int kMinutesItem = 149;
constexpr int kSecondsItem = 150;
constexpr int kKeypadHeader = 152;
constexpr std::array kKeypadHeaders{153, 158, 159, 245, 246}; // columns 2 to 6
constexpr int kZoneNumberHeader = 6007;
constexpr int kZoneTypeHeader = 6006;
constexpr int kZoneNameHeader = 6008;
constexpr int kZoneNameWidth = 120; // room for the 16 characters of a name

// Option lists: their items' texts, the list index being the bits' value.
struct OptionList {
    int control;
    std::array<int, 4> items; // 0 ends a shorter list
};
constexpr OptionList kOptionLists[] = {
    {ic::kPeriodicalTestUnit, {98, 99}},
    {ic::kLcdLanguage, {2185, 2186}},
    {2030, {2187, 2188}},             // dialing method
    {2031, {2189, 2190}},             // answering method
    {2033, {2191, 2192, 2193, 2194}}, // TLM option
    {2034, {2195, 2196}},             // DTMF levels
    {ic::kDtmfPrefix, {2197, 2198, 2199}},
};
QStringList optionListItems(int control)
{
    QStringList texts;
    for (const int id : std::ranges::find(kOptionLists, control, &OptionList::control)->items)
        if (id)
            texts << text(id);
    return texts;
}
// Lists whose items are plain figures.
const QStringList kCodeLengthItems{QStringLiteral("6"), QStringLiteral("4")};
const QStringList kPulseRatioItems{QStringLiteral("1:1,5"), QStringLiteral("1:2")};
constexpr int kPulseRatio = 2037;

// The edit fields: where the text lives (the installer form, or the master
// form for a value both pages show: its master page control), its length
// and the characters it takes.
enum class Chars { Digits, Hex, Time, Text, Phone };
struct TextField {
    int control;
    std::string InstallerForm::*installer;
    std::string MasterForm::*master;
    int length;
    Chars chars;
};
constexpr int kHourMinuteLength = 5;
constexpr int kCodeLength = 6;
constexpr TextField kTextFields[] = {
    {ic::kInstallerCode, &InstallerForm::installerCode, nullptr, kCodeLength, Chars::Digits},
    {ic::kPanelIdCode, &InstallerForm::panelIdCode, nullptr, 4, Chars::Hex},
    {ic::kPcIdCode, &InstallerForm::pcIdCode, nullptr, 4, Chars::Hex},
    {ic::kEntry1Delay, &InstallerForm::entry1Delay, nullptr, 3, Chars::Digits},
    {ic::kEntry2Delay, &InstallerForm::entry2Delay, nullptr, 3, Chars::Digits},
    {ic::kBellCutOff, &InstallerForm::bellCutOff, nullptr, 2, Chars::Digits},
    {ic::kFireCutOff, &InstallerForm::fireCutOff, nullptr, 2, Chars::Digits},
    {ic::kAcLossDelay, &InstallerForm::acLossDelay, nullptr, 2, Chars::Digits},
    {ic::kIntellizoneWindow, &InstallerForm::intellizoneWindow, nullptr, 3, Chars::Digits},
    {ic::kDingTime, &InstallerForm::dingTime, nullptr, 1, Chars::Hex},
    {ic::kDingPause, &InstallerForm::dingPause, nullptr, 1, Chars::Hex},
    {ic::kSwingerCounter, &InstallerForm::swingerCounter, nullptr, 2, Chars::Digits},
    {ic::kWrongCodes, &InstallerForm::wrongCodes, nullptr, 2, Chars::Digits},
    {ic::kExitDelayA, &InstallerForm::exitDelayA, nullptr, 2, Chars::Digits},
    {ic::kExitDelayB, &InstallerForm::exitDelayB, nullptr, 2, Chars::Digits},
    {ic::kNumberOfRings, &InstallerForm::numberOfRings, nullptr, 2, Chars::Digits},
    {ic::kPeriodicalTestInterval, &InstallerForm::periodicalTestInterval, nullptr, 3, Chars::Digits},
    {ic::kWelcomeMessage, &InstallerForm::welcomeMessage, nullptr, 16, Chars::Text},
    {ic::kCallbackPhone, &InstallerForm::callbackPhone, nullptr, 16, Chars::Phone},
    {mc::kVoiceReportingTime, nullptr, &MasterForm::voiceReportingTime, 2, Chars::Digits},
    {mc::kVoiceDialingSequences, nullptr, &MasterForm::voiceDialingSequences, 2, Chars::Digits},
    {mc::kRoundsStart, nullptr, &MasterForm::roundsStart, kHourMinuteLength, Chars::Time},
    {mc::kRoundsFinish, nullptr, &MasterForm::roundsFinish, kHourMinuteLength, Chars::Time},
    {mc::kRoundPeriod, nullptr, &MasterForm::roundPeriod, 3, Chars::Digits},
    {mc::kWarningTime, nullptr, &MasterForm::warningTime, 3, Chars::Digits},
    {mc::kPartitionAAutoarm, nullptr, &MasterForm::partitionAAutoarm, kHourMinuteLength, Chars::Time},
    {mc::kPartitionAAutodisarm, nullptr, &MasterForm::partitionAAutodisarm, kHourMinuteLength, Chars::Time},
    {mc::kPartitionAInactivity, nullptr, &MasterForm::partitionAInactivity, kHourMinuteLength, Chars::Time},
    {mc::kPartitionBAutoarm, nullptr, &MasterForm::partitionBAutoarm, kHourMinuteLength, Chars::Time},
    {mc::kPartitionBAutodisarm, nullptr, &MasterForm::partitionBAutodisarm, kHourMinuteLength, Chars::Time},
    {mc::kPartitionBInactivity, nullptr, &MasterForm::partitionBInactivity, kHourMinuteLength, Chars::Time},
};

// This page's control of a value the master page shows too.
int onThisPage(int masterControl)
{
    const auto shared = panel::sharedControls();
    const auto found = std::ranges::find(shared, masterControl, &panel::SharedControl::master);
    return found == shared.end() ? masterControl : found->installer;
}

// The master page's control of this page's shared value; 0 for none.
int onMasterPage(int control)
{
    const auto shared = panel::sharedControls();
    const auto found = std::ranges::find(shared, control, &panel::SharedControl::installer);
    return found == shared.end() ? 0 : found->master;
}

int pageControl(const TextField& field) { return field.master ? onThisPage(field.control) : field.control; }

const TextField* textField(int control)
{
    const auto found = std::ranges::find_if(kTextFields, [control](const TextField& f) { return pageControl(f) == control; });
    return found == std::end(kTextFields) ? nullptr : &*found;
}

QString allowedChars(Chars chars)
{
    switch (chars) {
    case Chars::Digits: return QStringLiteral("[0-9]*");
    case Chars::Time: return QStringLiteral("[0-9:]*");
    case Chars::Hex:   // the hex and phone edits filter their own characters
    case Chars::Text:
    case Chars::Phone: break;
    }
    return {};
}

// Codes grid: hidden, label, code, attributes A-K, then P1 onwards.
constexpr int kFirstCodeAttributeColumn = 3;
constexpr int kFirstCodePgmColumn = kFirstCodeAttributeColumn + panel::kCodeAttributeCount;
// Column colours as 0xBBGGRR, as on the master page's user grid.
constexpr quint32 kArmingColour = 0xC0C0FF;
constexpr quint32 kRoundsColour = 0xC0FFC0;
constexpr quint32 kPgmColour = 0xFFC0C0;
constexpr int kRoundsAttributes = 8; // I, J and K follow A to H
constexpr std::array kCodeLegendColours{kArmingColour, kArmingColour, kRoundsColour, kPgmColour};
constexpr int kAttributesPerLegend = 4;

QStringList lines(int textId) { return text(textId).split(u'\n'); }

QString line(int textId, int index)
{
    const QStringList all = lines(textId);
    return index < all.size() ? all[index] : QString();
}

GridColumnType columnType(cells::CellKind kind, bool editable = true, std::optional<QColor> background = {},
                          int length = 0, QStringList items = {})
{
    GridColumnType type;
    type.kind = kind;
    type.editable = editable;
    type.background = background;
    type.length = length;
    type.items = std::move(items);
    return type;
}

QLabel* legendLabel(const QString& content, std::optional<QColor> colour = {})
{
    auto* legend = new QLabel(content);
    if (colour) {
        legend->setAutoFillBackground(true);
        QPalette palette = legend->palette();
        palette.setColor(QPalette::Window, *colour);
        palette.setColor(QPalette::WindowText, Qt::black);
        legend->setPalette(palette);
    }
    legend->setMargin(3);
    legend->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    legend->setWordWrap(true);
    return legend;
}

// The zone attributes' names, A to S, from the legends' lines "A - name".
QStringList zoneAttributeNames()
{
    QStringList names;
    for (const int id : kZoneLegendIds)
        for (const QString& entry : lines(id))
            names << entry.section(QStringLiteral(" - "), 1);
    return names;
}

// A grid as tall as all its rows, so the page scrolls instead of it, with
// room for its scroll bar only while its columns are wider than it.
void fitRows(CListCtrlEx* grid)
{
    const bool scrolls = grid->columnsWidth() > grid->width();
    grid->setFixedHeight(grid->horizontalHeader()->sizeHint().height() +
                         grid->rowCount() * grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth() +
                         (scrolls ? grid->horizontalScrollBar()->sizeHint().height() : 0));
}

constexpr PgmTimeColumns kPgmTimeColumns{panel::pgm_column::kActivation, panel::pgm_column::kDeactivation};

} // namespace

CPageInst::CPageInst(QWidget* parent) : CPage(text_id::kPageInstallerFunctions, parent)
{
    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(buildIds());
    // Built in the order the page shows them, which is the keyboard's order.
    QWidget* zones = buildZones();
    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(buildKeypads());
    sideLayout->addWidget(buildRounds());
    sideLayout->addStretch(1);
    layout->addLayout(addPair(zones, side));
    QWidget* pgms = buildPgms();
    layout->addLayout(addPair(pgms, buildVoice()));
    QWidget* timers = buildTimers();
    layout->addLayout(addPair(timers, buildPhoneLine()));
    QWidget* general = buildGeneralOptions();
    layout->addLayout(addPair(general, buildSignalOptions()));
    QWidget* partitionA = buildPartition(false);
    layout->addLayout(addPair(partitionA, buildPartition(true)));
    layout->addStretch(1);

    setScrollingBody(contents, QStringLiteral("installerScroll"));
}

// ------------------------------------------------------------ building

QLineEdit* CPageInst::addEdit(int control)
{
    const TextField* field = textField(control);
    QLineEdit* edit = field->chars == Chars::Phone ? new CPhoneEdit
                      : field->chars == Chars::Hex ? new CHexEdit
                                                   : new QLineEdit;
    edit->setObjectName(QStringLiteral("control%1").arg(control));
    edit->setMaxLength(field->length);
    if (const QString allowed = allowedChars(field->chars); !allowed.isEmpty())
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(allowed), edit));
    const QFontMetrics metrics(edit->font());
    edit->setMinimumWidth(metrics.horizontalAdvance(QString(field->length + 1, u'0')) + 12);
    edit->setMaximumWidth(metrics.horizontalAdvance(QString(field->length + 3, u'W')) + 12);
    connect(edit, &QLineEdit::textEdited, this, [this, control](const QString& typed) {
        if (!showing_ && session_) {
            textSlot(control) = typed.toStdString();
            emit edited();
        }
    });
    controls_.add(control, edit);
    return edit;
}

QCheckBox* CPageInst::addCheck(int control, int textId)
{
    auto* box = new QCheckBox(text(textId));
    box->setObjectName(QStringLiteral("control%1").arg(control));
    connect(box, &QCheckBox::toggled, this, [this, control](bool on) {
        if (showing_ || !session_)
            return;
        optionSlot(control) = on ? 1 : 0;
        applyEnables();
        emit edited();
    });
    controls_.add(control, box);
    return box;
}

QComboBox* CPageInst::addList(int control, const QStringList& items)
{
    auto* list = new QComboBox;
    list->setObjectName(QStringLiteral("control%1").arg(control));
    list->addItems(items);
    connect(list, &QComboBox::currentIndexChanged, this, [this, control](int index) {
        if (!showing_ && session_ && index >= 0) {
            optionSlot(control) = index;
            emit edited();
        }
    });
    controls_.add(control, list);
    return list;
}

QLabel* CPageInst::addLabel(const QString& caption, QWidget* buddy, int control)
{
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    if (control)
        labels_[control] = label;
    return label;
}

QWidget* CPageInst::buildIds()
{
    auto* group = new QGroupBox(text(kIdsTitle));
    auto* layout = new QVBoxLayout(group);

    auto* top = new QHBoxLayout;
    top->addWidget(addCheck(ic::kPartitions, ic::kPartitions), 1);
    auto* report = new QPushButton(text(kDigitalCommunicator));
    report->setObjectName(QStringLiteral("digitalCommunicator"));
    connect(report, &QPushButton::clicked, this, &CPageInst::reportDialogRequested);
    top->addWidget(report);
    layout->addLayout(top);

    auto* codes = new QHBoxLayout;
    for (const auto& [labelId, control] : kIdLabels) {
        QLineEdit* edit = addEdit(control);
        codes->addWidget(addLabel(text(labelId), edit));
        codes->addWidget(edit);
        codes->addSpacing(12);
    }
    codes->addStretch(1);
    layout->addLayout(codes);
    layout->addWidget(buildCodesGrid());

    auto* legends = new QHBoxLayout;
    for (std::size_t i = 0; i < kCodeLegendIds.size(); ++i)
        legends->addWidget(legendLabel(text(kCodeLegendIds[i]), colourFromBgr(kCodeLegendColours[i])), 1);
    layout->addLayout(legends);
    return group;
}

QWidget* CPageInst::buildCodesGrid()
{
    codesGrid_ = new CListCtrlEx(ic::kCodesGrid);
    codesGrid_->setObjectName(QStringLiteral("codesGrid"));
    controls_.add(ic::kCodesGrid, codesGrid_);
    connect(codesGrid_, &CListCtrlEx::cellEdited, this, &CPageInst::codeCellEdited);
    return codesGrid_;
}

QWidget* CPageInst::buildZones()
{
    auto* group = new QGroupBox(text(kZonesTitle));
    auto* layout = new QVBoxLayout(group);
    zoneGrid_ = new CListCtrlEx(ic::kZoneGrid);
    zoneGrid_->setObjectName(QStringLiteral("zoneGrid"));
    controls_.add(ic::kZoneGrid, zoneGrid_);
    connect(zoneGrid_, &CListCtrlEx::cellEdited, this, &CPageInst::zoneCellEdited);
    layout->addWidget(zoneGrid_);
    auto* legends = new QHBoxLayout;
    for (std::size_t i = 0; i < kZoneLegendIds.size(); ++i) {
        zoneLegends_.push_back(legendLabel({}));
        legends->addWidget(zoneLegends_.back(), 1);
    }
    layout->addLayout(legends);
    layout->addStretch(1);
    return group;
}

QWidget* CPageInst::buildPgms()
{
    auto* group = new QGroupBox(text(kPgmTitle));
    auto* layout = new QVBoxLayout(group);
    pgmGrid_ = new CListCtrlEx(ic::kPgmGrid);
    pgmGrid_->setObjectName(QStringLiteral("pgmGrid"));
    pgmGrid_->setColumnCount(panel::pgm_column::kPartitionB + 1);
    pgmGrid_->defineColumn(0, {}, 0);
    pgmGrid_->defineColumn(1, text(kPgmHeader), 100);
    pgmGrid_->setColumnType(1, columnType(cells::CellKind::None, false));
    const std::array widths{200, 100, 100, 50, 50, 50, 50};
    for (int c = panel::pgm_column::kType; c <= panel::pgm_column::kPartitionB; ++c)
        pgmGrid_->defineColumn(c, text(kPgmHeaders[std::size_t(c - 2)]), widths[std::size_t(c - 2)],
                               c == panel::pgm_column::kType ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    pgmGrid_->setColumnType(panel::pgm_column::kActivation, columnType(cells::CellKind::TimePickerOnOff));
    pgmGrid_->setColumnType(panel::pgm_column::kDeactivation, columnType(cells::CellKind::TimePickerOnOff));
    pgmGrid_->setColumnType(panel::pgm_column::kDelay, columnType(cells::CellKind::Decimal, true, {}, 3));
    pgmGrid_->setColumnType(panel::pgm_column::kUnit, columnType(cells::CellKind::List, true, {}, 0,
                                                                 {text(kMinutesItem), text(kSecondsItem)}));
    pgmGrid_->setColumnType(panel::pgm_column::kPartitionA, columnType(cells::CellKind::Check));
    pgmGrid_->setColumnType(panel::pgm_column::kPartitionB, columnType(cells::CellKind::Check));
    controls_.add(ic::kPgmGrid, pgmGrid_);
    connect(pgmGrid_, &CListCtrlEx::cellEdited, this, &CPageInst::pgmCellEdited);
    layout->addWidget(pgmGrid_);
    layout->addStretch(1); // a taller neighbour leaves the room below the grid
    return group;
}

QWidget* CPageInst::buildKeypads()
{
    auto* group = new QGroupBox(text(kKeypadsTitle));
    auto* layout = new QVBoxLayout(group);
    keypadGrid_ = new CListCtrlEx(ic::kKeypadGrid);
    keypadGrid_->setObjectName(QStringLiteral("keypadGrid"));
    keypadGrid_->setColumnCount(2 + panel::kKeypadColumns);
    keypadGrid_->defineColumn(0, {}, 0);
    keypadGrid_->defineColumn(1, text(kKeypadHeader), 100);
    keypadGrid_->setColumnType(1, columnType(cells::CellKind::None, false));
    for (int c = 0; c < panel::kKeypadColumns; ++c) {
        keypadGrid_->defineColumn(2 + c, text(kKeypadHeaders[std::size_t(c)]), 50, Qt::AlignCenter);
        keypadGrid_->setColumnType(2 + c, columnType(cells::CellKind::Check));
    }
    controls_.add(ic::kKeypadGrid, keypadGrid_);
    connect(keypadGrid_, &CListCtrlEx::cellEdited, this, &CPageInst::keypadCellEdited);
    layout->addWidget(keypadGrid_);
    layout->addStretch(1); // a taller neighbour leaves the room below the grid
    return group;
}

QWidget* CPageInst::buildTimers()
{
    auto* group = new QGroupBox;
    auto* layout = new QGridLayout(group);
    const std::array<std::array<int, 3>, 9> rows{{
        {2086, ic::kEntry1Delay, kSecondsUnit},
        {2087, ic::kEntry2Delay, kSecondsUnit},
        {2088, ic::kBellCutOff, kMinutesUnit},
        {2089, ic::kFireCutOff, kMinutesUnit},
        {2090, ic::kAcLossDelay, kMinutesUnit},
        {2091, ic::kIntellizoneWindow, kSecondsUnit},
        {2092, ic::kDingTime, kDingUnit},
        {2093, ic::kDingPause, kDingUnit},
        {2094, ic::kSwingerCounter, 0},
    }};
    int row = 0;
    for (const auto& [labelId, control, unitId] : rows) {
        QLineEdit* edit = addEdit(control);
        layout->addWidget(addLabel(text(labelId), edit), row, 0);
        layout->addWidget(edit, row, 1);
        if (unitId)
            layout->addWidget(new QLabel(text(unitId)), row, 2);
        ++row;
    }
    QLineEdit* welcome = addEdit(ic::kWelcomeMessage);
    layout->addWidget(addLabel(text(kWelcomeLabel), welcome, ic::kWelcomeMessage), row, 0);
    layout->addWidget(welcome, row, 1, 1, 2);
    layout->setColumnStretch(3, 1);
    return group;
}

QWidget* CPageInst::buildPhoneLine()
{
    auto* group = new QGroupBox;
    auto* layout = new QGridLayout(group);
    const auto items = optionListItems;
    int row = 0;
    const auto addRow = [&](const QString& caption, QWidget* field, int control = 0) {
        layout->addWidget(addLabel(caption, field, control), row, 0);
        layout->addWidget(field, row++, 1, 1, 2);
    };
    addRow(text(kDialingLabel), addList(2030, items(2030)));
    addRow(text(kAnsweringLabel), addList(2031, items(2031)));
    addRow(text(kRingsLabel), addEdit(ic::kNumberOfRings));
    addRow(text(kTlmLabel), addList(2033, items(2033)));
    addRow(text(2034), addList(2034, items(2034)));
    addRow(text(kPulseRatio), addList(kPulseRatio, kPulseRatioItems));
    addRow(text(kDtmfPrefixLabel), addList(ic::kDtmfPrefix, items(ic::kDtmfPrefix)), ic::kDtmfPrefix);
    addRow(text(kCallbackLabel), addEdit(ic::kCallbackPhone));

    QLineEdit* interval = addEdit(ic::kPeriodicalTestInterval);
    layout->addWidget(addLabel(text(kTestIntervalLabel), interval), row, 0);
    layout->addWidget(interval, row, 1);
    layout->addWidget(addList(ic::kPeriodicalTestUnit, items(ic::kPeriodicalTestUnit)), row++, 2);

    firstTest_ = new QTimeEdit;
    firstTest_->setObjectName(QStringLiteral("control%1").arg(ic::kFirstPeriodicalTest));
    firstTest_->setDisplayFormat(QStringLiteral("HH:mm"));
    firstTest_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(firstTest_, &QTimeEdit::timeChanged, this, [this](QTime time) {
        if (!showing_ && session_) {
            form().firstPeriodicalTest = time.toString(QStringLiteral("HH:mm")).toStdString();
            emit edited();
        }
    });
    controls_.add(ic::kFirstPeriodicalTest, firstTest_);
    addRow(text(kFirstTestLabel), firstTest_);
    layout->setColumnStretch(3, 1);
    return group;
}

QWidget* CPageInst::buildGeneralOptions()
{
    auto* group = new QGroupBox;
    auto* layout = new QVBoxLayout(group);
    auto* lockout = new QHBoxLayout;
    lockout->addWidget(addCheck(2065, 2065));
    QLineEdit* wrongCodes = addEdit(ic::kWrongCodes);
    lockout->addWidget(wrongCodes);
    lockout->addWidget(addLabel(text(kWrongCodesLabel), wrongCodes));
    lockout->addStretch(1);
    layout->addLayout(lockout);
    for (const int id : {2067, 2068, 2069, 2070})
        layout->addWidget(addCheck(id, id));

    auto* lists = new QGridLayout;
    QComboBox* length = addList(ic::kCodeLength, kCodeLengthItems);
    lists->addWidget(addLabel(text(kCodeLengthLabel), length), 0, 0);
    lists->addWidget(length, 0, 1);
    QComboBox* language = addList(ic::kLcdLanguage, optionListItems(ic::kLcdLanguage));
    lists->addWidget(addLabel(text(ic::kLcdLanguage), language, ic::kLcdLanguage), 1, 0);
    lists->addWidget(language, 1, 1);
    lists->setColumnStretch(2, 1);
    layout->addLayout(lists);
    for (const int id : {2075, 2076, 2077, 2078, 2079, 2080, 2081})
        layout->addWidget(addCheck(id, id));
    layout->addStretch(1);
    return group;
}

QWidget* CPageInst::buildSignalOptions()
{
    auto* group = new QGroupBox;
    auto* layout = new QVBoxLayout(group);
    for (const int id : {2071, 2072, 2082, 2111, 2112, 2114, 2085, 2083, 2084, 2073, 2074})
        layout->addWidget(addCheck(id, id));
    layout->addStretch(1);
    return group;
}

QWidget* CPageInst::buildPartition(bool partitionB)
{
    const int offset = partitionB ? kPartitionBOffset : 0;
    auto* group = new QGroupBox(text(partitionB ? kPartitionBTitle : kPartitionATitle));
    group->setObjectName(partitionB ? QStringLiteral("partitionB") : QStringLiteral("partitionA"));
    auto* layout = new QGridLayout(group);
    int row = 0;
    QLineEdit* exitDelay = addEdit(partitionB ? ic::kExitDelayB : ic::kExitDelayA);
    layout->addWidget(addLabel(text(kExitDelayLabel), exitDelay), row, 0);
    layout->addWidget(exitDelay, row, 1);
    layout->addWidget(new QLabel(text(kSecondsUnit)), row++, 2);
    // Partition B's exit delay is checked and stored in either mode, so it
    // stays editable while the rest of partition B is switched off.
    const auto keepsEnabled = group->findChildren<QWidget*>();
    for (const int id : {2146, 2147, 2148, 2149, 2150, 2151, 2128, 2129, 2130, 2131, 2132, 2133})
        layout->addWidget(addCheck(id + offset, id), row++, 0, 1, 3);

    // The timed moments and the inactivity time beside the options that use them.
    const std::array<std::pair<int, int>, 3> timed{{
        {2134, onThisPage(partitionB ? mc::kPartitionBAutoarm : mc::kPartitionAAutoarm)},
        {2137, onThisPage(partitionB ? mc::kPartitionBAutodisarm : mc::kPartitionAAutodisarm)},
        {2138, onThisPage(partitionB ? mc::kPartitionBInactivity : mc::kPartitionAInactivity)},
    }};
    for (const auto& [id, timeControl] : timed) {
        layout->addWidget(addCheck(id + offset, id), row, 0);
        QLineEdit* time = addEdit(timeControl);
        time->setPlaceholderText(text(kHourMinuteHint));
        time->setToolTip(id == 2138 ? text(kInactivityLabel) : text(kHourMinuteHint));
        layout->addWidget(time, row++, 1, 1, 2);
    }
    for (const int id : {2142, 2139, 2140, 2141, 2143})
        layout->addWidget(addCheck(id + offset, id), row++, 0, 1, 3);
    layout->setColumnStretch(3, 1);
    if (partitionB)
        for (QWidget* part : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!keepsEnabled.contains(part))
                partitionBParts_.push_back(part);
    return group;
}

QWidget* CPageInst::buildRounds()
{
    auto* group = new QGroupBox;
    auto* layout = new QGridLayout(group);
    const std::array<std::pair<QString, int>, 4> rows{{
        {line(kRoundMomentLabels, 0), onThisPage(mc::kRoundsStart)},
        {line(kRoundMomentLabels, 1), onThisPage(mc::kRoundsFinish)},
        {line(kRoundPeriodLabels, 0), onThisPage(mc::kRoundPeriod)},
        {line(kRoundPeriodLabels, 1), onThisPage(mc::kWarningTime)},
    }};
    for (int r = 0; r < int(rows.size()); ++r) {
        QLineEdit* edit = addEdit(rows[std::size_t(r)].second);
        layout->addWidget(addLabel(rows[std::size_t(r)].first, edit), r, 0);
        layout->addWidget(edit, r, 1);
    }
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(int(rows.size()), 1);
    return group;
}

QWidget* CPageInst::buildVoice()
{
    auto* group = new QGroupBox;
    auto* layout = new QGridLayout(group);
    int row = 0;
    // In the voice option byte's order, bit 7 first.
    for (const int id : {2120, 2121, 2116, 2122, 2118, 2123, 2124, 2119})
        layout->addWidget(addCheck(id, id), row++, 0, 1, 3);
    const std::array counts{mc::kVoiceReportingTime, mc::kVoiceDialingSequences};
    for (int i = 0; i < int(counts.size()); ++i) {
        QLineEdit* edit = addEdit(onThisPage(counts[std::size_t(i)]));
        layout->addWidget(addLabel(line(kVoiceCountLabels, i), edit), row, 0);
        layout->addWidget(edit, row++, 1);
    }
    layout->setColumnStretch(2, 1);
    return group;
}

void CPageInst::buildModelColumns()
{
    const panel::PanelModel& m = model();
    if (columnsFor_ == m.typeCode && codePgmColumns_ == pgmRows())
        return;
    columnsFor_ = m.typeCode;
    codePgmColumns_ = pgmRows();

    // Codes grid: the P columns follow the model's PGM outputs.
    codesGrid_->setColumnCount(kFirstCodePgmColumn + codePgmColumns_);
    codesGrid_->defineColumn(0, {}, 0);
    codesGrid_->defineColumn(panel::code_column::kLabel, text(kNumberHeader), 100);
    codesGrid_->setColumnType(panel::code_column::kLabel, columnType(cells::CellKind::None, false));
    codesGrid_->defineColumn(panel::code_column::kCode, text(kIdHeader), 50);
    codesGrid_->setColumnType(panel::code_column::kCode, columnType(cells::CellKind::Decimal, true, {}, kCodeLength));
    for (int a = 0; a < panel::kCodeAttributeCount; ++a) {
        codesGrid_->defineColumn(kFirstCodeAttributeColumn + a, QString(QChar(u'A' + a)), 25, Qt::AlignCenter);
        codesGrid_->setColumnType(kFirstCodeAttributeColumn + a,
                                  columnType(cells::CellKind::Check, true,
                                             colourFromBgr(a < kRoundsAttributes ? kArmingColour : kRoundsColour)));
    }
    for (int p = 0; p < codePgmColumns_; ++p) {
        codesGrid_->defineColumn(kFirstCodePgmColumn + p, QStringLiteral("P%1").arg(p + 1), 28, Qt::AlignCenter);
        codesGrid_->setColumnType(kFirstCodePgmColumn + p,
                                  columnType(cells::CellKind::Check, true, colourFromBgr(kPgmColour)));
    }

    // Zone grid: number, type, name, then the model's attribute columns,
    // lettered by position; the legends follow the letters.
    zoneColumns_ = panel::zoneAttributeColumns(m);
    zoneGrid_->setColumnCount(panel::zone_column::kFirstAttribute + int(zoneColumns_.size()));
    zoneGrid_->defineColumn(0, {}, 0);
    zoneGrid_->defineColumn(1, text(kZoneNumberHeader), 50);
    zoneGrid_->setColumnType(1, columnType(cells::CellKind::None, false));
    QStringList types;
    for (const panel::TypeName& type : panel::zoneTypeList())
        types << text(type.textId);
    zoneGrid_->defineColumn(panel::zone_column::kType, text(kZoneTypeHeader), 130);
    zoneGrid_->setColumnType(panel::zone_column::kType, columnType(cells::CellKind::List, true, {}, 0, types));
    zoneGrid_->defineColumn(panel::zone_column::kName, text(kZoneNameHeader), kZoneNameWidth);
    zoneGrid_->setColumnType(panel::zone_column::kName, columnType(cells::CellKind::Text, true, {}, 16));
    const QStringList names = zoneAttributeNames();
    QStringList legendLines;
    for (int i = 0; i < int(zoneColumns_.size()); ++i) {
        const QString letter(QChar(u'A' + i));
        const QString name = names.value(panel::attributeIndex(zoneColumns_[std::size_t(i)]));
        zoneGrid_->defineColumn(panel::zone_column::kFirstAttribute + i, letter, 25, Qt::AlignCenter, name);
        zoneGrid_->setColumnType(panel::zone_column::kFirstAttribute + i, columnType(cells::CellKind::Check));
        legendLines << QStringLiteral("%1 - %2").arg(letter, name);
    }
    for (std::size_t l = 0; l < zoneLegends_.size(); ++l)
        zoneLegends_[l]->setText(legendLines.mid(int(l) * kAttributesPerLegend, kAttributesPerLegend).join(u'\n'));

    // PGM grid: the model's type list.
    QStringList pgmTypes;
    for (const panel::TypeName& type : panel::pgmTypeItems(m.typeCode))
        pgmTypes << text(type.textId);
    pgmGrid_->setColumnType(panel::pgm_column::kType, columnType(cells::CellKind::List, true, {}, 0, pgmTypes));
}

// ------------------------------------------------------------ the forms

void CPageInst::bind(session::PanelSession& session) { session_ = &session; }

panel::InstallerForm& CPageInst::form() { return session_->forms.installer; }
panel::MasterForm& CPageInst::master() { return session_->forms.master; }

int& CPageInst::optionSlot(int control)
{
    if (const int shared = onMasterPage(control))
        return master().voiceOptions[shared];
    return form().options[control];
}

int CPageInst::optionShown(int control)
{
    if (const int shared = onMasterPage(control))
        return panel::optionValue(master().voiceOptions, shared);
    return panel::optionValue(form().options, control);
}

std::string& CPageInst::textSlot(int control)
{
    const TextField* field = textField(control);
    return field->master ? master().*field->master : form().*field->installer;
}

const panel::PanelModel& CPageInst::model() const { return panel::formContext(session_->doc).model; }

int CPageInst::pgmRows() const { return panel::formContext(session_->doc).pgmRows(); }

void CPageInst::showImage()
{
    if (!session_)
        return;
    showing_ = true;
    buildModelColumns();
    for (const TextField& field : kTextFields) {
        const int control = pageControl(field);
        static_cast<QLineEdit*>(controls_.at(control))->setText(QString::fromStdString(textSlot(control)));
    }
    for (const auto& [control, widget] : controls_) {
        if (auto* box = qobject_cast<QCheckBox*>(widget))
            box->setChecked(optionShown(control) != 0);
        else if (auto* list = qobject_cast<QComboBox*>(widget))
            list->setCurrentIndex(std::clamp(optionShown(control), 0, list->count() - 1));
    }
    const QTime first = QTime::fromString(QString::fromStdString(form().firstPeriodicalTest), QStringLiteral("HH:mm"));
    firstTest_->setTime(first.isValid() ? first : QTime(0, 0));
    showCodes();
    showZones();
    showPgms();
    showKeypads();
    applyEnables();
    showing_ = false;
}

void CPageInst::showCodes()
{
    const std::array<std::pair<int, const panel::CodeRow*>, 2> rows{{
        {text_id::kMaintenance, &form().maintenance},
        {text_id::kMaster, master().users.empty() ? nullptr : &master().users[0]},
    }};
    codesGrid_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        codesGrid_->setText(r, panel::code_column::kLabel, text(rows[std::size_t(r)].first));
        const panel::CodeRow* row = rows[std::size_t(r)].second;
        if (!row)
            continue;
        codesGrid_->setText(r, panel::code_column::kCode, QString::fromStdString(row->code));
        for (int a = 0; a < panel::kCodeAttributeCount; ++a)
            codesGrid_->setCheckState(r, kFirstCodeAttributeColumn + a, row->attributes[std::size_t(a)] ? 1 : 0);
        for (int p = 0; p < codePgmColumns_; ++p)
            codesGrid_->setCheckState(r, kFirstCodePgmColumn + p, row->pgms[std::size_t(p)] ? 1 : 0);
    }
    codesGrid_->fitColumnToContents(panel::code_column::kLabel);
    fitRows(codesGrid_);
}

void CPageInst::showZones()
{
    const auto& zones = form().zones;
    zoneGrid_->setRowCount(int(zones.size()));
    for (int r = 0; r < int(zones.size()); ++r) {
        const panel::ZoneRow& zone = zones[std::size_t(r)];
        zoneGrid_->setText(r, 1, QString::number(r + 1));
        zoneGrid_->setListIndex(r, panel::zone_column::kType, zone.type);
        zoneGrid_->setText(r, panel::zone_column::kName, QString::fromStdString(zone.name));
    }
    showZoneAttributes();
    fitRows(zoneGrid_);
}

void CPageInst::showZoneAttributes()
{
    const auto& zones = form().zones;
    for (int r = 0; r < int(zones.size()); ++r) {
        const panel::AttributeLocks locks = panel::zoneAttributeLocks(zones, std::size_t(r), model());
        for (int i = 0; i < int(zoneColumns_.size()); ++i) {
            const std::size_t a = std::size_t(panel::attributeIndex(zoneColumns_[std::size_t(i)]));
            const int column = panel::zone_column::kFirstAttribute + i;
            zoneGrid_->setCheckState(r, column, zones[std::size_t(r)].attributes[a] ? 1 : 0);
            zoneGrid_->setLocked(r, column, locks[a].has_value());
        }
    }
}

void CPageInst::showPgms()
{
    const auto& pgms = form().pgms;
    const auto& times = master().pgmTimes;
    pgmGrid_->setRowCount(int(pgms.size()));
    for (int r = 0; r < int(pgms.size()); ++r) {
        const panel::PgmRow& pgm = pgms[std::size_t(r)];
        pgmGrid_->setText(r, 1, QStringLiteral("PGM%1").arg(r + 1));
        pgmGrid_->setListIndex(r, panel::pgm_column::kType, pgm.type);
        if (std::size_t(r) < times.size())
            showPgmTimeCells(*pgmGrid_, r, times[std::size_t(r)], kPgmTimeColumns);
        pgmGrid_->setText(r, panel::pgm_column::kDelay, QString::fromStdString(pgm.delay));
        pgmGrid_->setListIndex(r, panel::pgm_column::kUnit, pgm.unit);
        pgmGrid_->setCheckState(r, panel::pgm_column::kPartitionA, pgm.partitionA ? 1 : 0);
        pgmGrid_->setCheckState(r, panel::pgm_column::kPartitionB, pgm.partitionB ? 1 : 0);
    }
    fitRows(pgmGrid_);
}

void CPageInst::showKeypads()
{
    const auto& keypads = form().keypads;
    keypadGrid_->setRowCount(int(keypads.size()));
    for (int r = 0; r < int(keypads.size()); ++r) {
        keypadGrid_->setText(r, 1, QStringLiteral("%1%2").arg(text(kKeypadHeader)).arg(r + 1));
        for (int c = 0; c < panel::kKeypadColumns; ++c)
            keypadGrid_->setCheckState(r, 2 + c, keypads[std::size_t(r)][std::size_t(c)] ? 1 : 0);
    }
    fitRows(keypadGrid_);
}

void CPageInst::applyEnables()
{
    if (!session_)
        return;
    const panel::InstallerEnables enables = panel::installerEnables(form(), model());
    const std::array<std::pair<int, bool>, 10> states{{
        {onThisPage(mc::kPartitionAAutoarm), enables.aTimedAutoarm},
        {onThisPage(mc::kPartitionAAutodisarm), enables.aTimedAutodisarm},
        {onThisPage(mc::kPartitionBAutoarm), enables.bTimedAutoarm},
        {onThisPage(mc::kPartitionBAutodisarm), enables.bTimedAutodisarm},
        {ic::kLcdLanguage, enables.lcdLanguage},
        {onThisPage(mc::kEnableVoiceModule), enables.enableVoiceModule},
        {onThisPage(mc::kBatteryVoiceReport), enables.batteryVoiceReport},
        {onThisPage(mc::kSelectiveFollowMe), enables.selectiveFollowMe},
        {ic::kDtmfPrefix, enables.dtmfPrefix},
        {ic::kWelcomeMessage, enables.welcomeMessage},
    }};
    for (QWidget* part : partitionBParts_)
        part->setEnabled(enables.partitionBGroup);
    for (const auto& [id, on] : states) {
        controls_.at(id)->setEnabled(on);
        if (const auto label = labels_.find(id); label != labels_.end())
            label->second->setEnabled(on);
    }
}

// ------------------------------------------------------------ grid edits

void CPageInst::codeCellEdited(int row, int column)
{
    if (showing_ || !session_)
        return;
    panel::CodeRow* code = row == panel::codes_row::kMaintenance ? &form().maintenance
                           : master().users.empty()               ? nullptr
                                                                  : &master().users[0];
    if (!code)
        return;
    if (column == panel::code_column::kCode)
        code->code = codesGrid_->text(row, column).toStdString();
    else if (column >= kFirstCodePgmColumn)
        code->pgms[std::size_t(column - kFirstCodePgmColumn)] = codesGrid_->checkState(row, column) == 1;
    else if (column >= kFirstCodeAttributeColumn)
        code->attributes[std::size_t(column - kFirstCodeAttributeColumn)] = codesGrid_->checkState(row, column) == 1;
    emit edited();
}

void CPageInst::zoneCellEdited(int row, int column)
{
    if (showing_ || !session_ || row < 0 || row >= int(form().zones.size()))
        return;
    panel::ZoneRow& zone = form().zones[std::size_t(row)];
    if (column == panel::zone_column::kType)
        zone.type = zoneGrid_->listIndex(row, column);
    else if (column == panel::zone_column::kName)
        zone.name = zoneGrid_->text(row, column).toStdString();
    else if (column >= panel::zone_column::kFirstAttribute)
        zone.attributes[std::size_t(panel::attributeIndex(
            zoneColumns_[std::size_t(column - panel::zone_column::kFirstAttribute)]))] =
            zoneGrid_->checkState(row, column) == 1;
    // A type or a doubling switch moves the locks, here and on the doubled zone.
    panel::applyZoneAttributeRules(form().zones, model());
    const bool wasShowing = std::exchange(showing_, true);
    showZoneAttributes();
    showing_ = wasShowing;
    emit edited();
}

void CPageInst::pgmCellEdited(int row, int column)
{
    if (showing_ || !session_ || row < 0 || row >= int(form().pgms.size()))
        return;
    panel::PgmRow& pgm = form().pgms[std::size_t(row)];
    switch (column) {
    case panel::pgm_column::kType: pgm.type = pgmGrid_->listIndex(row, column); break;
    case panel::pgm_column::kDelay: pgm.delay = pgmGrid_->text(row, column).toStdString(); break;
    case panel::pgm_column::kUnit: pgm.unit = std::max(pgmGrid_->listIndex(row, column), 0); break;
    case panel::pgm_column::kPartitionA: pgm.partitionA = pgmGrid_->checkState(row, column) == 1; break;
    case panel::pgm_column::kPartitionB: pgm.partitionB = pgmGrid_->checkState(row, column) == 1; break;
    case panel::pgm_column::kActivation:
    case panel::pgm_column::kDeactivation: {
        if (std::size_t(row) >= master().pgmTimes.size())
            return;
        takePgmTimeCell(*pgmGrid_, row, column, master().pgmTimes[std::size_t(row)], kPgmTimeColumns);
        break;
    }
    default: break;
    }
    emit edited();
}

void CPageInst::keypadCellEdited(int row, int column)
{
    if (showing_ || !session_ || row < 0 || row >= int(form().keypads.size()) || column < 2)
        return;
    form().keypads[std::size_t(row)][std::size_t(column - 2)] = keypadGrid_->checkState(row, column) == 1;
    emit edited();
}

// ------------------------------------------------------------ frame hand-over

void CPageInst::showEvent(QShowEvent* event)
{
    // The master page may have changed the values both pages show.
    showImage();
    CPage::showEvent(event);
}

void CPageInst::resizeEvent(QResizeEvent* event)
{
    CPage::resizeEvent(event);
    // Once the groups have their new widths, the grids know whether they scroll.
    QTimer::singleShot(0, this, [this] {
        for (CListCtrlEx* grid : {codesGrid_, zoneGrid_, pgmGrid_, keypadGrid_})
            fitRows(grid);
    });
}

QWidget* CPageInst::control(int id) const { return controls_.find(id); }

bool CPageInst::holdsControl(int control) const { return controls_.contains(control); }

void CPageInst::focusPlace(const panel::FormPlace& place) { controls_.focus(place, this); }

} // namespace qarvo::gui
