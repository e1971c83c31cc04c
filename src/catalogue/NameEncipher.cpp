#include "catalogue/NameEncipher.h"

#include "catalogue/NameKey.h"

std::string NameEncipher(const std::string& text, std::uint16_t key) {
    std::string letters;
    std::uint16_t rollingKey = key;
    for (const char c : text) {
        const auto enciphered = static_cast<std::uint8_t>(static_cast<unsigned char>(c) ^ (rollingKey >> 8));
        letters += static_cast<char>('A' + enciphered / 26);
        letters += static_cast<char>('A' + enciphered % 26);
        rollingKey = nextNameKey(rollingKey, enciphered);
    }
    return letters;
}
