#include "panel/CodeRow.h"

#include "base/TextIds.h"
#include "panel/FixedRegion.h"

#include <algorithm>

namespace qarvo::panel {

namespace {

struct AttributeBit {
    int byte;
    int bit;
};

// A to H in byte 3, bits 7 to 0; I to K in byte 5, bits 7 to 5.
constexpr std::array<AttributeBit, kCodeAttributeCount> kAttributeBits{{
    {3, 7}, {3, 6}, {3, 5}, {3, 4}, {3, 3}, {3, 2}, {3, 1}, {3, 0}, {5, 7}, {5, 6}, {5, 5},
}};
constexpr int kPgmByte = 4; // PGM k in bit 8 - k
constexpr int kFourDigitBit = 4;

constexpr int pgmBit(int index) { return 7 - index; }

} // namespace

void showCodeRow(std::span<const std::uint8_t> record, int digitCount, CodeRow& row)
{
    if (record.size() < fixed::kCodeRecordSize)
        return;
    row.code = decodeCode(record.first(fixed::kCodeBytes), digitCount);
    for (std::size_t a = 0; a < kAttributeBits.size(); ++a)
        row.attributes[a] = (record[kAttributeBits[a].byte] >> kAttributeBits[a].bit) & 1;
    for (int k = 0; k < kPgmOutputs; ++k)
        row.pgms[k] = (record[kPgmByte] >> pgmBit(k)) & 1;
}

void storeCodeRow(const CodeRow& row, int pgmCount, std::span<std::uint8_t> record, FormWriter& writer,
                  FormPlace place)
{
    const auto code = encodeCode(row.code);
    if (!code) {
        writer.fail(text_id::kUserCodeDigits, std::nullopt, {place.control, place.row, code_column::kCode});
        return;
    }
    if (!writer.ok() || record.size() < fixed::kCodeRecordSize)
        return;
    std::ranges::copy(*code, record.begin());
    record[3] = 0;
    record[5] = 0; // bits 4 to 0 of the last byte are always written 0
    for (std::size_t a = 0; a < kAttributeBits.size(); ++a)
        if (row.attributes[a])
            record[kAttributeBits[a].byte] |= static_cast<std::uint8_t>(1 << kAttributeBits[a].bit);
    for (int k = 0; k < std::min(pgmCount, kPgmOutputs); ++k) {
        const int bit = 1 << pgmBit(k);
        record[kPgmByte] = static_cast<std::uint8_t>(row.pgms[k] ? record[kPgmByte] | bit : record[kPgmByte] & ~bit);
    }
}

int codeDigitCount(std::uint8_t generalOptions1)
{
    return (generalOptions1 >> kFourDigitBit) & 1 ? 4 : 6;
}

} // namespace qarvo::panel
