#pragma once
// An operation step run the way the operation worker runs it, without a
// panel link: one call per received message, the step counter and the
// per-cent byte kept from one call to the next.
#include "link/PanelMessage.h"
#include "operations/OperationCodes.h"

#include <cstdint>
#include <vector>

namespace qarvo::testing {

class StepDriver {
public:
    using Bytes = std::vector<std::uint8_t>;

    explicit StepDriver(operations::OperationStep& step) : operation_(step) {}

    // Hands the step a received message; returns the message it built for
    // the panel (empty when it built none).
    Bytes feed(const Bytes& received);

    std::uint8_t step = 1;
    std::uint8_t percent = 0;

private:
    operations::OperationStep& operation_;
    CCommBuff in_;
    CCommBuff out_;
};

} // namespace qarvo::testing
