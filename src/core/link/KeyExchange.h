#pragma once
// Diffie-Hellman key agreement over the 1024-bit Oakley Group 2 (RFC 2409) prime with generator 2,
// and the derivation of the AES-128 connection key from the shared value.
#include "link/Aes128.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace qarvo::link {

// 1024-bit integers as 32 little-endian 32-bit words.
using Big1024 = std::array<std::uint32_t, 32>;

// base^exponent mod the Oakley Group 2 prime, with Montgomery multiplication over 32-bit words.
// Any base is accepted: one at or above the prime is reduced first.
Big1024 powModOakley2(const Big1024& base, const Big1024& exponent);

class KeyExchange {
public:
    static constexpr std::size_t kPublicSize = 128;
    using PublicValue = std::array<std::uint8_t, kPublicSize>;  // little-endian, least significant byte first

    // 128-bit private exponent from the operating system's cryptographic random source.
    KeyExchange();
    // Deterministic private exponent (little-endian), for tests and the simulator.
    explicit KeyExchange(const std::array<std::uint8_t, 16>& privateExponentLE);

    // Whether a peer's public value is one to agree a key with: 0, 1 and p-1
    // (and anything at or above p) make the shared value predictable, so only
    // 2..p-2 are taken.
    static bool isAcceptablePeerValue(const PublicValue& peerPublic);

    const PublicValue& publicValue() const { return publicValue_; }
    PublicValue sharedValue(const PublicValue& peerPublic) const;  // peer^x mod p
    // The eight CRC-16 values of the eight 16-byte slices of the shared value, each little-endian.
    Aes128::Block deriveKey(const PublicValue& peerPublic) const;

private:
    Big1024 privateExponent_{};  // only the low 128 bits are ever set
    PublicValue publicValue_{};
};

} // namespace qarvo::link
