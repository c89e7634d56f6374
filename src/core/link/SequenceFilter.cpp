#include "link/SequenceFilter.h"

#include "link/Datagram.h"

namespace qarvo::link {

namespace {
// How far behind the last number a copy can have fallen and still be
// recognised as one: no network holds a datagram back for that many sends.
constexpr int kStaleWindow = 256;
} // namespace

bool SequenceFilter::accept(std::uint16_t sequence)
{
    if (last_) {
        const int ahead = static_cast<std::int16_t>(static_cast<std::uint16_t>(sequence - *last_));
        if (ahead <= 0 && ahead >= -kStaleWindow)
            return false;
    }
    last_ = sequence;
    return true;
}

bool holdsSequence(std::uint8_t headerFlags)
{
    return (headerFlags & (flags::kHoldSequence | flags::kHoldSequence2)) != 0;
}

} // namespace qarvo::link
