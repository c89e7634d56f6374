#pragma once
// The operation worker's operation codes and the interface of the step
// machines it runs, one call per received panel message.
#include "link/PanelMessage.h"

#include <cstdint>

namespace qarvo::operations {

enum OperationCode : int {
    kNoOperation = 0,      // the worker ends the link
    kIdlePoll = 1,
    kIdentify = 2,
    kReadInstaller = 3,
    kWriteInstaller = 4,
    kReadMaster = 5,
    kWriteMaster = 6,
    kReadEventLog = 7,
    kArm = 8,
    kStopAutoarm = 9,
    kDisarm = 10,
    kSetClock = 11,
    kToggleChime = 12,
    kBypass = 13,
    kUnbypass = 14,
    kChangePgm = 15,
};
inline constexpr int kOperationCodeCount = 16;

// What a step gets: the received message, the outgoing buffer (a step
// builds at most one message; an empty buffer sends nothing), the step or
// retry counter, and the per cent it reports.
struct StepIo {
    const CCommBuff& reply;
    CCommBuff& out;
    std::uint8_t& step;
    std::uint8_t& percent;
};

class OperationStep {
public:
    virtual ~OperationStep() = default;
    // Called when the operation takes over, before its first step.
    virtual void begin() {}
    virtual void run(StepIo& io) = 0;
};

} // namespace qarvo::operations
