#include "support/StepDriver.h"

namespace qarvo::testing {

StepDriver::Bytes StepDriver::feed(const Bytes& received)
{
    link::buildMessage(in_, received);
    out_.clear();
    operations::StepIo io{in_, out_, step, percent};
    operation_.run(io);
    const auto built = out_.bytes();
    return Bytes(built.begin(), built.end());
}

} // namespace qarvo::testing
