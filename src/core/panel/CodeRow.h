#pragma once
// One row of the code grids: the user grid of the master page and the codes
// grid of the installer page show a code record (3 bytes of code digits,
// 3 attribute bytes) as its code, attribute check boxes A to K and one
// "User can toggle PGM" check box per PGM output.
#include "panel/FormWriter.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace qarvo::panel {

inline constexpr int kCodeAttributeCount = 11; // A to K
inline constexpr int kPgmOutputs = 8;          // PGM records the image holds

struct CodeRow {
    std::string code; // 4 or 6 decimal digits, "" for no code
    std::string name; // user names only; the panel does not store them
    std::array<bool, kCodeAttributeCount> attributes{};
    std::array<bool, kPgmOutputs> pgms{}; // P1 to P8

    friend bool operator==(const CodeRow&, const CodeRow&) = default;
};

// Columns of the code grids: hidden, label, code, the user grid's name, then
// the attributes A to K and one P column per PGM output.
namespace code_column {
inline constexpr int kLabel = 1;
inline constexpr int kCode = 2;
inline constexpr int kName = 3; // the user grid's only
// The first attribute column: after the name where the grid shows names.
constexpr int firstAttribute(bool names) { return names ? kName + 1 : kName; }
constexpr int firstPgm(bool names) { return firstAttribute(names) + kCodeAttributeCount; }
} // namespace code_column

// The row of a 6-byte record, its code shown with digitCount (4 or 6) digits.
void showCodeRow(std::span<const std::uint8_t> record, int digitCount, CodeRow& row);

// Writes the row's code and attributes into the record. A code that is not
// empty, 4 or 6 digits is refused with "User code has to have 4 or 6 hex
// digits." at the code cell of place. P bits of PGMs beyond pgmCount keep
// their value.
void storeCodeRow(const CodeRow& row, int pgmCount, std::span<std::uint8_t> record, FormWriter& writer,
                  FormPlace place);

// The digit count that General options 1 selects: 4 when its bit 4 is set.
int codeDigitCount(std::uint8_t generalOptions1);

} // namespace qarvo::panel
