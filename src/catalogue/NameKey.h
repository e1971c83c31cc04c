#pragma once

#include <cstdint>

// The key schedule that NameDescrambler and NameEncipher share: the key
// advances on the enciphered byte, not on the text it stands for.
inline std::uint16_t nextNameKey(std::uint16_t key, std::uint8_t enciphered) {
    constexpr std::uint16_t KeyBase = 0xF2F4;
    constexpr std::uint16_t KeyFactor = 0x3C0A;
    return static_cast<std::uint16_t>(KeyBase - (enciphered + std::uint32_t{key}) * KeyFactor);
}
