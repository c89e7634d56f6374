#pragma once
// AES-128 block cipher and its CBC mode, used to encipher datagram payloads once the
// communicator and this program have agreed on a connection key.
#include <array>
#include <cstdint>
#include <span>

namespace qarvo::link {

class Aes128 {
public:
    using Block = std::array<std::uint8_t, 16>;

    explicit Aes128(const Block& key);  // expands the key schedule once

    void encryptBlock(std::uint8_t* block) const;  // in place, 16 bytes
    void decryptBlock(std::uint8_t* block) const;

    // CBC over data whose size is a multiple of 16 (no padding scheme); in place.
    // A trailing partial block, which callers never pass, is left untouched.
    void encryptCbc(std::span<std::uint8_t> data, const Block& iv) const;
    void decryptCbc(std::span<std::uint8_t> data, const Block& iv) const;

private:
    static constexpr int kRounds = 10;
    std::array<Block, kRounds + 1> roundKeys_{};
};

} // namespace qarvo::link
