#include "link/KeyExchange.h"

#include <gtest/gtest.h>
#include <openssl/bn.h>

#include <memory>
#include <random>

using namespace qarvo::link;

namespace {

using BigNum = std::unique_ptr<BIGNUM, decltype(&BN_free)>;
using PublicValue = KeyExchange::PublicValue;

BigNum bigNum(BIGNUM* raw) { return BigNum(raw, BN_free); }

BigNum oakleyPrime() { return bigNum(BN_get_rfc2409_prime_1024(nullptr)); }

PublicValue bytesOf(const Big1024& words)
{
    PublicValue bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(words[i / 4] >> (8 * (i % 4)));
    return bytes;
}

Big1024 wordsOf(const PublicValue& bytes)
{
    Big1024 words{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        words[i / 4] |= std::uint32_t{bytes[i]} << (8 * (i % 4));
    return words;
}

BigNum toBn(const PublicValue& bytes) { return bigNum(BN_lebin2bn(bytes.data(), bytes.size(), nullptr)); }

PublicValue fromBn(const BIGNUM* bn)
{
    PublicValue bytes{};
    EXPECT_EQ(BN_bn2lebinpad(bn, bytes.data(), bytes.size()), static_cast<int>(bytes.size()));
    return bytes;
}

// The oracle: base^exponent mod p by the reference library.
PublicValue referencePowMod(const PublicValue& base, const PublicValue& exponent)
{
    const BigNum p = oakleyPrime();
    const BigNum b = toBn(base), e = toBn(exponent);
    BigNum result = bigNum(BN_new());
    std::unique_ptr<BN_CTX, decltype(&BN_CTX_free)> ctx(BN_CTX_new(), BN_CTX_free);
    EXPECT_EQ(BN_mod_exp(result.get(), b.get(), e.get(), p.get(), ctx.get()), 1);
    return fromBn(result.get());
}

PublicValue randomValue(std::mt19937& rng, std::size_t significantBytes = 128)
{
    PublicValue value{};
    for (std::size_t i = 0; i < significantBytes; ++i)
        value[i] = static_cast<std::uint8_t>(rng());
    return value;
}

PublicValue smallValue(std::uint32_t v)
{
    Big1024 words{};
    words[0] = v;
    return bytesOf(words);
}

PublicValue primePlus(std::uint32_t addend)  // below 2^1024 for the small addends used here
{
    const BigNum p = oakleyPrime();
    BN_add_word(p.get(), addend);
    return fromBn(p.get());
}

std::array<std::uint8_t, 16> privateExponent(const PublicValue& value)
{
    std::array<std::uint8_t, 16> x{};
    std::copy_n(value.begin(), x.size(), x.begin());
    return x;
}

// CRC-16 with the reflected polynomial 0xA001 bit by bit, independent of the table-driven one.
std::uint16_t bitwiseCrc16(const std::uint8_t* data, std::size_t size)
{
    std::uint16_t crc = 0;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001) : static_cast<std::uint16_t>(crc >> 1);
    }
    return crc;
}

} // namespace

TEST(PowModOakley2, AgreesWithReferenceLibraryOnRandomOperands)
{
    std::mt19937 rng(4242);
    for (int i = 0; i < 12; ++i) {
        const PublicValue base = randomValue(rng, i % 2 ? 128 : 1 + rng() % 128);
        const PublicValue exponent = randomValue(rng, i % 3 == 0 ? 16 : 1 + rng() % 128);
        EXPECT_EQ(bytesOf(powModOakley2(wordsOf(base), wordsOf(exponent))), referencePowMod(base, exponent))
            << "case " << i;
    }
}

TEST(PowModOakley2, HandlesExponentsZeroOneAndTwo)
{
    std::mt19937 rng(17);
    const PublicValue base = randomValue(rng);
    for (std::uint32_t e : {0u, 1u, 2u}) {
        EXPECT_EQ(bytesOf(powModOakley2(wordsOf(base), wordsOf(smallValue(e)))),
                  referencePowMod(base, smallValue(e)))
            << "exponent " << e;
    }
    EXPECT_EQ(bytesOf(powModOakley2(wordsOf(base), {})), smallValue(1));
}

TEST(PowModOakley2, AcceptsDegenerateBasesAtOrAbovePrime)
{
    std::mt19937 rng(5);
    const PublicValue exponent = randomValue(rng, 16);
    PublicValue allOnes;
    allOnes.fill(0xFF);
    const PublicValue bases[] = {smallValue(0), smallValue(1), primePlus(0), primePlus(1), primePlus(7), allOnes};
    for (const PublicValue& base : bases)
        EXPECT_EQ(bytesOf(powModOakley2(wordsOf(base), wordsOf(exponent))), referencePowMod(base, exponent));
    EXPECT_EQ(bytesOf(powModOakley2(wordsOf(primePlus(0)), wordsOf(exponent))), smallValue(0));
    EXPECT_EQ(bytesOf(powModOakley2(wordsOf(primePlus(1)), wordsOf(exponent))), smallValue(1));
}

TEST(KeyExchange, PublicValueIsTwoToThePrivateExponent)
{
    std::mt19937 rng(31);
    const PublicValue x = randomValue(rng, 16);
    const KeyExchange exchange(privateExponent(x));
    EXPECT_EQ(exchange.publicValue(), referencePowMod(smallValue(2), x));
}

TEST(KeyExchange, SharedValueAndKeyMatchAnIndependentComputation)
{
    std::mt19937 rng(63);
    const PublicValue x = randomValue(rng, 16);
    const PublicValue peer = referencePowMod(smallValue(2), randomValue(rng, 16));
    const KeyExchange exchange(privateExponent(x));

    const PublicValue shared = referencePowMod(peer, x);
    EXPECT_EQ(exchange.sharedValue(peer), shared);

    Aes128::Block expectedKey{};
    for (std::size_t slice = 0; slice < 8; ++slice) {
        const std::uint16_t crc = bitwiseCrc16(shared.data() + 16 * slice, 16);
        expectedKey[2 * slice] = static_cast<std::uint8_t>(crc & 0xFF);
        expectedKey[2 * slice + 1] = static_cast<std::uint8_t>(crc >> 8);
    }
    EXPECT_EQ(exchange.deriveKey(peer), expectedKey);
}

TEST(KeyExchange, BothSidesDeriveTheSameKey)
{
    std::mt19937 rng(127);
    const KeyExchange alice(privateExponent(randomValue(rng, 16)));
    const KeyExchange bob(privateExponent(randomValue(rng, 16)));
    EXPECT_NE(alice.publicValue(), bob.publicValue());
    EXPECT_EQ(alice.sharedValue(bob.publicValue()), bob.sharedValue(alice.publicValue()));
    EXPECT_EQ(alice.deriveKey(bob.publicValue()), bob.deriveKey(alice.publicValue()));

    const KeyExchange eve(privateExponent(randomValue(rng, 16)));
    EXPECT_NE(eve.deriveKey(bob.publicValue()), alice.deriveKey(bob.publicValue()));
}

TEST(KeyExchange, RandomExponentsDifferAndStillAgree)
{
    const KeyExchange first, second;
    EXPECT_NE(first.publicValue(), second.publicValue());
    EXPECT_NE(first.publicValue(), smallValue(1)) << "an exponent of 0 would mean no randomness at all";
    EXPECT_EQ(first.deriveKey(second.publicValue()), second.deriveKey(first.publicValue()));
}

PublicValue primeMinus(std::uint32_t subtrahend)
{
    const BigNum p = oakleyPrime();
    BN_sub_word(p.get(), subtrahend);
    return fromBn(p.get());
}

TEST(KeyExchange, OnlyPeerValuesFromTwoToPrimeMinusTwoAreAcceptable)
{
    PublicValue allOnes{};
    allOnes.fill(0xFF);
    PublicValue highWordOnly{};
    highWordOnly[127] = 0x01;
    const struct {
        PublicValue value;
        bool acceptable;
    } cases[] = {
        {smallValue(0), false},       {smallValue(1), false},      {smallValue(2), true},
        {smallValue(0x10000), true},  {highWordOnly, true},        {primeMinus(2), true},
        {primeMinus(1), false},       {primePlus(0), false},       {primePlus(1), false},
        {allOnes, false},             {KeyExchange().publicValue(), true},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(KeyExchange::isAcceptablePeerValue(cases[i].value), cases[i].acceptable) << "case " << i;
}

TEST(KeyExchange, DegeneratePeerValuesGiveDegenerateButDefinedSecrets)
{
    const KeyExchange exchange(privateExponent(smallValue(0x1234567)));
    EXPECT_EQ(exchange.sharedValue(smallValue(0)), smallValue(0));
    EXPECT_EQ(exchange.sharedValue(smallValue(1)), smallValue(1));
    EXPECT_EQ(exchange.sharedValue(primePlus(0)), smallValue(0));
    EXPECT_EQ(exchange.sharedValue(primePlus(2)), exchange.publicValue());
}
