#pragma once
// What the "Online status" page shows, kept without widgets: it takes the
// operation reports of the panel link and holds the partition texts and
// button captions, chime, troubles, clocks, panel model, one row per zone
// with its indicators and bypass action, and one row per PGM output. It also
// answers which online operation each of the page's buttons asks for.
#include "base/NoticeSink.h"
#include "base/TextIds.h"
#include "online/Indicators.h"
#include "operations/StatusDecoder.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace qarvo::online {

// Zone rows kept; as many are shown as the panel has zones.
inline constexpr int kZoneRows = 16;

// The page's command buttons.
enum class Button { SyncTime, Chime, PartitionA, PartitionB, Bypass, Pgm };

// An online operation (worker codes 8 to 15) and its argument.
struct OperationRequest {
    int operation = 0;
    int argument = 0;
    friend bool operator==(const OperationRequest&, const OperationRequest&) = default;
};

struct ButtonState {
    int captionId = 0;
    bool enabled = false;
};

// The status line of the system (or partition A) or of partition B.
struct PartitionRow {
    QString status;
    ButtonState button{text_id::kArmOrDisarm, false};
};

struct ZoneStatusRow {
    std::uint32_t indicators = 0;
    QString description;
    int actionId = text_id::kUnOrBypass;
    bool actionEnabled = false;
};

struct PgmRow {
    QString number;
    QString state;
    int captionId = text_id::kPgmOnOrOff; // a format taking the PGM number
    bool on = false;                      // the output's state as last reported
};

class OnlineModel {
public:
    struct Sources {
        // Zone count and PGM count of the panel identity values.
        std::function<operations::StatusCounts()> counts;
        // The panel clock record that the status decoding keeps.
        std::function<operations::PanelClock()> panelClock;
        // The computer's local time; the current time when empty.
        std::function<QDateTime()> localTime;
    };

    explicit OnlineModel(Sources sources);

    // Takes one operation report (kinds 1, 3 to 14); false when it carries
    // nothing for this page or is malformed.
    bool apply(const ReportNotice& report);

    // Partitions. The label of the first status line is the page's own
    // "System is:" until the first mode switch.
    bool partitionedMode() const { return partitionedMode_; }
    int systemLabelId() const { return systemLabelId_; }
    const PartitionRow& systemRow() const { return system_; }
    // Shown only in partitioned mode.
    const PartitionRow& partitionBRow() const { return partitionB_; }

    const QString& chimeText() const { return chimeText_; }
    ButtonState chimeButton() const { return chimeButton_; }
    const QString& troubleText() const { return troubleText_; }
    const QString& panelClockText() const { return panelClockText_; }
    const QString& pcClockText() const { return pcClockText_; }
    // The clock texts, enabled once the panel clock has been reported.
    bool clocksEnabled() const { return clocksEnabled_; }
    // "Sync time": enabled with the clocks, disabled while an operation starts.
    ButtonState syncTimeButton() const;
    const QString& modelText() const { return modelText_; }
    // Another document replaced the open one while no panel is connected:
    // the panel the model text named is no longer the document's.
    void forgetPanel() { modelText_.clear(); }

    // Zones: rows 0 .. shownZones() - 1 are on the page.
    int shownZones() const;
    const ZoneStatusRow& zone(int index) const { return zones_.at(static_cast<std::size_t>(index)); }
    int icon(int index, Indicator indicator) const;
    static QString zoneNumberText(int index);
    // The document's zone names (index 0 for zone 1); a zone with a name
    // shows it beside its number.
    void setZoneNames(std::vector<QString> names) { zoneNames_ = std::move(names); }
    // "Z02", or "Z02 Back door" when the zone has a name.
    QString zoneLabel(int index) const;
    void selectZone(std::optional<int> index);
    std::optional<int> selectedZone() const { return selectedZone_; }
    ButtonState zoneButton() const { return zoneButton_; }

    // PGM outputs.
    const std::vector<PgmRow>& pgms() const { return pgms_; }
    bool pgmListReady() const { return pgmListReady_; }
    void selectPgm(std::optional<int> index);
    std::optional<int> selectedPgm() const { return selectedPgm_; }
    // The PGM button shows the selected row's caption with its PGM number.
    QString pgmButtonText() const;
    bool pgmButtonEnabled() const;

    // The operation a click on the button would start; nothing while the
    // button is disabled or, for the zone and PGM buttons, no row is selected.
    std::optional<OperationRequest> requestFor(Button button) const;
    // The zones (indexes) open and not bypassed in the partition a click on
    // the button would arm; empty when the click would not arm.
    std::vector<int> openZonesArmedBy(Button button) const;

private:
    void applyPartitionStatus(const operations::PartitionStatus& status);
    void switchMode(bool partitioned);
    void applyClocks();
    void applyZoneMap(const operations::ZoneMapReport& zones);
    void applyBypassActions(bool partitioned);
    void applyPgms(const operations::PgmStatus& pgms);
    void applyZoneDescriptor(const operations::ZoneDescriptor& zone);
    void reset();
    void disableCommands();
    void followSelectedZone();
    operations::StatusCounts counts() const;

    Sources sources_;
    std::vector<QString> zoneNames_;
    std::uint8_t panelTypeCode_ = 0x24;

    bool partitionedMode_ = false;
    int systemLabelId_;
    PartitionRow system_;
    PartitionRow partitionB_;
    QString chimeText_;
    ButtonState chimeButton_{text_id::kChimeOnOrOff, false};
    QString troubleText_;
    QString panelClockText_;
    QString pcClockText_;
    bool clocksEnabled_ = false;
    bool syncTimeEnabled_ = false;
    QString modelText_;

    std::array<ZoneStatusRow, kZoneRows> zones_{};
    std::optional<int> selectedZone_;
    ButtonState zoneButton_{text_id::kUnOrBypass, false};

    std::vector<PgmRow> pgms_;
    bool pgmListReady_ = false;
    std::optional<int> selectedPgm_;
};

} // namespace qarvo::online
