// The communicator's key-exchange value: any 128 bytes are either refused
// or give the shared value an independent big-number library computes, for
// any private exponent.
//
// Input: 128 bytes of the peer's value, 16 bytes of our private exponent.
#include "FuzzCheck.h"

#include "link/KeyExchange.h"

#include <openssl/bn.h>

#include <algorithm>
#include <array>
#include <memory>

using namespace qarvo::link;

namespace {

using BigNum = std::unique_ptr<BIGNUM, decltype(&BN_free)>;

BigNum fromLittleEndian(const std::uint8_t* bytes, std::size_t size)
{
    return BigNum(BN_lebin2bn(bytes, static_cast<int>(size), nullptr), BN_free);
}

KeyExchange::PublicValue referencePowMod(const KeyExchange::PublicValue& base,
                                         const std::array<std::uint8_t, 16>& exponent)
{
    static const BigNum prime(BN_get_rfc2409_prime_1024(nullptr), BN_free);
    const std::unique_ptr<BN_CTX, decltype(&BN_CTX_free)> context(BN_CTX_new(), BN_CTX_free);
    const BigNum b = fromLittleEndian(base.data(), base.size());
    const BigNum e = fromLittleEndian(exponent.data(), exponent.size());
    BigNum result(BN_new(), BN_free);
    BN_mod_exp(result.get(), b.get(), e.get(), prime.get(), context.get());
    KeyExchange::PublicValue bytes{};
    BN_bn2lebinpad(result.get(), bytes.data(), static_cast<int>(bytes.size()));
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    KeyExchange::PublicValue peer{};
    std::array<std::uint8_t, 16> exponent{};
    std::copy_n(data, std::min(size, peer.size()), peer.begin());
    if (size > peer.size())
        std::copy_n(data + peer.size(), std::min(size - peer.size(), exponent.size()), exponent.begin());

    const KeyExchange ours(exponent);
    const bool acceptable = KeyExchange::isAcceptablePeerValue(peer);
    const KeyExchange::PublicValue shared = ours.sharedValue(peer);
    FUZZ_CHECK(shared == referencePowMod(peer, exponent));
    if (acceptable)
        ours.deriveKey(peer);
    // Our own public value is always one the other side accepts, unless
    // the exponent is 0 (2^0 = 1).
    const bool zeroExponent = std::all_of(exponent.begin(), exponent.end(), [](std::uint8_t b) { return b == 0; });
    FUZZ_CHECK(KeyExchange::isAcceptablePeerValue(ours.publicValue()) != zeroExponent);
    return 0;
}
