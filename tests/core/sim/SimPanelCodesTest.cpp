// The simulated panel names the bytes of panel messages in a table of its
// own; each name must stand for the byte the program uses for it.
#include "link/PanelCodes.h"
#include "sim/SimPanelCodes.h"
#include "sim/SimPanelRam.h"
#include "sim/SimPanelStatus.h"

#include <gtest/gtest.h>

using namespace qarvo;

namespace {

struct SameByte {
    const char* name;
    std::uint8_t simulator;
    std::uint8_t program;
};

#define QARVO_SAME_BYTE(simName, programName) SameByte{#simName, sim::simName, link::programName}

constexpr SameByte kSameBytes[] = {
    QARVO_SAME_BYTE(panel_message::kIdentify, panel_code::kIdentify),
    QARVO_SAME_BYTE(panel_message::kIdentifyTail, kIdentifyTrailer),
    QARVO_SAME_BYTE(panel_message::kNotice, panel_code::kNotice),
    QARVO_SAME_BYTE(panel_message::kAlarmNotice, notice::kAlarmReport),
    QARVO_SAME_BYTE(panel_message::kAlarmReported, notice::kAlarmReportEnd),
    QARVO_SAME_BYTE(kZoneStatusCode, panel_code::kZoneStatus),
    QARVO_SAME_BYTE(kPgmStatusCode, panel_code::kPgmStatus),
    QARVO_SAME_BYTE(panel_message::kReadOne, panel_code::kReadOne),
    QARVO_SAME_BYTE(panel_message::kReadOneReply, panel_code::kReadOneReply),
    QARVO_SAME_BYTE(panel_message::kReadFour, panel_code::kReadFour),
    QARVO_SAME_BYTE(panel_message::kReadFourReply, panel_code::kReadFourReply),
    QARVO_SAME_BYTE(panel_message::kWriteOne, panel_code::kWriteOne),
    QARVO_SAME_BYTE(panel_message::kWriteFour, panel_code::kWriteFour),
    QARVO_SAME_BYTE(panel_message::kEventLog, panel_code::kEventLog),
    QARVO_SAME_BYTE(panel_message::kCountReply, panel_code::kEventLogReply),
    QARVO_SAME_BYTE(panel_message::kHeaderReply, panel_code::kEventLogHeader),
    QARVO_SAME_BYTE(panel_message::kStatusPoll, panel_code::kStatusPoll),
    QARVO_SAME_BYTE(panel_message::kRamOne, panel_code::kRamOne),
    QARVO_SAME_BYTE(panel_message::kRamTwo, panel_code::kRamTwo),
    QARVO_SAME_BYTE(panel_message::kPollAfterPgmStatus, status_poll::kAfterPgmStatus),
    QARVO_SAME_BYTE(panel_message::kEndOfLink, command_value::kEndOfLink),
    QARVO_SAME_BYTE(panel_message::kInstallerWriteDone, command_value::kInstallerWritten),
    QARVO_SAME_BYTE(ramloc::kPageRegister, panel_location::kPageRegister),
    QARVO_SAME_BYTE(ramloc::kCommandLocation, panel_location::kCommandLocation),
    QARVO_SAME_BYTE(ramop::kPgmChange, ram_op::kPgmChange),
    QARVO_SAME_BYTE(ramop::kKeypadCommand, ram_op::kKeypadCommand),
    QARVO_SAME_BYTE(ramop::kWriteCommand, ram_op::kWriteSecondForm),
};

#undef QARVO_SAME_BYTE

} // namespace

TEST(SimPanelCodes, EverySimulatorNameMeansTheProgramsByte)
{
    for (const SameByte& same : kSameBytes)
        EXPECT_EQ(same.simulator, same.program) << same.name;
}
