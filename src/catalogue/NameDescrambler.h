#pragma once

#include <cstdint>
#include <string>

// Turns an enciphered letter string (two letters a byte) and its 16-bit key
// into the display text it stands for. Pure: same input, same text.
std::string NameDescrambler(std::string letters, std::uint16_t key);
