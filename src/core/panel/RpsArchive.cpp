#include "panel/RpsArchive.h"

#include "panel/TextEncoding.h"

#include <algorithm>

namespace qarvo::panel {

namespace {

// A length below 0xFF is one byte. Larger ones escape with all-ones values of
// growing width: FF then a 16-bit length below 0xFFFE, FF FF FF then a 32-bit
// length, FF FF FF FF FF FF FF then a 64-bit length. The 16-bit value 0xFFFE
// in the escape position marks a UTF-16 string, whose length follows.
constexpr std::uint8_t kByteEscape = 0xFF;
constexpr std::uint16_t kWideMark = 0xFFFE;
constexpr std::uint16_t kWordEscape = 0xFFFF;
constexpr std::uint32_t kDwordEscape = 0xFFFFFFFF;

} // namespace

void ArchiveWriter::writeBytes(std::span<const std::uint8_t> bytes)
{
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ArchiveWriter::writeString(std::string_view utf8)
{
    const std::u16string text = utf8ToUtf16(utf8);
    writeByte(kByteEscape);
    writeLittleEndian(kWideMark, 2);
    writeLength(text.size());
    for (char16_t c : text)
        writeLittleEndian(c, 2);
}

void ArchiveWriter::writeLength(std::uint64_t length)
{
    if (length < kByteEscape) {
        writeByte(static_cast<std::uint8_t>(length));
        return;
    }
    writeByte(kByteEscape);
    if (length < kWideMark) {
        writeLittleEndian(length, 2);
        return;
    }
    writeLittleEndian(kWordEscape, 2);
    if (length < kDwordEscape) {
        writeLittleEndian(length, 4);
        return;
    }
    writeLittleEndian(kDwordEscape, 4);
    writeLittleEndian(length, 8);
}

void ArchiveWriter::writeLittleEndian(std::uint64_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        writeByte(static_cast<std::uint8_t>(value >> (8 * i)));
}

bool ArchiveReader::fail(std::string_view what, std::string_view problem)
{
    if (error_.empty())
        error_ = std::string(what) + ": " + std::string(problem) + " (at byte " + std::to_string(position_)
                 + " of " + std::to_string(data_.size()) + ")";
    return false;
}

bool ArchiveReader::readByte(std::uint8_t& b, std::string_view what)
{
    if (failed())
        return false;
    if (remaining() < 1)
        return fail(what, "the file ends early");
    b = data_[position_++];
    return true;
}

bool ArchiveReader::readBytes(std::span<std::uint8_t> out, std::string_view what)
{
    if (failed())
        return false;
    if (remaining() < out.size())
        return fail(what, "the file ends early");
    std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(position_), out.size(), out.begin());
    position_ += out.size();
    return true;
}

bool ArchiveReader::readLittleEndian(std::uint64_t& value, int byteCount, std::string_view what)
{
    value = 0;
    for (int i = 0; i < byteCount; ++i) {
        std::uint8_t b = 0;
        if (!readByte(b, what))
            return false;
        value |= std::uint64_t(b) << (8 * i);
    }
    return true;
}

bool ArchiveReader::readLength(std::uint64_t& length, bool& wide, std::string_view what)
{
    std::uint64_t v = 0;
    if (!readLittleEndian(v, 1, what))
        return false;
    if (v < kByteEscape) {
        length = v;
        return true;
    }
    if (!readLittleEndian(v, 2, what))
        return false;
    if (v == kWideMark) {
        if (wide)
            return fail(what, "a string is marked as UTF-16 twice");
        wide = true;
        return readLength(length, wide, what);
    }
    if (v < kWordEscape) {
        length = v;
        return true;
    }
    if (!readLittleEndian(v, 4, what))
        return false;
    if (v < kDwordEscape) {
        length = v;
        return true;
    }
    return readLittleEndian(length, 8, what);
}

bool ArchiveReader::readString(std::string& utf8, std::string_view what)
{
    if (failed())
        return false;
    std::uint64_t length = 0;
    bool wide = false;
    if (!readLength(length, wide, what))
        return false;
    const std::uint64_t unit = wide ? 2 : 1;
    if (length > remaining() / unit)
        return fail(what, "the file ends early inside a string of " + std::to_string(length) + " characters");
    const auto bytes = data_.subspan(position_, static_cast<std::size_t>(length * unit));
    position_ += bytes.size();
    if (!wide) {
        utf8 = cp1252ToUtf8(bytes);
        return true;
    }
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    utf8 = utf16ToUtf8(text);
    return true;
}

} // namespace qarvo::panel
