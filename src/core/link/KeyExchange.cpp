#include "link/KeyExchange.h"

#include "link/Crc16.h"

#include <algorithm>
#include <random>
#include <span>

namespace qarvo::link {
namespace {

constexpr std::size_t kWords = 32;

// The Oakley Group 2 prime 2^1024 - 2^960 - 1 + 2^64 * (floor(2^894 pi) + 129093),
// written most significant word first as it is usually published.
constexpr std::array<std::uint32_t, kWords> kPrimeBigEndian = {
    0xFFFFFFFF, 0xFFFFFFFF, 0xC90FDAA2, 0x2168C234, 0xC4C6628B, 0x80DC1CD1, 0x29024E08, 0x8A67CC74,
    0x020BBEA6, 0x3B139B22, 0x514A0879, 0x8E3404DD, 0xEF9519B3, 0xCD3A431B, 0x302B0A6D, 0xF25F1437,
    0x4FE1356D, 0x6D51C245, 0xE485B576, 0x625E7EC6, 0xF44C42E9, 0xA637ED6B, 0x0BFF5CB6, 0xF406B7ED,
    0xEE386BFB, 0x5A899FA5, 0xAE9F2411, 0x7C4B1FE6, 0x49286651, 0xECE65381, 0xFFFFFFFF, 0xFFFFFFFF,
};

constexpr Big1024 kPrime = [] {
    Big1024 p{};
    for (std::size_t i = 0; i < kWords; ++i)
        p[i] = kPrimeBigEndian[kWords - 1 - i];
    return p;
}();

// -p^-1 mod 2^32, by Newton iteration (each step doubles the correct low bits).
constexpr std::uint32_t kMontgomeryFactor = [] {
    std::uint32_t inverse = 1;
    for (int i = 0; i < 5; ++i)
        inverse *= 2 - kPrime[0] * inverse;
    return static_cast<std::uint32_t>(0 - inverse);
}();

constexpr bool lessThanPrime(const Big1024& a)
{
    for (std::size_t i = kWords; i-- > 0;)
        if (a[i] != kPrime[i])
            return a[i] < kPrime[i];
    return false;
}

// a - p, modulo 2^1024.
constexpr void subtractPrime(Big1024& a)
{
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < kWords; ++i) {
        const std::uint64_t difference = std::uint64_t{a[i]} - kPrime[i] - borrow;
        a[i] = static_cast<std::uint32_t>(difference);
        borrow = (difference >> 32) & 1;
    }
}

// R^2 mod p with R = 2^1024: R mod p is 2^1024 - p (the prime's top bit is
// set, so one subtraction reduces R), then 1024 modular doublings of it.
constexpr Big1024 kRSquared = [] {
    Big1024 r{};  // 0 - p modulo 2^1024
    subtractPrime(r);
    for (int bit = 0; bit < 1024; ++bit) {
        std::uint32_t carry = 0;
        for (auto& word : r) {
            const std::uint32_t next = word >> 31;
            word = (word << 1) | carry;
            carry = next;
        }
        if (carry || !lessThanPrime(r))
            subtractPrime(r);
    }
    return r;
}();

// a * b / R mod p for a, b < p (coarsely integrated operand scanning).
Big1024 montgomeryMultiply(const Big1024& a, const Big1024& b)
{
    std::array<std::uint32_t, kWords + 2> t{};
    for (std::size_t i = 0; i < kWords; ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < kWords; ++j) {
            const std::uint64_t sum = t[j] + std::uint64_t{a[j]} * b[i] + carry;
            t[j] = static_cast<std::uint32_t>(sum);
            carry = sum >> 32;
        }
        std::uint64_t sum = t[kWords] + carry;
        t[kWords] = static_cast<std::uint32_t>(sum);
        t[kWords + 1] = static_cast<std::uint32_t>(sum >> 32);

        // Add m * p so that the lowest word becomes 0, then shift one word down.
        const std::uint32_t m = t[0] * kMontgomeryFactor;
        carry = (t[0] + std::uint64_t{m} * kPrime[0]) >> 32;
        for (std::size_t j = 1; j < kWords; ++j) {
            sum = t[j] + std::uint64_t{m} * kPrime[j] + carry;
            t[j - 1] = static_cast<std::uint32_t>(sum);
            carry = sum >> 32;
        }
        sum = t[kWords] + carry;
        t[kWords - 1] = static_cast<std::uint32_t>(sum);
        t[kWords] = t[kWords + 1] + static_cast<std::uint32_t>(sum >> 32);
    }
    Big1024 result{};
    std::copy_n(t.begin(), kWords, result.begin());
    if (t[kWords] || !lessThanPrime(result))
        subtractPrime(result);
    return result;
}

Big1024 toBig(const KeyExchange::PublicValue& bytes)
{
    Big1024 words{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        words[i / 4] |= std::uint32_t{bytes[i]} << (8 * (i % 4));
    return words;
}

KeyExchange::PublicValue toBytes(const Big1024& words)
{
    KeyExchange::PublicValue bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(words[i / 4] >> (8 * (i % 4)));
    return bytes;
}

Big1024 smallBig(std::uint32_t value)
{
    Big1024 big{};
    big[0] = value;
    return big;
}

} // namespace

Big1024 powModOakley2(const Big1024& base, const Big1024& exponent)
{
    // Every 1024-bit value is below 2p, so one subtraction reduces any base.
    Big1024 reduced = base;
    if (!lessThanPrime(reduced))
        subtractPrime(reduced);

    const Big1024 montgomeryBase = montgomeryMultiply(reduced, kRSquared);
    Big1024 accumulator = montgomeryMultiply(smallBig(1), kRSquared);  // 1 in Montgomery form
    bool started = false;  // leading zero bits of the exponent cost nothing
    for (std::size_t bit = kWords * 32; bit-- > 0;) {
        if (started)
            accumulator = montgomeryMultiply(accumulator, accumulator);
        if ((exponent[bit / 32] >> (bit % 32)) & 1) {
            accumulator = montgomeryMultiply(accumulator, montgomeryBase);
            started = true;
        }
    }
    return montgomeryMultiply(accumulator, smallBig(1));
}

bool KeyExchange::isAcceptablePeerValue(const PublicValue& peerPublic)
{
    const Big1024 value = toBig(peerPublic);
    Big1024 largest = kPrime;  // p - 2; the prime is odd, so its lowest word is not below 2
    largest[0] -= 2;
    const bool belowTwo = std::all_of(value.begin() + 1, value.end(), [](std::uint32_t w) { return w == 0; }) &&
                          value[0] < 2;
    const bool aboveLargest = std::lexicographical_compare(largest.rbegin(), largest.rend(), value.rbegin(), value.rend());
    return !belowTwo && !aboveLargest;
}

KeyExchange::KeyExchange()
{
    // Only the cryptographic source of the operating system is good enough for a key.
    std::random_device source;
    for (std::size_t i = 0; i < 4; ++i)
        privateExponent_[i] = source();
    publicValue_ = toBytes(powModOakley2(smallBig(2), privateExponent_));
}

KeyExchange::KeyExchange(const std::array<std::uint8_t, 16>& privateExponentLE)
{
    for (std::size_t i = 0; i < privateExponentLE.size(); ++i)
        privateExponent_[i / 4] |= std::uint32_t{privateExponentLE[i]} << (8 * (i % 4));
    publicValue_ = toBytes(powModOakley2(smallBig(2), privateExponent_));
}

KeyExchange::PublicValue KeyExchange::sharedValue(const PublicValue& peerPublic) const
{
    return toBytes(powModOakley2(toBig(peerPublic), privateExponent_));
}

Aes128::Block KeyExchange::deriveKey(const PublicValue& peerPublic) const
{
    const PublicValue shared = sharedValue(peerPublic);
    constexpr std::size_t kSlice = 16;
    Aes128::Block key{};
    for (std::size_t slice = 0; slice < key.size() / 2; ++slice) {
        const std::uint16_t crc = crc16(std::span(shared).subspan(slice * kSlice, kSlice));
        key[2 * slice] = static_cast<std::uint8_t>(crc);
        key[2 * slice + 1] = static_cast<std::uint8_t>(crc >> 8);
    }
    return key;
}

} // namespace qarvo::link
