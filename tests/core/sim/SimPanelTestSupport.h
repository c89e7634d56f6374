#pragma once
// Helpers for driving a SimPanel directly, message by message.
#include "sim/SimPanel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace qarvo::sim::testing {

using Bytes = std::vector<std::uint8_t>;

// The single reply to a message; an empty message when the panel answered
// nothing or more than once (which fails the test).
inline Bytes ask(SimPanel& panel, const Bytes& message)
{
    const auto replies = panel.onMessage(message);
    EXPECT_EQ(replies.size(), 1u) << "one reply expected";
    return replies.size() == 1 ? replies.front() : Bytes{};
}

inline std::uint16_t challengeOf(const Bytes& reply)
{
    return static_cast<std::uint16_t>(reply.at(5) << 8 | reply.at(6));
}

inline Bytes responseTo(std::uint16_t challenge, std::uint16_t pcId)
{
    const std::uint16_t r = challengeResponse(challenge, pcId);
    return {0x05, static_cast<std::uint8_t>(r >> 8), static_cast<std::uint8_t>(r), 0x10};
}

// Runs the identification exchange with the right response.
inline void identify(SimPanel& panel, std::uint16_t pcId = 0)
{
    const Bytes challenge = ask(panel, {0x05, 0x00, 0x00, 0x10});
    ASSERT_EQ(challenge.size(), 7u);
    ASSERT_EQ(ask(panel, responseTo(challengeOf(challenge), pcId)), (Bytes{0x13, panel.typeCode()}));
    ASSERT_TRUE(panel.identified());
}

} // namespace qarvo::sim::testing
