#include "link/Aes128.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <memory>
#include <random>
#include <vector>

using namespace qarvo::link;

namespace {

Aes128::Block blockFromHex(const char* hex)
{
    Aes128::Block block{};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(std::stoul(std::string(hex + 2 * i, 2), nullptr, 16));
    return block;
}

std::vector<std::uint8_t> randomBytes(std::mt19937& rng, std::size_t count)
{
    std::vector<std::uint8_t> bytes(count);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(rng());
    return bytes;
}

Aes128::Block randomBlock(std::mt19937& rng)
{
    Aes128::Block block{};
    const auto bytes = randomBytes(rng, block.size());
    std::copy(bytes.begin(), bytes.end(), block.begin());
    return block;
}

// The oracle: AES-128-CBC of the reference library, padding off.
std::vector<std::uint8_t> opensslCbc(bool encrypt, const Aes128::Block& key, const Aes128::Block& iv,
                                     const std::vector<std::uint8_t>& input)
{
    std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> ctx(EVP_CIPHER_CTX_new(),
                                                                        EVP_CIPHER_CTX_free);
    EXPECT_EQ(EVP_CipherInit_ex(ctx.get(), EVP_aes_128_cbc(), nullptr, key.data(), iv.data(), encrypt), 1);
    EVP_CIPHER_CTX_set_padding(ctx.get(), 0);
    std::vector<std::uint8_t> output(input.size() + 16);
    int length = 0, finalLength = 0;
    EXPECT_EQ(EVP_CipherUpdate(ctx.get(), output.data(), &length, input.data(), static_cast<int>(input.size())), 1);
    EXPECT_EQ(EVP_CipherFinal_ex(ctx.get(), output.data() + length, &finalLength), 1);
    output.resize(static_cast<std::size_t>(length + finalLength));
    return output;
}

struct KnownAnswer {
    const char* key;
    const char* plain;
    const char* cipher;
};

// The published example vectors: the worked example and the AES-128 known answer.
constexpr KnownAnswer kKnownAnswers[] = {
    {"2b7e151628aed2a6abf7158809cf4f3c", "3243f6a8885a308d313198a2e0370734", "3925841d02dc09fbdc118597196a0b32"},
    {"000102030405060708090a0b0c0d0e0f", "00112233445566778899aabbccddeeff", "69c4e0d86a7b0430d8cdb78070b4c55a"},
};

} // namespace

TEST(Aes128Block, MatchesPublishedKnownAnswersBothWays)
{
    for (const auto& vector : kKnownAnswers) {
        const Aes128 aes(blockFromHex(vector.key));
        Aes128::Block block = blockFromHex(vector.plain);
        aes.encryptBlock(block.data());
        EXPECT_EQ(block, blockFromHex(vector.cipher)) << "key " << vector.key;
        aes.decryptBlock(block.data());
        EXPECT_EQ(block, blockFromHex(vector.plain)) << "key " << vector.key;
    }
}

TEST(Aes128Block, RoundTripsRandomBlocksUnderRandomKeys)
{
    std::mt19937 rng(1197);
    for (int i = 0; i < 50; ++i) {
        const Aes128 aes(randomBlock(rng));
        const Aes128::Block plain = randomBlock(rng);
        Aes128::Block block = plain;
        aes.encryptBlock(block.data());
        EXPECT_NE(block, plain);
        aes.decryptBlock(block.data());
        EXPECT_EQ(block, plain);
    }
}

TEST(Aes128Cbc, AgreesWithReferenceLibraryOnRandomData)
{
    std::mt19937 rng(20240611);
    for (std::size_t length : {0u, 16u, 32u, 48u, 160u, 512u, 1024u}) {
        const Aes128::Block key = randomBlock(rng);
        const Aes128::Block iv = randomBlock(rng);
        const std::vector<std::uint8_t> plain = randomBytes(rng, length);
        const Aes128 aes(key);

        std::vector<std::uint8_t> data = plain;
        aes.encryptCbc(data, iv);
        EXPECT_EQ(data, opensslCbc(true, key, iv, plain)) << "length " << length;

        const std::vector<std::uint8_t> cipher = data;
        aes.decryptCbc(data, iv);
        EXPECT_EQ(data, plain) << "length " << length;
        EXPECT_EQ(opensslCbc(false, key, iv, cipher), plain) << "length " << length;
    }
}

TEST(Aes128Cbc, ChainsIdenticalBlocksAndDependsOnTheInitialVector)
{
    std::mt19937 rng(7);
    const Aes128 aes(randomBlock(rng));
    const Aes128::Block iv = randomBlock(rng);
    std::vector<std::uint8_t> data(32, 0x5A);
    aes.encryptCbc(data, iv);
    EXPECT_FALSE(std::equal(data.begin(), data.begin() + 16, data.begin() + 16));

    std::vector<std::uint8_t> other(32, 0x5A);
    Aes128::Block otherIv = iv;
    otherIv[15] ^= 1;
    aes.encryptCbc(other, otherIv);
    EXPECT_NE(data, other);

    aes.decryptCbc(data, otherIv);  // the wrong vector spoils only the first block
    EXPECT_NE(data[15], 0x5A);
    EXPECT_EQ(std::vector<std::uint8_t>(data.begin() + 16, data.end()), std::vector<std::uint8_t>(16, 0x5A));
}

TEST(Aes128Cbc, LeavesATrailingPartialBlockAlone)
{
    std::mt19937 rng(99);
    const Aes128 aes(randomBlock(rng));
    const Aes128::Block iv = randomBlock(rng);
    std::vector<std::uint8_t> data = randomBytes(rng, 20);
    const std::vector<std::uint8_t> original = data;
    aes.encryptCbc(data, iv);
    EXPECT_NE(std::vector<std::uint8_t>(data.begin(), data.begin() + 16),
              std::vector<std::uint8_t>(original.begin(), original.begin() + 16));
    EXPECT_EQ(std::vector<std::uint8_t>(data.begin() + 16, data.end()),
              std::vector<std::uint8_t>(original.begin() + 16, original.end()));
    aes.decryptCbc(data, iv);
    EXPECT_EQ(data, original);
}
