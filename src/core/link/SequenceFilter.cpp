#include "link/SequenceFilter.h"

#include "link/Datagram.h"

namespace qarvo::link {

bool SequenceFilter::accept(std::uint16_t sequence)
{
    if (last_ && static_cast<std::int16_t>(static_cast<std::uint16_t>(sequence - *last_)) <= 0)
        return false;
    last_ = sequence;
    return true;
}

bool holdsSequence(std::uint8_t headerFlags)
{
    return (headerFlags & (flags::kHoldSequence | flags::kHoldSequence2)) != 0;
}

} // namespace qarvo::link
