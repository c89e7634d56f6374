#include "gui/dialogs/CReportDlg.h"

#include "session/PanelSession.h"
#include "app/Strings.h"
#include "base/TextIds.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/ShellTexts.h"
#include "gui/widgets/CHexEdit.h"
#include "gui/widgets/CListCtrlEx.h"
#include "gui/widgets/CPhoneEdit.h"
#include "panel/FormContext.h"
#include "panel/OptionBits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <vector>

namespace qarvo::gui {

namespace {

namespace rc = panel::report_control;
using panel::ReportForm;

// Label texts of the dialog (a check box takes its control's id).
constexpr int kTitle = 2042;
constexpr int kEventHeader = 240;
constexpr int kCidHeader = 241;
constexpr int k4x2Header = 242;
constexpr int kCodesTitle = 2336;
constexpr int kAllowProgrammingOfLabel = 2337;
constexpr int kContactIdNote = 2338;
constexpr int kDisableNote = 2339;

// The lists among the option bits: their label (0: none, the list follows
// its check box) and their items.
struct OptionList {
    int control;
    int labelId;
    std::array<int, 2> items;
};
constexpr std::array kOptionLists{
    OptionList{rc::kMethod, 0, {2347, 2348}},
    OptionList{rc::kZoneRestore, 2315, {2343, 2344}},
    OptionList{rc::kReportDisarm, 2316, {2345, 2346}},
};
constexpr std::array kAllowProgrammingOfItems{2349, 2350};

// One central station: its account and telephone number, and its group of
// format and split reports.
struct Station {
    int accountLabel;
    int accountControl;
    std::string ReportForm::*account;
    int phoneLabel;
    int phoneControl;
    std::string ReportForm::*phone;
    int groupTitle;
    int formatLabel;
    int formatControl;
    panel::FormatField ReportForm::*format;
    int firstSplitReport; // four check boxes
};
constexpr std::array kStations{
    Station{2322, rc::kAccount1, &ReportForm::account1, 9600, rc::kPhone1, &ReportForm::phone1, 2324, 2325,
            rc::kFormat1, &ReportForm::format1, 2326},
    Station{2323, rc::kAccount2, &ReportForm::account2, 9601, rc::kPhone2, &ReportForm::phone2, 2330, 2331,
            rc::kFormat2, &ReportForm::format2, 2332},
};
constexpr int kSplitReports = 4;
constexpr int kAccountDigits = 4;
constexpr int kPhoneLength = 16;
constexpr int kCodeDigits = 2;
constexpr int kOpeningHeight = 520;
constexpr int kFrameAroundSettings = 64; // the dialog's margins, the tab frame and the settings' margins
constexpr int kColumnGap = 48; // between the two columns of settings, with the scroll bar

QString hexPair(int value) { return QStringLiteral("%1").arg(value, 2, 16, QChar(u'0')).toUpper(); }

bool isReportOption(panel::Setting setting)
{
    return setting == panel::Setting::CommunicatorOptions1 || setting == panel::Setting::CommunicatorOptions2;
}

const OptionList* findList(int control)
{
    const auto found = std::ranges::find(kOptionLists, control, &OptionList::control);
    return found == kOptionLists.end() ? nullptr : &*found;
}

GridColumnType readOnlyColumn()
{
    GridColumnType type;
    type.kind = cells::CellKind::None;
    type.editable = false;
    return type;
}

GridColumnType hexColumn(bool editable)
{
    GridColumnType type;
    type.kind = cells::CellKind::Hex;
    type.editable = editable;
    type.length = kCodeDigits;
    return type;
}

} // namespace

CReportDlg::CReportDlg(session::PanelSession& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName(QStringLiteral("reportDialog"));
    setWindowTitle(text(kTitle));
    tabs_ = new QTabWidget;
    tabs_->addTab(buildSettings(), text(kTitle));
    tabs_->addTab(buildCodes(), text(kCodesTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    QDialogButtonBox* buttons = makeOkCancel(*this);
    layout->addWidget(buttons);
    chainTabOrder(buttons);
    showForm();
    // Measured in the style the dialog is shown in.
    ensurePolished();
    QSize size = sizeHint();
    if (const QScreen* display = screen())
        size = size.boundedTo(display->availableSize());
    resize(size);
}

QSize CReportDlg::sizeHint() const
{
    // Wide enough for the settings in two columns: a dialog opened at its
    // size hint (the prompter fits it on the screen from there) shows them
    // without scrolling sideways where the screen allows.
    return QDialog::sizeHint().expandedTo(QSize(twoColumnWidth() + kFrameAroundSettings, kOpeningHeight));
}

void CReportDlg::chainTabOrder(QDialogButtonBox* buttons)
{
    // The settings in reading order, then the codes, then OK and Cancel.
    std::vector<QWidget*> chain;
    for (const panel::OptionBit& bit : panel::optionBits())
        if (bit.setting == panel::Setting::CommunicatorOptions1)
            chain.push_back(controls_.at(bit.control));
    for (const Station& st : kStations) {
        chain.push_back(controls_.at(st.accountControl));
        chain.push_back(controls_.at(st.phoneControl));
    }
    for (const Station& st : kStations) {
        chain.push_back(controls_.at(st.formatControl));
        for (int i = 0; i < kSplitReports; ++i)
            chain.push_back(controls_.at(st.firstSplitReport + i));
    }
    chain.push_back(controls_.at(rc::kAllowProgrammingOf));
    chain.push_back(grid_);
    chain.push_back(buttons->button(QDialogButtonBox::Ok));
    chain.push_back(buttons->button(QDialogButtonBox::Cancel));
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

QComboBox* CReportDlg::addList(int control, std::initializer_list<int> itemIds)
{
    auto* list = new QComboBox;
    list->setObjectName(QStringLiteral("control%1").arg(control));
    for (const int id : itemIds)
        list->addItem(text(id));
    controls_.add(control, list);
    return list;
}

QWidget* CReportDlg::buildOptions()
{
    auto* box = new QWidget;
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const panel::OptionBit& bit : panel::optionBits()) {
        if (bit.setting != panel::Setting::CommunicatorOptions1)
            continue;
        const int id = bit.control;
        if (const OptionList* list = findList(id)) {
            QComboBox* combo = addList(id, {list->items[0], list->items[1]});
            connect(combo, &QComboBox::currentIndexChanged, this, [this, id](int index) { optionChanged(id, index); });
            if (list->labelId == 0) {
                // The method stands beside the check box that enables it.
                layout->addWidget(combo, row - 1, 1);
                continue;
            }
            auto* label = new QLabel(text(list->labelId));
            label->setBuddy(combo);
            layout->addWidget(label, row, 0);
            layout->addWidget(combo, row++, 1);
            continue;
        }
        auto* check = new QCheckBox(text(id));
        check->setObjectName(QStringLiteral("control%1").arg(id));
        connect(check, &QCheckBox::toggled, this, [this, id](bool on) { optionChanged(id, on ? 1 : 0); });
        controls_.add(id, check);
        layout->addWidget(check, row++, 0);
    }
    layout->setColumnStretch(2, 1);
    return box;
}

QWidget* CReportDlg::buildStations()
{
    stations_ = new QWidget;
    auto* layout = new QGridLayout(stations_);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < int(kStations.size()); ++i) {
        const Station& st = kStations[std::size_t(i)];
        auto* account = new CHexEdit;
        account->setObjectName(QStringLiteral("control%1").arg(st.accountControl));
        account->setMaxLength(kAccountDigits);
        account->setMaximumWidth(account->fontMetrics().horizontalAdvance(QString(kAccountDigits + 3, u'W')));
        connect(account, &QLineEdit::textEdited, this, [this, field = st.account](const QString& typed) {
            if (!showing_)
                form_.*field = typed.toUpper().toStdString();
        });
        auto* phone = new CPhoneEdit;
        phone->setObjectName(QStringLiteral("control%1").arg(st.phoneControl));
        phone->setMaxLength(kPhoneLength);
        phone->setMinimumWidth(phone->fontMetrics().horizontalAdvance(QString(kPhoneLength + 1, u'0')));
        connect(phone, &QLineEdit::textEdited, this, [this, field = st.phone](const QString& typed) {
            if (!showing_)
                form_.*field = typed.toStdString();
        });
        controls_.add(st.accountControl, account);
        controls_.add(st.phoneControl, phone);
        auto* accountLabel = new QLabel(text(st.accountLabel));
        accountLabel->setBuddy(account);
        auto* phoneLabel = new QLabel(text(st.phoneLabel));
        phoneLabel->setBuddy(phone);
        layout->addWidget(accountLabel, i, 0);
        layout->addWidget(account, i, 1);
        layout->addWidget(phoneLabel, i, 2);
        layout->addWidget(phone, i, 3);
    }
    layout->setColumnStretch(4, 1);
    return stations_;
}

QWidget* CReportDlg::buildSplitGroup(int index)
{
    const Station& st = kStations[std::size_t(index)];
    auto* group = new QGroupBox(text(st.groupTitle));
    group->setObjectName(QStringLiteral("group%1").arg(st.groupTitle));
    auto* layout = new QGridLayout(group);
    auto* format = new QComboBox;
    format->setObjectName(QStringLiteral("control%1").arg(st.formatControl));
    format->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(format, &QComboBox::currentIndexChanged, this, [this, field = st.format](int item) {
        if (!showing_)
            (form_.*field).index = item;
    });
    controls_.add(st.formatControl, format);
    auto* label = new QLabel(text(st.formatLabel));
    label->setBuddy(format);
    layout->addWidget(label, 0, 0);
    layout->addWidget(format, 0, 1);
    for (int i = 0; i < kSplitReports; ++i) {
        const int id = st.firstSplitReport + i;
        auto* check = new QCheckBox(text(id));
        check->setObjectName(QStringLiteral("control%1").arg(id));
        connect(check, &QCheckBox::toggled, this, [this, id](bool on) { optionChanged(id, on ? 1 : 0); });
        controls_.add(id, check);
        layout->addWidget(check, i + 1, 0, 1, 3);
    }
    layout->setColumnStretch(2, 1);
    splitGroups_[std::size_t(index)] = group;
    return group;
}

QWidget* CReportDlg::buildSettings()
{
    auto* contents = new QWidget;
    settingsLayout_ = new QGridLayout(contents);
    options_ = buildOptions();
    buildStations();
    buildSplitGroup(0);
    buildSplitGroup(1);
    arrangeSettings();

    // A dialog smaller than the settings scrolls them.
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("settingsScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(contents);
    return scroll;
}

void CReportDlg::arrangeSettings()
{
    // Visual order is tab order: the options and the stations, then the
    // central stations' groups, beside them or below them.
    for (QWidget* w : {options_, stations_, splitGroups_[0], splitGroups_[1]})
        settingsLayout_->removeWidget(w);
    // Extra room goes below and to the right of the settings.
    constexpr int kSpareRow = 4;
    constexpr int kSpareColumn = 2;
    settingsLayout_->addWidget(options_, 0, 0, Qt::AlignTop);
    settingsLayout_->addWidget(stations_, 1, 0, Qt::AlignTop);
    settingsLayout_->addWidget(splitGroups_[0], twoColumns_ ? 0 : 2, twoColumns_ ? 1 : 0, Qt::AlignTop);
    settingsLayout_->addWidget(splitGroups_[1], twoColumns_ ? 1 : 3, twoColumns_ ? 1 : 0, Qt::AlignTop);
    settingsLayout_->setRowStretch(kSpareRow, 1);
    settingsLayout_->setColumnStretch(kSpareColumn, 1);
}

int CReportDlg::twoColumnWidth() const
{
    const int oneColumn = std::max(options_->sizeHint().width(), stations_->sizeHint().width());
    const int groups = std::max(splitGroups_[0]->sizeHint().width(), splitGroups_[1]->sizeHint().width());
    return oneColumn + groups + kColumnGap;
}

void CReportDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const bool wide = tabs_->width() >= twoColumnWidth();
    if (wide != twoColumns_) {
        twoColumns_ = wide;
        arrangeSettings();
    }
}

QWidget* CReportDlg::buildCodes()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* allow = new QHBoxLayout;
    QComboBox* list = addList(rc::kAllowProgrammingOf, {kAllowProgrammingOfItems[0], kAllowProgrammingOfItems[1]});
    connect(list, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (showing_)
            return;
        form_.allowProgrammingOf = item;
        applyEnables();
    });
    auto* label = new QLabel(text(kAllowProgrammingOfLabel));
    label->setBuddy(list);
    allow->addWidget(label);
    allow->addWidget(list);
    allow->addStretch(1);
    layout->addLayout(allow);

    grid_ = new CListCtrlEx(rc::kCodesGrid);
    grid_->setObjectName(QStringLiteral("codesGrid"));
    grid_->setColumnCount(4);
    grid_->defineColumn(panel::report_column::kEvent, text(kEventHeader), 250);
    grid_->setColumnType(panel::report_column::kEvent, readOnlyColumn());
    grid_->defineColumn(panel::report_column::kPrefix, {}, 30, Qt::AlignCenter);
    grid_->setColumnType(panel::report_column::kPrefix, readOnlyColumn());
    grid_->defineColumn(panel::report_column::kCid, text(kCidHeader), 30, Qt::AlignCenter);
    grid_->defineColumn(panel::report_column::k4x2, text(k4x2Header), 30, Qt::AlignCenter);
    controls_.add(rc::kCodesGrid, grid_);
    connect(grid_, &CListCtrlEx::cellEdited, this, &CReportDlg::codeEdited);
    // The events' names take the room the dialog gives, up to half as much
    // again as they need, so that each code stays near its event.
    int columnsWidth = 0;
    for (int c = 0; c < grid_->columnCount(); ++c)
        columnsWidth += grid_->columnWidth(c);
    grid_->horizontalHeader()->setSectionResizeMode(panel::report_column::kEvent, QHeaderView::Stretch);
    grid_->setMaximumWidth(columnsWidth * 3 / 2 + grid_->verticalScrollBar()->sizeHint().width() +
                           2 * grid_->frameWidth());
    layout->addWidget(grid_, 1);

    contactIdNote_ = new QLabel(text(kContactIdNote));
    contactIdNote_->setWordWrap(true);
    layout->addWidget(contactIdNote_);
    auto* disable = new QLabel(text(kDisableNote));
    disable->setWordWrap(true);
    layout->addWidget(disable);
    return page;
}

void CReportDlg::fillFormatList(QComboBox* list, const panel::FormatField& field)
{
    list->clear();
    for (const panel::FormatItem& item : panel::formatList())
        list->addItem(text(item.textId));
    if (field.invalidCode)
        list->addItem(QString::fromStdString(panel::formatMarkerPrefix(*field.invalidCode)) +
                      text(text_id::kInvalidCommunicationFormat));
    list->setCurrentIndex(field.index);
}

void CReportDlg::showForm()
{
    showing_ = true;
    form_ = session_.forms.report;
    for (const panel::OptionBit& bit : panel::optionBits()) {
        if (!isReportOption(bit.setting))
            continue;
        const int value = panel::optionValue(form_.options, bit.control);
        QWidget* w = controls_.at(bit.control);
        if (auto* check = qobject_cast<QCheckBox*>(w))
            check->setChecked(value != 0);
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            combo->setCurrentIndex(value);
    }
    for (const Station& st : kStations) {
        static_cast<QLineEdit*>(controls_.at(st.accountControl))->setText(QString::fromStdString(form_.*st.account));
        static_cast<QLineEdit*>(controls_.at(st.phoneControl))->setText(QString::fromStdString(form_.*st.phone));
        fillFormatList(static_cast<QComboBox*>(controls_.at(st.formatControl)), form_.*st.format);
    }
    static_cast<QComboBox*>(controls_.at(rc::kAllowProgrammingOf))->setCurrentIndex(form_.allowProgrammingOf);
    showCodes();
    showing_ = false;
    applyEnables();
}

void CReportDlg::showCodes()
{
    const auto held = session_.doc.lock();
    const panel::LayoutTable& layout = session_.doc.layout();
    const std::vector<int> entries = panel::reportRowEntries(layout);
    const int rows = int(std::min(entries.size(), form_.codes.size()));
    grid_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const int entry = entries[std::size_t(r)];
        const panel::ReportEvent& event = panel::reportEvents()[std::size_t(entry - 1)];
        const panel::ReportCodeRow& codes = form_.codes[std::size_t(r)];
        grid_->setText(r, panel::report_column::kEvent, text(event.textId));
        grid_->setText(r, panel::report_column::kPrefix, hexPair(event.cidPrefix));
        grid_->setText(r, panel::report_column::kCid, QString::fromStdString(codes.cid));
        grid_->setText(r, panel::report_column::k4x2, QString::fromStdString(codes.code4x2));
        grid_->setCellLength(r, panel::report_column::k4x2, panel::isOneDigitEntry(layout, entry) ? 1 : kCodeDigits);
    }
}

void CReportDlg::optionChanged(int control, int value)
{
    if (showing_)
        return;
    form_.options[control] = value;
    applyEnables();
}

void CReportDlg::codeEdited(int row, int column)
{
    if (showing_ || row < 0 || row >= int(form_.codes.size()))
        return;
    panel::ReportCodeRow& codes = form_.codes[std::size_t(row)];
    const std::string typed = grid_->text(row, column).toStdString();
    if (column == panel::report_column::kCid)
        codes.cid = typed;
    else if (column == panel::report_column::k4x2)
        codes.code4x2 = typed;
}

void CReportDlg::applyEnables()
{
    const panel::ReportEnables e = panel::reportEnables(form_);
    controls_.at(rc::kFirstZoneAlarmOnly)->setEnabled(e.firstZoneAlarmOnly);
    stations_->setEnabled(e.stations);
    splitGroups_[0]->setEnabled(e.stations);
    splitGroups_[1]->setEnabled(e.cs2Group);
    grid_->setColumnType(panel::report_column::kCid, hexColumn(e.cidEditable));
    grid_->setColumnType(panel::report_column::k4x2, hexColumn(e.code4x2Editable));
    grid_->viewport()->update();
    contactIdNote_->setVisible(e.noteVisible);
}

bool CReportDlg::holdsControl(int control)
{
    if (control == rc::kAllowProgrammingOf || control == rc::kCodesGrid)
        return true;
    for (const Station& st : kStations)
        if (control == st.accountControl || control == st.phoneControl || control == st.formatControl)
            return true;
    return std::ranges::any_of(panel::optionBits(), [control](const panel::OptionBit& bit) {
        return isReportOption(bit.setting) && bit.control == control;
    });
}

QWidget* CReportDlg::control(int id) const { return controls_.find(id); }

void CReportDlg::focusPlace(const panel::FormPlace& place)
{
    if (controls_.focus(place, this) && !isVisible())
        pendingFocus_ = place;
}

void CReportDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const auto place = std::exchange(pendingFocus_, std::nullopt))
        focusPlace(*place);
}

void CReportDlg::accept()
{
    std::optional<panel::FormError> error;
    {
        const auto held = session_.doc.lock();
        error = panel::checkReport(form_, panel::formContext(session_.doc), session_.doc.image());
    }
    if (error) {
        const QString message = error->number ? strings::format(error->textId, *error->number) : text(error->textId);
        prompter().message(this, MessageKind::Information, message);
        focusPlace({error->control, error->row, error->column});
        return;
    }
    session_.forms.report = form_;
    QDialog::accept();
}

} // namespace qarvo::gui
