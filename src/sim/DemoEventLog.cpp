#include "sim/DemoEventLog.h"

#include "panel/PanelIdentity.h"

#include <array>

namespace qarvo::sim {

namespace {

// Event classes (the word's high four bits) and the code bases the tables
// derive from the panel's counts: U user records, Z zones, K keypads.
enum Class : std::uint16_t { kUser = 0, kZone = 1, kSystem = 2, kUserPartitionA = 8, kZonePartitionA = 9 };

struct Rotation {
    std::uint16_t eventClass;
    int (*code)(const panel::PanelIdentity&, std::size_t n);
    std::uint16_t gapMinutes; // since the event before
};

int zoneBase(const panel::PanelIdentity& id) { return 6 * id.keypadCount + 16; }
int zoneOf(const panel::PanelIdentity& id, std::size_t n) { return static_cast<int>(n % static_cast<std::size_t>(id.zoneCount)); }

constexpr std::array kRotation{
    // Users 2 to 9 arm and disarm partition A.
    Rotation{kUserPartitionA, [](const panel::PanelIdentity&, std::size_t n) { return 2 + static_cast<int>(n % 8); }, 480},
    Rotation{kUserPartitionA, [](const panel::PanelIdentity& id, std::size_t n) { return 2 * id.userRecordCount + 2 + static_cast<int>(n % 8); }, 540},
    Rotation{kSystem, [](const panel::PanelIdentity&, std::size_t) { return 0; }, 95},   // AC power loss
    Rotation{kSystem, [](const panel::PanelIdentity&, std::size_t) { return 5; }, 40},   // AC power restores
    Rotation{kUser, [](const panel::PanelIdentity&, std::size_t) { return 1; }, 120},    // arming by master user
    // A burglary alarm, its restore and the master user's disarming.
    Rotation{kZonePartitionA, [](const panel::PanelIdentity& id, std::size_t n) { return zoneBase(id) + 2 * id.zoneCount + zoneOf(id, n); }, 17},
    Rotation{kZonePartitionA, [](const panel::PanelIdentity& id, std::size_t n) { return zoneBase(id) + 7 * id.zoneCount + zoneOf(id, n); }, 3},
    Rotation{kUser, [](const panel::PanelIdentity& id, std::size_t) { return 2 * id.userRecordCount + 1; }, 9},
    Rotation{kSystem, [](const panel::PanelIdentity&, std::size_t) { return 16; }, 700}, // periodical test
    Rotation{kSystem, [](const panel::PanelIdentity&, std::size_t) { return 12; }, 60},  // PC connected to panel
    Rotation{kSystem, [](const panel::PanelIdentity&, std::size_t) { return 13; }, 25},  // PC disconnected from panel
};

EventRecord eventAt(std::size_t n, const panel::PanelIdentity& id)
{
    const Rotation& r = kRotation[n % kRotation.size()];
    const auto word = static_cast<std::uint16_t>(r.eventClass << 12 | r.gapMinutes);
    return {static_cast<std::uint8_t>(r.code(id, n / kRotation.size())), word};
}

panel::PanelIdentity modelIdentity(std::uint8_t typeCode)
{
    panel::PanelIdentity id;
    id.setFromModel(typeCode);
    return id;
}

} // namespace

std::vector<EventRecord> demoEventLog(std::size_t count, std::uint8_t typeCode)
{
    const panel::PanelIdentity id = modelIdentity(typeCode);
    std::vector<EventRecord> records;
    records.reserve(count);
    for (std::size_t n = 0; n < count; ++n)
        records.push_back(eventAt(n, id));
    return records;
}

EventRecord demoEvent(std::size_t n, std::uint8_t typeCode)
{
    return eventAt(n, modelIdentity(typeCode));
}

} // namespace qarvo::sim
