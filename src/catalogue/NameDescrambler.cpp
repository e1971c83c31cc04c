#include "catalogue/NameDescrambler.h"

#include "catalogue/NameKey.h"

namespace {

constexpr int LetterPairBias = 27 * 'A';  // 'A' counted in both digits

std::uint8_t letterPairValue(char high, char low) {
    const int value = 26 * static_cast<unsigned char>(high) + static_cast<unsigned char>(low) - LetterPairBias;
    return static_cast<std::uint8_t>(value);
}

}  // namespace

std::string NameDescrambler(std::string letters, std::uint16_t key) {
    const std::size_t length = letters.size() / 2;
    std::string text(length, '\0');
    std::uint16_t rollingKey = key;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t enciphered = letterPairValue(letters[2 * i], letters[2 * i + 1]);
        text[i] = static_cast<char>(enciphered ^ (rollingKey >> 8));
        rollingKey = nextNameKey(rollingKey, enciphered);
    }
    return text;
}
