#include "gui/pages/TaviOptionsView.h"

#include "app/Strings.h"

#include "base/TextIds.h"
#include "communicator/TaviModelInfo.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/shell/ShellTexts.h"
#include "gui/pages/TaviPageTexts.h"
#include "gui/widgets/CHexEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <bit>
#include <span>

namespace qarvo::gui {

namespace {

using namespace tavi_page;

// Character limits of the page's fields.
constexpr int kPasswordChars = 4;
constexpr int kAccountDigits = 4;
constexpr int kPortDigits = 5;
constexpr int kEventDigits = 3;
constexpr int kUserDigits = 3;
constexpr int kPartitionDigits = 2;
constexpr int kGprsKeepAliveDigits = 2;
constexpr int kApnChars = 31;
constexpr int kSimTextChars = 15;
constexpr int kServerAddressChars = static_cast<int>(tavi::kServerAddressWidth) - 1;

// The model information lines, in the page's order.
constexpr std::array<int, 8> kInfoLabels{kModel, kHardwareRevision, kSoftwareRevision, kConnectedBy,
                                         kId,    kSerialNumber,     kMac,              kIp};
constexpr std::array<int, tavi::kIpv4Count> kIpv4Labels{kIp, kNetMask, kGateway, kPrimaryDns, kSecondaryDns};
constexpr std::array<int, tavi::kLocalEventCount> kLocalEventLabels{
    kCallbackAccepted, kPcConnected, kConnectionRejected, kSettingsChanged, kPanic, kSwitchLine};
constexpr std::array<int, 3> kProtocolTexts{kNoReport, kNoReport + 1, kNoReport + 2};
constexpr std::array<int, 2> kUnitTexts{text_id::kUnitSec, text_id::kUnitMin};

QLabel* label(int textId) { return new QLabel(text(textId)); }

QLineEdit* readOnlyField()
{
    auto* field = new QLineEdit;
    showReadOnly(*field);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

QLineEdit* textField(int maxLength)
{
    auto* field = new QLineEdit;
    field->setMaxLength(maxLength);
    return field;
}

// A check box that shows a state and takes no input.
QCheckBox* indicator(const QString& caption = QString())
{
    auto* box = new QCheckBox(caption);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QComboBox* combo(std::span<const int> texts)
{
    auto* box = new QComboBox;
    for (int id : texts)
        box->addItem(text(id));
    return box;
}

QGroupBox* group(int titleId)
{
    auto* box = new QGroupBox(text(titleId));
    box->setObjectName(QStringLiteral("group%1").arg(titleId));
    return box;
}

std::string str(const QLineEdit* field) { return field->text().toStdString(); }
void set(QLineEdit* field, const std::string& value) { field->setText(QString::fromStdString(value)); }

void enable(const std::vector<QWidget*>& widgets, bool on)
{
    for (QWidget* w : widgets)
        w->setEnabled(on);
}

} // namespace

TaviOptionsView::TaviOptionsView(QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(buildModelInfo(), 0, 0, 1, 2);
    grid->addWidget(buildCommunicator(), 1, 0);
    grid->addWidget(buildNetwork(), 1, 1);
    grid->addWidget(buildServers(), 2, 0, 1, 2);
    grid->addWidget(buildEvents(), 3, 0);
    grid->addWidget(buildInputs(), 3, 1);
    grid->addWidget(buildPgms(), 4, 0, 1, 2);
    grid->addWidget(buildGprs(), 5, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);

    for (QCheckBox* box : {dhcp_, servers_[1].inUse, doubleSim_, portEditable_, passwordEditable_})
        connect(box, &QCheckBox::toggled, this, [this] { updateLocalEnables(); });
    applyEnables(capabilities_);
}

QWidget* TaviOptionsView::buildModelInfo()
{
    QGroupBox* box = group(kModelGroup);
    auto* grid = new QGridLayout(box);
    constexpr int kColumns = 2; // label/value pairs per row
    for (std::size_t i = 0; i < info_.size(); ++i) {
        info_[i] = readOnlyField();
        info_[i]->setObjectName(QStringLiteral("info%1").arg(kInfoLabels[i]));
        const int row = static_cast<int>(i) / kColumns;
        const int column = static_cast<int>(i) % kColumns * 2;
        grid->addWidget(label(kInfoLabels[i]), row, column);
        grid->addWidget(info_[i], row, column + 1);
    }
    rssi_ = readOnlyField();
    rssi_->setObjectName(QStringLiteral("rssi"));
    const int row = static_cast<int>(info_.size()) / kColumns;
    const int column = static_cast<int>(info_.size()) % kColumns * 2;
    grid->addWidget(label(kRssi), row, column);
    grid->addWidget(rssi_, row, column + 1);
    for (int c = 1; c < kColumns * 2; c += 2)
        grid->setColumnStretch(c, 1);
    return box;
}

QWidget* TaviOptionsView::buildCommunicator()
{
    QGroupBox* box = group(kCommunicatorGroup);
    auto* form = new QFormLayout(box);
    password_ = textField(kPasswordChars);
    password_->setObjectName(QStringLiteral("password"));
    passwordEditable_ = new QCheckBox;
    passwordEditable_->setObjectName(QStringLiteral("passwordEditable"));
    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(passwordEditable_);
    passwordRow->addWidget(password_);
    form->addRow(label(kPassword), passwordRow);

    account_ = new CHexEdit;
    account_->setObjectName(QStringLiteral("account"));
    keepShort(*account_, static_cast<int>(kAccountHexDigits));
    account_->setMaxLength(kAccountDigits);
    form->addRow(label(kAccount), account_);

    port_ = makeDecimalField(QStringLiteral("port"), kPortDigits);
    portEditable_ = new QCheckBox;
    portEditable_->setObjectName(QStringLiteral("portEditable"));
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(portEditable_);
    portRow->addWidget(port_);
    form->addRow(label(kPort), portRow);

    encrypt_ = new QCheckBox(text(kEncrypt));
    checkForUpdates_ = new QCheckBox(text(kCheckForUpdates));
    form->addRow(encrypt_);
    form->addRow(checkForUpdates_);
    return box;
}

QWidget* TaviOptionsView::buildNetwork()
{
    QGroupBox* box = group(kNetGroup);
    auto* form = new QFormLayout(box);
    dhcp_ = new QCheckBox(text(kDhcp));
    dhcp_->setObjectName(QStringLiteral("dhcp"));
    form->addRow(dhcp_);
    for (std::size_t i = 0; i < ipv4_.size(); ++i) {
        ipv4_[i] = makeAddressField(QStringLiteral("ipv4_%1").arg(i));
        QLabel* caption = label(kIpv4Labels[i]);
        form->addRow(caption, ipv4_[i]);
        networkFields_.insert(networkFields_.end(), {caption, ipv4_[i]});
    }
    return box;
}

void TaviOptionsView::buildServerColumn(QGridLayout& grid, int column, ServerControls& server)
{
    server.protocol = combo(kProtocolTexts);
    server.address = textField(kServerAddressChars);
    server.port = makeDecimalField(QString(), kPortDigits);
    server.encrypt = new QCheckBox(text(kEncrypt));
    server.staticKey = new QCheckBox(text(kStaticKey));
    server.keepAlive = makeDecimalField(QString(), kPortDigits);
    server.gprsKeepAlive = makeDecimalField(QString(), kGprsKeepAliveDigits);
    const QString prefix = column == 1 ? QStringLiteral("primary") : QStringLiteral("secondary");
    server.address->setObjectName(prefix + QStringLiteral("Address"));
    server.port->setObjectName(prefix + QStringLiteral("Port"));
    server.keepAlive->setObjectName(prefix + QStringLiteral("KeepAlive"));
    server.gprsKeepAlive->setObjectName(prefix + QStringLiteral("GprsKeepAlive"));

    auto* keepAlive = new QHBoxLayout;
    auto* range = new QLabel(strings::format(kKeepAliveRange, kMaxKeepAliveSeconds));
    range->setObjectName(prefix + QStringLiteral("KeepAliveRange"));
    keepAlive->addWidget(server.keepAlive);
    keepAlive->addWidget(range);
    auto* gprs = new QHBoxLayout;
    QLabel* gprsLabel = label(kGprs);
    QLabel* minutes = label(text_id::kUnitMin);
    gprs->addWidget(gprsLabel);
    gprs->addWidget(server.gprsKeepAlive);
    gprs->addWidget(minutes);

    grid.addWidget(server.protocol, 1, column);
    grid.addWidget(server.address, 2, column);
    grid.addWidget(server.port, 3, column);
    auto* checks = new QHBoxLayout;
    checks->addWidget(server.encrypt);
    checks->addWidget(server.staticKey);
    grid.addLayout(checks, 4, column);
    grid.addLayout(keepAlive, 5, column);
    grid.addLayout(gprs, 6, column);
    server.fields = {server.protocol, server.address, server.port, server.encrypt,
                     server.staticKey, server.keepAlive, range};
    server.gprsFields = {gprsLabel, server.gprsKeepAlive, minutes};
}

QWidget* TaviOptionsView::buildServers()
{
    auto* box = new QGroupBox;
    box->setObjectName(QStringLiteral("servers"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(label(kPrimaryServer), 0, 1);
    servers_[1].inUse = new QCheckBox(text(kSecondaryServer));
    servers_[1].inUse->setObjectName(QStringLiteral("secondaryServer"));
    grid->addWidget(servers_[1].inUse, 0, 2);
    const int rowLabels[] = {kProtocol, kAddress, kPort, 0, kKeepAlive, 0};
    for (int row = 0; row < static_cast<int>(std::size(rowLabels)); ++row)
        if (rowLabels[row])
            grid->addWidget(label(rowLabels[row]), row + 1, 0);
    buildServerColumn(*grid, 1, servers_[0]);
    buildServerColumn(*grid, 2, servers_[1]);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* TaviOptionsView::buildEvents()
{
    QGroupBox* box = group(kEventsGroup);
    auto* form = new QFormLayout(box);
    settingsUser_ = makeDecimalField(QStringLiteral("settingsUser"), kUserDigits);
    settingsPartition_ = makeDecimalField(QStringLiteral("settingsPartition"), kPartitionDigits);
    auto* changed = new QHBoxLayout;
    changed->addWidget(label(kUser));
    changed->addWidget(settingsUser_);
    changed->addWidget(label(kPartition));
    changed->addWidget(settingsPartition_);
    form->addRow(label(kSettingsChanged), changed);
    for (std::size_t e = 0; e < localEvents_.size(); ++e) {
        localEvents_[e] = makeDecimalField(QStringLiteral("localEvent%1").arg(e), kEventDigits);
        form->addRow(label(kLocalEventLabels[e]), localEvents_[e]);
    }
    return box;
}

QWidget* TaviOptionsView::buildInputs()
{
    inputsGroup_ = group(kInputsGroup);
    auto* grid = new QGridLayout(inputsGroup_);
    grid->addWidget(label(kEventCode), 0, 1);
    grid->addWidget(label(kState), 0, 2);
    const int rowLabels[] = {kInput1, kInput2, kTamper};
    const std::uint8_t stateBits[] = {tavi_state::kInput1, tavi_state::kInput2, tavi_state::kTamper};
    for (int row = 0; row < 3; ++row) {
        QLineEdit* event = makeDecimalField(QStringLiteral("inputEvent%1").arg(row), kEventDigits);
        QCheckBox* state = indicator();
        stateBoxes_[static_cast<std::size_t>(std::countr_zero(stateBits[row]))] = state;
        QLabel* caption = label(rowLabels[row]);
        grid->addWidget(caption, row + 1, 0);
        grid->addWidget(event, row + 1, 1);
        grid->addWidget(state, row + 1, 2);
        if (row < 2) {
            inputEvents_[static_cast<std::size_t>(row)] = event;
            inputRows_.insert(inputRows_.end(), {caption, event, state});
        } else {
            tamperEvent_ = event;
            tamperRow_ = {caption, event, state};
        }
    }
    grid->setRowStretch(4, 1);
    return inputsGroup_;
}

QWidget* TaviOptionsView::buildPgms()
{
    pgmGroup_ = group(kPgmGroup);
    auto* grid = new QGridLayout(pgmGroup_);
    const int headers[] = {0, kLatch, kTime, 0, kEventCode, kState};
    for (int c = 0; c < static_cast<int>(std::size(headers)); ++c)
        if (headers[c])
            grid->addWidget(label(headers[c]), 0, c);
    for (std::size_t n = 0; n < pgm_.size(); ++n) {
        PgmControls& row = pgm_[n];
        row.button = new QPushButton(text(kPgm1 + static_cast<int>(n)));
        row.button->setObjectName(QStringLiteral("pgmButton%1").arg(n + 1));
        row.latch = new QCheckBox;
        row.time = makeDecimalField(QStringLiteral("pgmTime%1").arg(n + 1), kPortDigits);
        row.unit = combo(kUnitTexts);
        row.eventCode = makeDecimalField(QStringLiteral("pgmEvent%1").arg(n + 1), kEventDigits);
        QCheckBox* state = indicator();
        stateBoxes_[static_cast<std::size_t>(std::countr_zero(tavi_state::kPgm1)) + n] = state;
        const int r = static_cast<int>(n) + 1;
        grid->addWidget(row.button, r, 0);
        grid->addWidget(row.latch, r, 1);
        grid->addWidget(row.time, r, 2);
        grid->addWidget(row.unit, r, 3);
        grid->addWidget(row.eventCode, r, 4);
        grid->addWidget(state, r, 5);
        row.row = {row.button, row.latch, row.time, row.unit, row.eventCode, state};
        connect(row.button, &QPushButton::clicked, this, [this, n] { emit pgmClicked(static_cast<int>(n)); });
    }
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 1);
    return pgmGroup_;
}

QWidget* TaviOptionsView::buildGprs()
{
    gprsGroup_ = group(kGprsGroup);
    auto* layout = new QGridLayout(gprsGroup_);
    for (std::size_t s = 0; s < sims_.size(); ++s) {
        SimControls& sim = sims_[s];
        QGroupBox* box = group(s == 0 ? kSim1 : kSim2);
        auto* form = new QFormLayout(box);
        sim.apn = textField(kApnChars);
        sim.user = textField(kSimTextChars);
        sim.password = textField(kSimTextChars);
        sim.apn->setObjectName(QStringLiteral("sim%1Apn").arg(s + 1));
        QLabel* apn = label(kApn);
        QLabel* user = label(kUser);
        QLabel* password = label(kPassword);
        form->addRow(apn, sim.apn);
        form->addRow(user, sim.user);
        form->addRow(password, sim.password);
        if (s == 1)
            sim2Fields_ = {apn, sim.apn, user, sim.user, password, sim.password};
        layout->addWidget(box, 0, static_cast<int>(s));
    }
    doubleSim_ = new QCheckBox(text(kDoubleSim));
    doubleSim_->setObjectName(QStringLiteral("doubleSim"));
    pgm1IfBlocked_ = new QCheckBox(text(kPgm1IfBlocked));
    pgm2IfBlocked_ = new QCheckBox(text(kPgm2IfBlocked));
    QCheckBox* jamming = indicator(text(kJamming));
    jamming->setObjectName(QStringLiteral("jamming"));
    stateBoxes_[static_cast<std::size_t>(std::countr_zero(tavi_state::kJamming))] = jamming;
    auto* test = new QPushButton(text(kTest)); // the communicator offers no test yet
    auto* checks = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{doubleSim_, pgm1IfBlocked_, pgm2IfBlocked_, jamming, test})
        checks->addWidget(w);
    checks->addStretch();
    layout->addLayout(checks, 1, 0, 1, 2);

    QGroupBox* events = group(kEventsGroup);
    auto* grid = new QGridLayout(events);
    constexpr int kColumns = 4; // label/field pairs per row
    for (std::size_t e = 0; e < gprsEvents_.size(); ++e) {
        gprsEvents_[e] = makeDecimalField(QStringLiteral("gprsEvent%1").arg(e), kEventDigits);
        const int row = static_cast<int>(e) / kColumns;
        const int column = static_cast<int>(e) % kColumns * 2;
        grid->addWidget(label(kInitFailure + static_cast<int>(e)), row, column);
        grid->addWidget(gprsEvents_[e], row, column + 1);
    }
    layout->addWidget(events, 2, 0, 1, 2);
    return gprsGroup_;
}

// ---------------------------------------------------------------- values

TaviOptionsForm TaviOptionsView::form() const
{
    TaviOptionsForm f;
    f.password = str(password_);
    f.passwordEditable = passwordEditable_->isChecked();
    f.account = str(account_);
    f.portEditable = portEditable_->isChecked();
    f.port = str(port_);
    f.encrypt = encrypt_->isChecked();
    f.checkForUpdates = checkForUpdates_->isChecked();
    f.dhcp = dhcp_->isChecked();
    for (std::size_t i = 0; i < ipv4_.size(); ++i)
        f.ipv4[i] = parseAddress(ipv4_[i]->text()).value_or(0);
    for (std::size_t s = 0; s < servers_.size(); ++s) {
        const ServerControls& c = servers_[s];
        TaviServerForm& server = f.servers[s];
        server.inUse = c.inUse ? c.inUse->isChecked() : true;
        server.protocol = c.protocol->currentIndex();
        server.encrypt = c.encrypt->isChecked();
        server.staticKey = c.staticKey->isChecked();
        server.port = str(c.port);
        server.address = str(c.address);
        server.keepAlive = str(c.keepAlive);
        server.gprsKeepAlive = str(c.gprsKeepAlive);
    }
    f.settingsUser = str(settingsUser_);
    f.settingsPartition = str(settingsPartition_);
    for (std::size_t e = 0; e < localEvents_.size(); ++e)
        f.localEvents[e] = str(localEvents_[e]);
    for (std::size_t i = 0; i < inputEvents_.size(); ++i)
        f.inputEvents[i] = str(inputEvents_[i]);
    f.tamperEvent = str(tamperEvent_);
    for (std::size_t n = 0; n < pgm_.size(); ++n) {
        f.pgm[n].latch = pgm_[n].latch->isChecked();
        f.pgm[n].time = str(pgm_[n].time);
        f.pgm[n].unit = pgm_[n].unit->currentIndex();
        f.pgm[n].eventCode = str(pgm_[n].eventCode);
    }
    f.doubleSim = doubleSim_->isChecked();
    f.pgm1IfBlocked = pgm1IfBlocked_->isChecked();
    f.pgm2IfBlocked = pgm2IfBlocked_->isChecked();
    for (std::size_t s = 0; s < sims_.size(); ++s)
        f.sims[s] = {str(sims_[s].apn), str(sims_[s].user), str(sims_[s].password)};
    for (std::size_t e = 0; e < gprsEvents_.size(); ++e)
        f.gprsEvents[e] = str(gprsEvents_[e]);
    return f;
}

void TaviOptionsView::setForm(const TaviOptionsForm& f)
{
    set(password_, f.password);
    passwordEditable_->setChecked(f.passwordEditable);
    set(account_, f.account);
    portEditable_->setChecked(f.portEditable);
    set(port_, f.port);
    encrypt_->setChecked(f.encrypt);
    checkForUpdates_->setChecked(f.checkForUpdates);
    dhcp_->setChecked(f.dhcp);
    for (std::size_t i = 0; i < ipv4_.size(); ++i)
        ipv4_[i]->setText(addressText(f.ipv4[i]));
    for (std::size_t s = 0; s < servers_.size(); ++s) {
        const ServerControls& c = servers_[s];
        const TaviServerForm& server = f.servers[s];
        if (c.inUse)
            c.inUse->setChecked(server.inUse);
        c.protocol->setCurrentIndex(server.protocol);
        c.encrypt->setChecked(server.encrypt);
        c.staticKey->setChecked(server.staticKey);
        set(c.port, server.port);
        set(c.address, server.address);
        set(c.keepAlive, server.keepAlive);
        set(c.gprsKeepAlive, server.gprsKeepAlive);
    }
    set(settingsUser_, f.settingsUser);
    set(settingsPartition_, f.settingsPartition);
    for (std::size_t e = 0; e < localEvents_.size(); ++e)
        set(localEvents_[e], f.localEvents[e]);
    for (std::size_t i = 0; i < inputEvents_.size(); ++i)
        set(inputEvents_[i], f.inputEvents[i]);
    set(tamperEvent_, f.tamperEvent);
    for (std::size_t n = 0; n < pgm_.size(); ++n) {
        pgm_[n].latch->setChecked(f.pgm[n].latch);
        set(pgm_[n].time, f.pgm[n].time);
        pgm_[n].unit->setCurrentIndex(f.pgm[n].unit);
        set(pgm_[n].eventCode, f.pgm[n].eventCode);
    }
    doubleSim_->setChecked(f.doubleSim);
    pgm1IfBlocked_->setChecked(f.pgm1IfBlocked);
    pgm2IfBlocked_->setChecked(f.pgm2IfBlocked);
    for (std::size_t s = 0; s < sims_.size(); ++s) {
        set(sims_[s].apn, f.sims[s].apn);
        set(sims_[s].user, f.sims[s].user);
        set(sims_[s].password, f.sims[s].password);
    }
    for (std::size_t e = 0; e < gprsEvents_.size(); ++e)
        set(gprsEvents_[e], f.gprsEvents[e]);
    updateLocalEnables();
}

std::optional<std::size_t> TaviOptionsView::invalidIpv4Field() const
{
    for (std::size_t i = 0; i < ipv4_.size(); ++i)
        if (!parseAddress(ipv4_[i]->text()))
            return i;
    return std::nullopt;
}

QWidget* TaviOptionsView::control(TaviControl c) const
{
    const auto index = static_cast<int>(c);
    auto member = [index](TaviControl first) { return static_cast<std::size_t>(index - static_cast<int>(first)); };
    switch (c) {
    case TaviControl::Account: return account_;
    case TaviControl::Port: return port_;
    case TaviControl::PrimaryPort: return servers_[0].port;
    case TaviControl::PrimaryAddress: return servers_[0].address;
    case TaviControl::PrimaryKeepAlive: return servers_[0].keepAlive;
    case TaviControl::SecondaryPort: return servers_[1].port;
    case TaviControl::SecondaryAddress: return servers_[1].address;
    case TaviControl::SecondaryKeepAlive: return servers_[1].keepAlive;
    case TaviControl::SettingsUser: return settingsUser_;
    case TaviControl::SettingsPartition: return settingsPartition_;
    case TaviControl::Input1Event: return inputEvents_[0];
    case TaviControl::Input2Event: return inputEvents_[1];
    case TaviControl::TamperEvent: return tamperEvent_;
    case TaviControl::PrimaryGprsKeepAlive: return servers_[0].gprsKeepAlive;
    case TaviControl::SecondaryGprsKeepAlive: return servers_[1].gprsKeepAlive;
    default: break;
    }
    if (c >= TaviControl::LocalEventFirst && c < TaviControl::Input1Event)
        return localEvents_[member(TaviControl::LocalEventFirst)];
    if (c >= TaviControl::PgmTimeFirst && c < TaviControl::PgmEventFirst)
        return pgm_[member(TaviControl::PgmTimeFirst)].time;
    if (c >= TaviControl::PgmEventFirst && c < TaviControl::PrimaryGprsKeepAlive)
        return pgm_[member(TaviControl::PgmEventFirst)].eventCode;
    if (c >= TaviControl::GprsEventFirst && c < TaviControl::Count)
        return gprsEvents_[member(TaviControl::GprsEventFirst)];
    return nullptr;
}

// ---------------------------------------------------------------- enables

void TaviOptionsView::applyEnables(const TaviCapabilities& capabilities)
{
    capabilities_ = capabilities;
    updateLocalEnables();
}

void TaviOptionsView::updateLocalEnables()
{
    const TaviEnables e = taviEnables(form(), capabilities_);
    enable(networkFields_, e.networkFields);
    port_->setEnabled(e.portField);
    password_->setEnabled(e.passwordField);
    enable(servers_[1].fields, e.secondaryServer);
    enable(servers_[0].gprsFields, e.primaryGprsKeepAlive);
    enable(servers_[1].gprsFields, e.secondaryGprsKeepAlive);
    pgmGroup_->setEnabled(e.pgmGroup);
    for (std::size_t n = 0; n < pgm_.size(); ++n)
        enable(pgm_[n].row, e.pgmRows[n]);
    inputsGroup_->setEnabled(e.inputsGroup);
    enable(inputRows_, e.inputRows);
    enable(tamperRow_, e.tamperRow);
    gprsGroup_->setEnabled(e.gprsGroup);
    enable(sim2Fields_, e.sim2Group);
}

// ---------------------------------------------------------------- live state

void TaviOptionsView::setModelInfo(const std::vector<std::string>& values)
{
    for (std::size_t i = 0; i < info_.size(); ++i)
        info_[i]->setText(i < values.size() ? QString::fromStdString(values[i]) : QString());
}

QString TaviOptionsView::modelInfoText(std::size_t line) const { return info_[line]->text(); }

void TaviOptionsView::setLiveState(std::uint8_t state, std::optional<std::uint8_t> rssi)
{
    for (std::size_t bit = 0; bit < stateBoxes_.size(); ++bit)
        stateBoxes_[bit]->setChecked((state >> bit) & 1u);
    rssi_->setText(rssi ? QString::number(*rssi) : QString());
}

void TaviOptionsView::setPgmState(std::size_t pgm, bool on)
{
    const auto bit = static_cast<std::size_t>(std::countr_zero(tavi_state::kPgm1)) + pgm;
    if (bit < stateBoxes_.size())
        stateBoxes_[bit]->setChecked(on);
}

void TaviOptionsView::clearSignal()
{
    rssi_->clear();
    stateBoxes_[static_cast<std::size_t>(std::countr_zero(tavi_state::kJamming))]->setChecked(false);
}

} // namespace qarvo::gui
