#pragma once

#include <cstddef>
#include <cstdint>

// A DEVMODEW's dmSize and dmDriverExtra: WORDs at bytes 68 and 70, after its
// 32-character device name and two version WORDs.
namespace DevModeField {
constexpr std::size_t Size = 68;
constexpr std::size_t DriverExtra = 70;
}  // namespace DevModeField

inline std::size_t littleEndianWord(const std::uint8_t* bytes) {
    return static_cast<std::size_t>(bytes[0] | bytes[1] << 8);
}

// The length that the DEVMODEW `offset` bytes into a buffer of `size` bytes
// claims, dmSize + dmDriverExtra, where all of it lies within the buffer and
// takes in its own two fields; 0 otherwise, an offset beyond the buffer
// included. A printer's stored settings are untrusted data: only the buffer
// the spooler filled bounds them.
inline std::size_t devModeLength(const std::uint8_t* buffer, std::size_t size, std::size_t offset) {
    const std::size_t fieldsEnd = DevModeField::DriverExtra + 2;
    if (offset > size || size - offset < fieldsEnd) return 0;
    const std::uint8_t* record = buffer + offset;
    const std::size_t length =
        littleEndianWord(record + DevModeField::Size) + littleEndianWord(record + DevModeField::DriverExtra);
    return length >= fieldsEnd && length <= size - offset ? length : 0;
}
