#pragma once
// The part of page 4 that sits at the same addresses in every model: the
// account and identification codes and the code records.
#include <cstddef>
#include <cstdint>

namespace qarvo::panel::fixed {

inline constexpr std::uint16_t kFirstAccountCode = 0x402;
inline constexpr std::uint16_t kSecondAccountCode = 0x404;
inline constexpr std::uint16_t kPanelIdCode = 0x406; // high byte first
inline constexpr std::uint16_t kPcIdCode = 0x408;    // high byte first
inline constexpr std::uint16_t kInstallerCode = 0x40A;
inline constexpr std::uint16_t kMaintenanceCode = 0x410;
inline constexpr std::uint16_t kUserCodes = 0x416;   // record 0 is the master code

// A code record: three bytes of packed code digits, three attribute bytes.
inline constexpr std::size_t kCodeRecordSize = 6;
inline constexpr std::size_t kCodeBytes = 3;

constexpr std::size_t userRecordOffset(int record)
{
    return kUserCodes + kCodeRecordSize * static_cast<std::size_t>(record);
}

} // namespace qarvo::panel::fixed
