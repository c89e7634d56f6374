#include "link/Aes128.h"

#include <algorithm>

namespace qarvo::link {
namespace {

using Block = Aes128::Block;

constexpr std::array<std::uint8_t, 256> kSbox = {
    0x63, 0x7c, 0x77, 0x7b, 0xf2, 0x6b, 0x6f, 0xc5, 0x30, 0x01, 0x67, 0x2b, 0xfe, 0xd7, 0xab, 0x76,
    0xca, 0x82, 0xc9, 0x7d, 0xfa, 0x59, 0x47, 0xf0, 0xad, 0xd4, 0xa2, 0xaf, 0x9c, 0xa4, 0x72, 0xc0,
    0xb7, 0xfd, 0x93, 0x26, 0x36, 0x3f, 0xf7, 0xcc, 0x34, 0xa5, 0xe5, 0xf1, 0x71, 0xd8, 0x31, 0x15,
    0x04, 0xc7, 0x23, 0xc3, 0x18, 0x96, 0x05, 0x9a, 0x07, 0x12, 0x80, 0xe2, 0xeb, 0x27, 0xb2, 0x75,
    0x09, 0x83, 0x2c, 0x1a, 0x1b, 0x6e, 0x5a, 0xa0, 0x52, 0x3b, 0xd6, 0xb3, 0x29, 0xe3, 0x2f, 0x84,
    0x53, 0xd1, 0x00, 0xed, 0x20, 0xfc, 0xb1, 0x5b, 0x6a, 0xcb, 0xbe, 0x39, 0x4a, 0x4c, 0x58, 0xcf,
    0xd0, 0xef, 0xaa, 0xfb, 0x43, 0x4d, 0x33, 0x85, 0x45, 0xf9, 0x02, 0x7f, 0x50, 0x3c, 0x9f, 0xa8,
    0x51, 0xa3, 0x40, 0x8f, 0x92, 0x9d, 0x38, 0xf5, 0xbc, 0xb6, 0xda, 0x21, 0x10, 0xff, 0xf3, 0xd2,
    0xcd, 0x0c, 0x13, 0xec, 0x5f, 0x97, 0x44, 0x17, 0xc4, 0xa7, 0x7e, 0x3d, 0x64, 0x5d, 0x19, 0x73,
    0x60, 0x81, 0x4f, 0xdc, 0x22, 0x2a, 0x90, 0x88, 0x46, 0xee, 0xb8, 0x14, 0xde, 0x5e, 0x0b, 0xdb,
    0xe0, 0x32, 0x3a, 0x0a, 0x49, 0x06, 0x24, 0x5c, 0xc2, 0xd3, 0xac, 0x62, 0x91, 0x95, 0xe4, 0x79,
    0xe7, 0xc8, 0x37, 0x6d, 0x8d, 0xd5, 0x4e, 0xa9, 0x6c, 0x56, 0xf4, 0xea, 0x65, 0x7a, 0xae, 0x08,
    0xba, 0x78, 0x25, 0x2e, 0x1c, 0xa6, 0xb4, 0xc6, 0xe8, 0xdd, 0x74, 0x1f, 0x4b, 0xbd, 0x8b, 0x8a,
    0x70, 0x3e, 0xb5, 0x66, 0x48, 0x03, 0xf6, 0x0e, 0x61, 0x35, 0x57, 0xb9, 0x86, 0xc1, 0x1d, 0x9e,
    0xe1, 0xf8, 0x98, 0x11, 0x69, 0xd9, 0x8e, 0x94, 0x9b, 0x1e, 0x87, 0xe9, 0xce, 0x55, 0x28, 0xdf,
    0x8c, 0xa1, 0x89, 0x0d, 0xbf, 0xe6, 0x42, 0x68, 0x41, 0x99, 0x2d, 0x0f, 0xb0, 0x54, 0xbb, 0x16,
};

constexpr std::array<std::uint8_t, 256> kInvSbox = [] {
    std::array<std::uint8_t, 256> inv{};
    for (int i = 0; i < 256; ++i)
        inv[kSbox[i]] = static_cast<std::uint8_t>(i);
    return inv;
}();

constexpr std::array<std::uint8_t, 10> kRoundConstants = {0x01, 0x02, 0x04, 0x08, 0x10,
                                                          0x20, 0x40, 0x80, 0x1b, 0x36};

// Multiplication by x in GF(2^8) modulo x^8 + x^4 + x^3 + x + 1.
constexpr std::uint8_t xtime(std::uint8_t b)
{
    return static_cast<std::uint8_t>((b << 1) ^ ((b & 0x80) ? 0x1b : 0));
}

constexpr std::uint8_t gfMul(std::uint8_t a, std::uint8_t b)
{
    std::uint8_t product = 0;
    for (; b; b >>= 1, a = xtime(a))
        if (b & 1)
            product ^= a;
    return product;
}

// The state is kept column-major as in the byte stream: byte r of column c is s[4 * c + r].
void addRoundKey(std::uint8_t* s, const Block& key)
{
    for (int i = 0; i < 16; ++i)
        s[i] ^= key[i];
}

void substitute(std::uint8_t* s, const std::array<std::uint8_t, 256>& box)
{
    for (int i = 0; i < 16; ++i)
        s[i] = box[s[i]];
}

// Row r moves left by r columns (encryption) or right by r columns (decryption).
void shiftRows(std::uint8_t* s, bool inverse)
{
    for (int r = 1; r < 4; ++r) {
        std::uint8_t row[4];
        for (int c = 0; c < 4; ++c)
            row[c] = s[4 * c + r];
        for (int c = 0; c < 4; ++c)
            s[4 * c + r] = row[(inverse ? c - r + 4 : c + r) % 4];
    }
}

// Each column times the circulant matrix whose first row is `coefficients`.
void mixColumns(std::uint8_t* s, const std::array<std::uint8_t, 4>& coefficients)
{
    for (int c = 0; c < 4; ++c) {
        std::uint8_t* column = s + 4 * c;
        std::uint8_t mixed[4];
        for (int r = 0; r < 4; ++r) {
            mixed[r] = 0;
            for (int k = 0; k < 4; ++k)
                mixed[r] ^= gfMul(coefficients[(k - r + 4) % 4], column[k]);
        }
        std::copy_n(mixed, 4, column);
    }
}

constexpr std::array<std::uint8_t, 4> kMix = {0x02, 0x03, 0x01, 0x01};
constexpr std::array<std::uint8_t, 4> kInvMix = {0x0e, 0x0b, 0x0d, 0x09};

void xorBlock(std::uint8_t* target, const std::uint8_t* source)
{
    for (int i = 0; i < 16; ++i)
        target[i] ^= source[i];
}

} // namespace

Aes128::Aes128(const Block& key)
{
    roundKeys_[0] = key;
    for (int round = 1; round <= kRounds; ++round) {
        const Block& previous = roundKeys_[round - 1];
        Block& next = roundKeys_[round];
        // RotWord, SubWord and the round constant on the last word of the previous key.
        std::uint8_t temp[4];
        for (int i = 0; i < 4; ++i)
            temp[i] = kSbox[previous[12 + (i + 1) % 4]];
        temp[0] ^= kRoundConstants[round - 1];
        for (int i = 0; i < 16; ++i)
            next[i] = previous[i] ^ (i < 4 ? temp[i] : next[i - 4]);
    }
}

void Aes128::encryptBlock(std::uint8_t* block) const
{
    addRoundKey(block, roundKeys_[0]);
    for (int round = 1; round <= kRounds; ++round) {
        substitute(block, kSbox);
        shiftRows(block, false);
        if (round != kRounds)
            mixColumns(block, kMix);
        addRoundKey(block, roundKeys_[round]);
    }
}

void Aes128::decryptBlock(std::uint8_t* block) const
{
    addRoundKey(block, roundKeys_[kRounds]);
    for (int round = kRounds - 1; round >= 0; --round) {
        shiftRows(block, true);
        substitute(block, kInvSbox);
        addRoundKey(block, roundKeys_[round]);
        if (round != 0)
            mixColumns(block, kInvMix);
    }
}

void Aes128::encryptCbc(std::span<std::uint8_t> data, const Block& iv) const
{
    const std::uint8_t* chain = iv.data();
    for (std::size_t offset = 0; offset + 16 <= data.size(); offset += 16) {
        std::uint8_t* block = data.data() + offset;
        xorBlock(block, chain);
        encryptBlock(block);
        chain = block;
    }
}

void Aes128::decryptCbc(std::span<std::uint8_t> data, const Block& iv) const
{
    Block chain = iv;
    for (std::size_t offset = 0; offset + 16 <= data.size(); offset += 16) {
        std::uint8_t* block = data.data() + offset;
        Block cipherText;
        std::copy_n(block, 16, cipherText.begin());
        decryptBlock(block);
        xorBlock(block, chain.data());
        chain = cipherText;
    }
}

} // namespace qarvo::link
