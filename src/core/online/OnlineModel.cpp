#include "online/OnlineModel.h"

#include "app/Strings.h"
#include "online/ClockTexts.h"
#include "panel/TypeLists.h"
#include "operations/OperationCodes.h"
#include "panel/PanelModels.h"
#include "panel/RamLocations.h"

#include <QStringList>

#include <algorithm>

namespace qarvo::online {
namespace {

using operations::OperationCode;
using panel::pgmTypeTextId;
using panel::zoneTypeTextId;

// The page's own texts of the label and buttons (the control ids).
constexpr int kPageSystemLabel = 2416;
constexpr int kSyncTimeLabel = 2420;
constexpr int kPgmButtonLabel = 2427;

constexpr std::uint8_t kInitialPanelType = 0x24;

// Bits of a partition state byte, as the panel RAM location table numbers
// them. Bits 0 and 1 mean one thing while armed and another while disarmed.
constexpr std::uint8_t kArmedBit = panel::kRamLocations[18];
constexpr std::uint8_t kAutoarmRunningBit = panel::kRamLocations[19];
constexpr std::uint8_t kExitTimeBit = panel::kRamLocations[20];
constexpr std::uint8_t kChimeBit = panel::kRamLocations[22];
constexpr std::uint8_t kInstantBit = panel::kRamLocations[23];
constexpr std::uint8_t kStayBit = panel::kRamLocations[25];
constexpr std::uint8_t kEntryTimeBit = panel::kRamLocations[26];
constexpr std::uint8_t kAutoarmPendingBit = panel::kRamLocations[27];
constexpr std::uint8_t kNotReadyBit = panel::kRamLocations[28];
constexpr std::uint8_t kReadyForForcedBit = panel::kRamLocations[29];

struct BitText {
    std::uint8_t bit;
    int textId;
};

// What follows the armed word, and what follows the disarmed word.
constexpr BitText kArmedItems[] = {{kStayBit, text_id::kStay}, {kInstantBit, text_id::kInstant}};
constexpr BitText kDisarmedItems[] = {{kAutoarmPendingBit, text_id::kAutoarming},
                                      {kNotReadyBit, text_id::kNotReady},
                                      {kReadyForForcedBit, text_id::kReadyForForced}};

// The trouble byte, highest bit first.
constexpr BitText kTroubles[] = {
    {7, text_id::kLowBattery},  {6, text_id::kAcLoss},      {5, text_id::kCommunicationFailure},
    {4, text_id::kDateTimeLoss}, {3, text_id::kBellTrouble}, {2, text_id::kTlmTrouble},
    {1, text_id::kTamperTrouble}, {0, text_id::kAuxTrouble},
};

const QString kSeparator = QStringLiteral(", ");

// The partition part of a zone description, by the descriptor's bits 7 and 6.
constexpr const char* kPartitionParts[] = {"___  ", "__B  ", "A__  ", "A&B  "};
constexpr int kPartitionPartShift = 6;
constexpr std::uint8_t kPartitionPartMask = 0x03;
constexpr int kInPartitionA = 0x2;
constexpr int kInPartitionB = 0x1;
constexpr qsizetype kPartitionPartKey = 3; // "A&B", "A__" or "__B" after the leading space
constexpr std::uint8_t kZoneTypeMask = 0x1F;

// PGM button captions by type code: off-state caption, on-state caption.
struct PgmCaption {
    std::uint8_t type;
    int whenOff;
    int whenOn;
};
constexpr PgmCaption kPgmCaptions[] = {
    {0x49, text_id::kTurnPgmOn, text_id::kTurnPgmOff},
    {0x20, text_id::kTurnPgmOn, text_id::kTurnPgmOff},
    {0x48, text_id::kStartPgm, text_id::kStopPgm},
    {0x47, text_id::kStartPgm, text_id::kStartPgm}, // retriggers: always "Start"
};
// PGM 1 is bit 7 of the state map; only the first eight PGMs have a bit.
constexpr int kPgmStateBits = 8;

bool bitSet(std::uint8_t value, std::uint8_t bit)
{
    return (value >> bit) & 1u;
}

QString joined(const QStringList& items)
{
    return items.join(kSeparator);
}

void appendSet(QStringList& items, std::uint8_t value, std::span<const BitText> table)
{
    for (const BitText& entry : table)
        if (bitSet(value, entry.bit))
            items << strings::text(entry.textId);
}

QString partitionStatusText(std::uint8_t state, bool partitioned)
{
    QStringList items;
    if (bitSet(state, kArmedBit)) {
        items << strings::text(partitioned ? text_id::kPartitionArmedWord : text_id::kArmedWord);
        appendSet(items, state, kArmedItems);
    } else {
        // Autoarming that has reached its exit time shows only the exit time.
        if (!(bitSet(state, kAutoarmRunningBit) && bitSet(state, kExitTimeBit)))
            items << strings::text(partitioned ? text_id::kPartitionDisarmedWord : text_id::kDisarmedWord);
        appendSet(items, state, kDisarmedItems);
    }
    if (bitSet(state, kExitTimeBit))
        items << strings::text(text_id::kExitTime);
    else if (bitSet(state, kEntryTimeBit))
        items << strings::text(text_id::kEntryTime);
    return joined(items);
}

int partitionCaption(std::uint8_t state)
{
    if (bitSet(state, kAutoarmRunningBit))
        return text_id::kStopAutoarm;
    if (bitSet(state, kArmedBit) || bitSet(state, kExitTimeBit))
        return text_id::kDisarm;
    return text_id::kArm;
}

QString troublesText(std::uint8_t troubles)
{
    QStringList items;
    appendSet(items, troubles, kTroubles);
    return items.isEmpty() ? strings::text(text_id::kNoSystemTroubles) : joined(items);
}

int operationForCaption(int captionId)
{
    if (captionId == text_id::kArm)
        return OperationCode::kArm;
    if (captionId == text_id::kStopAutoarm)
        return OperationCode::kStopAutoarm;
    return OperationCode::kDisarm;
}

QString zoneTypeName(std::uint8_t type)
{
    if (auto id = zoneTypeTextId(type))
        return strings::text(*id);
    return QString::asprintf("!!! %02d", int(type)) + strings::text(text_id::kInvalidZoneType);
}

QString pgmTypeName(std::uint8_t type, std::uint8_t panelType)
{
    if (auto id = pgmTypeTextId(type, panelType))
        return strings::text(*id);
    return QString::asprintf("!!! %02X", unsigned(type)) + strings::text(text_id::kInvalidPgmType);
}

int pgmCaption(std::uint8_t type, bool on)
{
    for (const PgmCaption& c : kPgmCaptions)
        if (c.type == type)
            return on ? c.whenOn : c.whenOff;
    return text_id::kPgmOnOrOff;
}

// The partitions a zone belongs to, read from its description (bits
// kInPartitionA and kInPartitionB); 0 when the description names none.
int partitionsOfDescription(const QString& description)
{
    for (int k = 1; k < int(std::size(kPartitionParts)); ++k) {
        const QString key = QLatin1Char(' ') + QLatin1String(kPartitionParts[k]).left(kPartitionPartKey);
        if (description.startsWith(key))
            return k;
    }
    return 0;
}

} // namespace

OnlineModel::OnlineModel(Sources sources)
    : sources_(std::move(sources)), panelTypeCode_(kInitialPanelType), systemLabelId_(kPageSystemLabel)
{
}

operations::StatusCounts OnlineModel::counts() const
{
    return sources_.counts ? sources_.counts() : operations::StatusCounts{};
}

int OnlineModel::shownZones() const
{
    return std::clamp(counts().zones, 0, kZoneRows);
}

bool OnlineModel::apply(const ReportNotice& report)
{
    switch (report.kind) {
    case report_kind::kPartitionStatus:
        if (auto status = operations::partitionStatusFrom(report)) {
            applyPartitionStatus(*status);
            return true;
        }
        return false;
    case report_kind::kPanelClock:
        applyClocks();
        return true;
    case report_kind::kWorkerEnded:
        reset();
        return true;
    case report_kind::kOperationStarting:
        disableCommands();
        pgmListReady_ = false;
        return true;
    case report_kind::kPgmStatus:
        if (auto pgms = operations::pgmStatusFrom(report)) {
            applyPgms(*pgms);
            return true;
        }
        return false;
    case report_kind::kPanelIdentified:
        panelTypeCode_ = static_cast<std::uint8_t>(report.value);
        modelText_ = strings::format(panel::modelTextId(panelTypeCode_), panelTypeCode_);
        return true;
    case report_kind::kZoneDescriptor:
        if (auto zone = operations::zoneDescriptorFrom(report)) {
            applyZoneDescriptor(*zone);
            return true;
        }
        return false;
    default:
        break;
    }
    if (auto zones = operations::zoneMapFrom(report)) {
        applyZoneMap(*zones);
        return true;
    }
    return false;
}

void OnlineModel::applyPartitionStatus(const operations::PartitionStatus& status)
{
    switchMode(status.partitioned);
    PartitionRow& row = status.partition == operations::kPartitionB ? partitionB_ : system_;
    row.status = partitionStatusText(status.state, status.partitioned);
    row.button = {partitionCaption(status.state), true};
    if (status.partition == operations::kPartitionA) {
        const bool chimeOn = bitSet(status.state, kChimeBit);
        chimeText_ = strings::text(chimeOn ? text_id::kOn : text_id::kOff);
        chimeButton_ = {chimeOn ? text_id::kTurnChimeOff : text_id::kTurnChimeOn, true};
    }
    troubleText_ = troublesText(status.troubles);
}

void OnlineModel::switchMode(bool partitioned)
{
    if (partitioned && !partitionedMode_) {
        systemLabelId_ = text_id::kPartitionAIs;
        partitionedMode_ = true;
    } else if (!partitioned && partitionedMode_) {
        systemLabelId_ = text_id::kSystemIs;
        partitionB_.status.clear();
        partitionB_.button.enabled = false;
        partitionedMode_ = false;
    }
}

void OnlineModel::applyClocks()
{
    panelClockText_ = online::panelClockText(sources_.panelClock ? sources_.panelClock() : operations::PanelClock{});
    pcClockText_ = online::pcClockText(sources_.localTime ? sources_.localTime() : QDateTime::currentDateTime());
    clocksEnabled_ = true;
    syncTimeEnabled_ = true;
}

void OnlineModel::applyZoneMap(const operations::ZoneMapReport& zones)
{
    const auto indicator = indicatorOfReport(zones.kind);
    if (!indicator)
        return;
    for (int i = 0; i < shownZones(); ++i) {
        ZoneStatusRow& row = zones_[static_cast<std::size_t>(i)];
        row.indicators = applyZoneReport(row.indicators, *indicator, zones.partitioned, zones.partition,
                                         (zones.map >> i) & 1u);
    }
    if (zones.kind == report_kind::kZonesBypassed)
        applyBypassActions(zones.partitioned);
}

void OnlineModel::applyBypassActions(bool partitioned)
{
    // A partition is free for bypassing while its button offers "Arm".
    const bool freeA = system_.button.captionId == text_id::kArm;
    const bool freeB = partitionB_.button.captionId == text_id::kArm;
    const IndicatorBits bypass = indicatorBits(Indicator::Bypass);
    for (int i = 0; i < shownZones(); ++i) {
        ZoneStatusRow& row = zones_[static_cast<std::size_t>(i)];
        // Without partitions the system is partition A and every zone is in it.
        const int in = partitioned ? partitionsOfDescription(row.description) : kInPartitionA;
        const bool free = ((in & kInPartitionA) && freeA) || ((in & kInPartitionB) && freeB);
        const bool bypassed = ((in & kInPartitionA) && (row.indicators & bypass.a))
            || ((in & kInPartitionB) && (row.indicators & bypass.b));
        if (!free) {
            row.actionId = text_id::kUnOrBypass;
            row.actionEnabled = false;
        } else {
            row.actionId = bypassed ? text_id::kUnbypass : text_id::kBypass;
            row.actionEnabled = true;
        }
    }
    followSelectedZone();
}

void OnlineModel::applyPgms(const operations::PgmStatus& report)
{
    const std::size_t oldSize = pgms_.size();
    pgms_.resize(report.count);
    for (std::size_t j = oldSize; j < pgms_.size(); ++j)
        pgms_[j] = PgmRow{QString::number(j + 1), QString(), text_id::kPgmOnOrOff};
    const std::size_t shown = std::min({static_cast<std::size_t>(std::max(counts().pgms, 0)),
                                        static_cast<std::size_t>(report.count), report.types.size()});
    for (std::size_t j = 0; j < shown; ++j) {
        const std::uint8_t type = report.types[j];
        const bool on = j < kPgmStateBits && bitSet(report.states, static_cast<std::uint8_t>(7 - j));
        pgms_[j].state = QLatin1Char(' ') + pgmTypeName(type, panelTypeCode_) + QStringLiteral(" = ")
            + strings::text(on ? text_id::kOn : text_id::kOff);
        pgms_[j].captionId = pgmCaption(type, on);
        pgms_[j].on = on;
    }
    if (selectedPgm_ && *selectedPgm_ >= int(pgms_.size()))
        selectedPgm_.reset();
    pgmListReady_ = true;
}

void OnlineModel::applyZoneDescriptor(const operations::ZoneDescriptor& zone)
{
    if (zone.index >= kZoneRows)
        return;
    QString text = QStringLiteral(" ");
    if (zone.partitioned)
        text += QLatin1String(kPartitionParts[(zone.descriptor >> kPartitionPartShift) & kPartitionPartMask]);
    text += zoneTypeName(zone.descriptor & kZoneTypeMask);
    zones_[zone.index].description = text;
}

void OnlineModel::disableCommands()
{
    system_.button.enabled = false;
    partitionB_.button.enabled = false;
    chimeButton_.enabled = false;
    syncTimeEnabled_ = false;
    zoneButton_.enabled = false;
}

void OnlineModel::reset()
{
    disableCommands();
    panelClockText_.clear();
    pcClockText_.clear();
    clocksEnabled_ = false;
    chimeText_.clear();
    troubleText_.clear();
    system_ = PartitionRow{};
    partitionB_ = PartitionRow{};
    chimeButton_ = {text_id::kChimeOnOrOff, false};
    zones_.fill(ZoneStatusRow{});
    zoneButton_ = {text_id::kUnOrBypass, false};
    for (PgmRow& row : pgms_) {
        row.state.clear();
        row.captionId = text_id::kPgmOnOrOff;
        row.on = false;
    }
    pgmListReady_ = false;
    systemLabelId_ = text_id::kSystemIs;
    partitionedMode_ = false;
}

int OnlineModel::icon(int index, Indicator indicator) const
{
    return indicatorIcon(zone(index).indicators, indicator);
}

QString OnlineModel::zoneNumberText(int index)
{
    return QString::asprintf("Z%02d", index + 1);
}

QString OnlineModel::zoneLabel(int index) const
{
    const QString number = zoneNumberText(index);
    if (index < 0 || static_cast<std::size_t>(index) >= zoneNames_.size())
        return number;
    const QString name = zoneNames_[static_cast<std::size_t>(index)].trimmed();
    return name.isEmpty() ? number : number + QLatin1Char(' ') + name;
}

void OnlineModel::selectZone(std::optional<int> index)
{
    selectedZone_ = (index && *index >= 0 && *index < shownZones()) ? index : std::nullopt;
    followSelectedZone();
}

void OnlineModel::followSelectedZone()
{
    if (!selectedZone_) {
        zoneButton_ = {text_id::kUnOrBypass, false};
        return;
    }
    const ZoneStatusRow& row = zone(*selectedZone_);
    zoneButton_ = {row.actionId, row.actionEnabled};
}

void OnlineModel::selectPgm(std::optional<int> index)
{
    selectedPgm_ = (index && *index >= 0 && *index < int(pgms_.size())) ? index : std::nullopt;
}

QString OnlineModel::pgmButtonText() const
{
    if (!selectedPgm_)
        return strings::text(kPgmButtonLabel);
    return strings::format(pgms_[static_cast<std::size_t>(*selectedPgm_)].captionId, *selectedPgm_ + 1);
}

bool OnlineModel::pgmButtonEnabled() const
{
    return selectedPgm_ && pgmListReady_
        && pgms_[static_cast<std::size_t>(*selectedPgm_)].captionId != text_id::kPgmOnOrOff;
}

ButtonState OnlineModel::syncTimeButton() const
{
    return {kSyncTimeLabel, syncTimeEnabled_};
}

std::optional<OperationRequest> OnlineModel::requestFor(Button button) const
{
    switch (button) {
    case Button::SyncTime:
        if (syncTimeEnabled_)
            return OperationRequest{OperationCode::kSetClock, 0};
        break;
    case Button::Chime:
        if (chimeButton_.enabled)
            return OperationRequest{OperationCode::kToggleChime, 0};
        break;
    case Button::PartitionA:
        if (system_.button.enabled)
            return OperationRequest{operationForCaption(system_.button.captionId), operations::kPartitionA};
        break;
    case Button::PartitionB:
        if (partitionedMode_ && partitionB_.button.enabled)
            return OperationRequest{operationForCaption(partitionB_.button.captionId), operations::kPartitionB};
        break;
    case Button::Bypass:
        if (selectedZone_ && zoneButton_.enabled) {
            const bool bypass = zone(*selectedZone_).actionId == text_id::kBypass;
            return OperationRequest{bypass ? OperationCode::kBypass : OperationCode::kUnbypass, *selectedZone_};
        }
        break;
    case Button::Pgm:
        if (pgmButtonEnabled())
            return OperationRequest{OperationCode::kChangePgm, *selectedPgm_};
        break;
    }
    return std::nullopt;
}

std::vector<int> OnlineModel::openZonesArmedBy(Button button) const
{
    const auto request = requestFor(button);
    if (!request || request->operation != OperationCode::kArm)
        return {};
    const bool partitionB = button == Button::PartitionB;
    const IndicatorBits open = indicatorBits(Indicator::ZoneOpen);
    const IndicatorBits bypass = indicatorBits(Indicator::Bypass);
    std::vector<int> zones;
    for (int i = 0; i < shownZones(); ++i) {
        const std::uint32_t word = zones_[static_cast<std::size_t>(i)].indicators;
        const bool isOpen = (word & (partitionB ? open.b : open.a)) != 0;
        const bool bypassed = (word & (partitionB ? bypass.b : bypass.a)) != 0;
        if (isOpen && !bypassed)
            zones.push_back(i);
    }
    return zones;
}

} // namespace qarvo::online
