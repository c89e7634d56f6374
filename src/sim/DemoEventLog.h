#pragma once
// A long event log as a busy site's panel holds it: arming and disarming,
// alarms and their restores, mains failures, tests and PC sessions, in a
// fixed rotation, so demonstrations and tests of long readings have
// something realistic to read.
#include "sim/SimPanelEventLog.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qarvo::sim {

// count records, oldest first, for the panel model with this type code.
std::vector<EventRecord> demoEventLog(std::size_t count, std::uint8_t typeCode);
// The record at position n (from 0, oldest first) of such a log: the event
// a busy site records next after n events.
EventRecord demoEvent(std::size_t n, std::uint8_t typeCode);

} // namespace qarvo::sim
