#pragma once
// Keeps one channel's datagrams in the order they were sent. Every send
// advances the header's sequence number, so a datagram whose number is not
// after the last one taken is a network duplicate or one that another has
// overtaken: handed on, it would be taken for the answer to (or, at the far
// end, the request of) a later exchange.
//
// Numbers wrap at 16 bits. A number a little behind the last one is such a
// copy; one far behind it means the sender counts from the start again (the
// program's panel data does at every worker session, a communicator after a
// restart), and is taken, so that a lost first packet or a late copy from
// before the restart never shuts the channel.
#include <cstdint>
#include <optional>

namespace qarvo::link {

class SequenceFilter {
public:
    // True when the datagram with this sequence number is to be taken (and
    // remembers it); false for a repeat or a stale one.
    bool accept(std::uint16_t sequence);
    // The next datagram is taken whatever its number (a new session).
    void reset() { last_.reset(); }

private:
    std::optional<std::uint16_t> last_;
};

// True when the header's flags hold the sequence number: two sends then
// carry the same number and nothing can be told from it.
bool holdsSequence(std::uint8_t headerFlags);

} // namespace qarvo::link
