#pragma once
// Keeps one channel's datagrams in the order they were sent. Every send
// advances the header's sequence number, so a datagram whose number is not
// after the last one taken is a network duplicate or one that another has
// overtaken: handed on, it would be taken for the answer to (or, at the far
// end, the request of) a later exchange. Numbers wrap at 16 bits; a number
// up to half the range ahead counts as later.
#include <cstdint>
#include <optional>

namespace qarvo::link {

class SequenceFilter {
public:
    // True when the datagram with this sequence number is to be taken (and
    // remembers it); false for a repeat or a stale one.
    bool accept(std::uint16_t sequence);
    // The next datagram is taken whatever its number (a new session, whose
    // sender may have started counting again).
    void reset() { last_.reset(); }

private:
    std::optional<std::uint16_t> last_;
};

// True when the header's flags hold the sequence number: two sends then
// carry the same number and nothing can be told from it.
bool holdsSequence(std::uint8_t headerFlags);

} // namespace qarvo::link
