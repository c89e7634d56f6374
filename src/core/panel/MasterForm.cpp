#include "panel/MasterForm.h"

#include "base/TextIds.h"
#include "panel/FixedRegion.h"
#include "panel/SettingCatalogue.h"

#include <algorithm>

namespace qarvo::panel {

namespace {

namespace mc = master_control;

// The counts of the page's edits, checked in this order.
constexpr Setting kRoundCounts[] = {Setting::RoundPeriod, Setting::RoundWarningTime};
constexpr Setting kVoiceCounts[] = {Setting::VoiceReportingTime, Setting::VoiceDialingSequences};

// When a time edit must hold a time.
enum class Need : std::uint8_t { Never, Always, TimedAutoarmA, TimedAutodisarmA, TimedAutoarmB, TimedAutodisarmB };

// A time edit, by the setting of its hour.
struct TimeField {
    Setting hour;
    Need need;
    bool partitionB; // needed only while partitions are enabled
};

constexpr TimeField kTimes[] = {
    {Setting::PartitionAAutoarmHour, Need::TimedAutoarmA, false},
    {Setting::PartitionAAutodisarmHour, Need::TimedAutodisarmA, false},
    {Setting::PartitionBAutoarmHour, Need::TimedAutoarmB, true},
    {Setting::PartitionBAutodisarmHour, Need::TimedAutodisarmB, true},
    {Setting::PartitionAInactivityHour, Need::Always, false},
    {Setting::PartitionBInactivityHour, Need::Always, true},
    {Setting::RoundsStartHour, Need::Never, false},
    {Setting::RoundsFinishHour, Need::Never, false},
};

std::string& field(MasterForm& form, Setting s) { return form.*formMember<MasterForm>(s); }
const std::string& field(const MasterForm& form, Setting s) { return form.*formMember<MasterForm>(s); }

void storeCount(const MasterForm& form, Setting s, FormWriter& w)
{
    w.storeCount(field(form, s), s, {settingInfo(s).control});
}

bool needed(const TimeField& t, const PartitionSwitches& s)
{
    if (t.partitionB && !s.partitions)
        return false;
    switch (t.need) {
    case Need::Never: return false;
    case Need::Always: return true;
    case Need::TimedAutoarmA: return s.aTimedAutoarming;
    case Need::TimedAutodisarmA: return s.aTimedAutodisarming;
    case Need::TimedAutoarmB: return s.bTimedAutoarming;
    case Need::TimedAutodisarmB: return s.bTimedAutodisarming;
    }
    return false;
}

std::uint8_t byteOf(const FormContext& c, const PanelImage& image, Setting s, std::uint8_t absent = 0xFF)
{
    const auto b = c.layout.bytes(image, s);
    return b.empty() ? absent : b[0];
}

PgmTimeCell showTimeCell(const FormContext& c, const PanelImage& image, Setting hour)
{
    std::string time = showTime(c.layout, image, hour);
    return {!time.empty(), std::move(time)};
}

void storeTimeCell(const PgmTimeCell& cell, Setting hour, FormWriter& w, FormPlace place)
{
    if (cell.on && !parseHourMinute(cell.time)) {
        w.fail(text_id::kIncorrectHourMin, std::nullopt, place);
        return;
    }
    w.storeTime(cell.on ? cell.time : std::string(), hour, false, place);
}

void storeAmbushDigit(const std::string& text, FormWriter& w)
{
    const SettingInfo& info = settingInfo(Setting::AmbushDigit);
    const FormPlace place{info.control};
    if (text.empty())
        w.fail(text_id::kHasToHaveValue, std::nullopt, place);
    else if (text.size() != 1 || text[0] < '0' + info.min || text[0] > '0' + info.max)
        w.fail(text_id::kEnterNumberUpTo, info.max, place);
    else
        w.setByte(Setting::AmbushDigit, encodeAmbushDigit(text[0] - '0'));
}

} // namespace

void showMaster(const FormContext& c, const PanelImage& image, const UserNames& names, MasterForm& form)
{
    form.ambushDigit = std::to_string(decodeAmbushDigit(byteOf(c, image, Setting::AmbushDigit)));

    const int digits = codeDigitCount(byteOf(c, image, Setting::GeneralOptions1));
    form.users.assign(static_cast<std::size_t>(c.userRows(kUserGridRows)), CodeRow{});
    for (std::size_t r = 0; r < form.users.size(); ++r) {
        showCodeRow(image.range(fixed::userRecordOffset(int(r)), fixed::kCodeRecordSize), digits, form.users[r]);
        form.users[r].name = names[r];
    }

    for (std::size_t i = 0; i < form.followMe.size(); ++i)
        form.followMe[i] = decodePhone(c.layout.bytes(image, followMe(int(i) + 1)));
    showOptionByte(Setting::VoiceModuleOptions, byteOf(c, image, Setting::VoiceModuleOptions), form.voiceOptions);
    for (const auto& counts : {std::span<const Setting>(kVoiceCounts), std::span<const Setting>(kRoundCounts)})
        for (Setting s : counts)
            field(form, s) = formatCount(byteOf(c, image, s), settingInfo(s).digits);
    for (const TimeField& t : kTimes)
        field(form, t.hour) = showTime(c.layout, image, t.hour);

    form.pgmTimes.assign(static_cast<std::size_t>(c.pgmRows()), PgmTimesRow{});
    for (int k = 1; k <= c.pgmRows(); ++k) {
        PgmTimesRow& row = form.pgmTimes[std::size_t(k - 1)];
        row.activation = showTimeCell(c, image, pgmOnHour(k));
        row.deactivation = showTimeCell(c, image, pgmOffHour(k));
    }
}

void storeMaster(const MasterForm& form, const PartitionSwitches& switches, const FormContext& c, FormWriter& w,
                 UserNames& names)
{
    storeAmbushDigit(form.ambushDigit, w);
    for (Setting s : kRoundCounts)
        storeCount(form, s, w);
    for (const TimeField& t : kTimes)
        w.storeTime(field(form, t.hour), t.hour, needed(t, switches), {settingInfo(t.hour).control});
    for (std::size_t i = 0; i < form.followMe.size(); ++i)
        w.setBytes(followMe(int(i) + 1), encodePhone(form.followMe[i]));

    const std::size_t rows = std::min(form.users.size(), std::size_t(c.userRows(kUserGridRows)));
    for (std::size_t r = 0; r < rows && w.ok(); ++r) {
        storeCodeRow(form.users[r], c.pgmRows(), w.image().range(fixed::userRecordOffset(int(r)), fixed::kCodeRecordSize),
                     w, {mc::kUserGrid, int(r)});
        names[r] = form.users[r].name;
    }

    const std::size_t pgms = std::min(form.pgmTimes.size(), std::size_t(c.pgmRows()));
    for (std::size_t i = 0; i < pgms; ++i) {
        const int k = int(i) + 1;
        storeTimeCell(form.pgmTimes[i].activation, pgmOnHour(k), w,
                      {mc::kPgmGrid, int(i), master_pgm_column::kActivation});
        storeTimeCell(form.pgmTimes[i].deactivation, pgmOffHour(k), w,
                      {mc::kPgmGrid, int(i), master_pgm_column::kDeactivation});
    }

    w.setByte(Setting::VoiceModuleOptions, optionByte(Setting::VoiceModuleOptions, form.voiceOptions, c.model));
    for (Setting s : kVoiceCounts)
        storeCount(form, s, w);
}

MasterEnables masterEnables(const PartitionSwitches& s, const PanelModel& model, int pgmCount)
{
    MasterEnables e;
    e.partitionAAutoarm = s.aTimedAutoarming;
    e.partitionAAutodisarm = s.aTimedAutodisarming;
    e.partitionBGroup = s.partitions;
    e.partitionBAutoarm = s.partitions && s.bTimedAutoarming;
    e.partitionBAutodisarm = s.partitions && s.bTimedAutodisarming;
    e.enableVoiceModule = bitPresent(BitPresence::NotLimited, model);
    e.batteryVoiceReport = bitPresent(BitPresence::NotLimited, model);
    e.selectiveFollowMe = bitPresent(BitPresence::SelectiveFollowMe, model);
    e.pgmColumns = std::clamp(pgmCount, 0, kPgmOutputs);
    return e;
}

void toggleCodeColumn(std::vector<CodeRow>& rows, int column, int pgmCount)
{
    if (rows.empty() || column < 0)
        return;
    const auto cell = [column](CodeRow& row) -> bool* {
        if (column < kCodeAttributeCount)
            return &row.attributes[std::size_t(column)];
        return &row.pgms[std::size_t(column - kCodeAttributeCount)];
    };
    if (column >= kCodeAttributeCount + std::clamp(pgmCount, 0, kPgmOutputs))
        return;
    const bool state = !*cell(rows.front());
    for (CodeRow& row : rows)
        *cell(row) = state;
}

} // namespace qarvo::panel
