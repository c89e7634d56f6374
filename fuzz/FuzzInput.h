#pragma once
// A fuzz input read front to back, in the order a seed file is written:
// single bytes and length-prefixed byte strings. Past the end every read
// gives zeros and empty strings.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return position_ >= size_; }
    std::uint8_t byte() { return empty() ? 0 : data_[position_++]; }
    // One length byte, then that many bytes (fewer at the end of the input).
    std::vector<std::uint8_t> string()
    {
        const std::size_t length = std::min<std::size_t>(byte(), size_ - position_);
        std::vector<std::uint8_t> bytes(data_ + position_, data_ + position_ + length);
        position_ += length;
        return bytes;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};
