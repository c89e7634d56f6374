#pragma once
// The byte stream of a settings document: raw bytes and length-prefixed
// strings. Strings are written as UTF-16LE behind the 0xFF FE FF mark; older
// single-byte strings (Windows-1252) without the mark are still read.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qarvo::panel {

class ArchiveWriter {
public:
    void writeByte(std::uint8_t b) { bytes_.push_back(b); }
    void writeBytes(std::span<const std::uint8_t> bytes);
    // UTF-8 in, UTF-16LE with its length prefix out.
    void writeString(std::string_view utf8);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    void writeLength(std::uint64_t length);
    void writeLittleEndian(std::uint64_t value, int byteCount);

    std::vector<std::uint8_t> bytes_;
};

// Reads from a buffer and never past its end. After the first failure every
// read fails and error() says what could not be read and where.
class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const std::uint8_t> data) : data_(data) {}

    bool readByte(std::uint8_t& b, std::string_view what);
    bool readBytes(std::span<std::uint8_t> out, std::string_view what);
    bool readString(std::string& utf8, std::string_view what);

    std::size_t position() const { return position_; }
    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }

private:
    bool readLittleEndian(std::uint64_t& value, int byteCount, std::string_view what);
    bool readLength(std::uint64_t& length, bool& wide, std::string_view what);
    bool fail(std::string_view what, std::string_view problem);
    std::size_t remaining() const { return data_.size() - position_; }

    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
    std::string error_;
};

} // namespace qarvo::panel
