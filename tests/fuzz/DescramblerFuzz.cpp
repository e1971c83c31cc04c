#include "catalogue/NameDescrambler.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

// Any bytes are letters here: the descrambler validates nothing, so it must
// hold its properties for every byte value, not only for A to Z.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto key = input.ConsumeIntegral<std::uint16_t>();
    const auto cut = input.ConsumeIntegral<std::uint16_t>();
    const std::string letters = input.ConsumeRemainingBytesAsString();

    const std::string text = NameDescrambler(letters, key);
    fuzzCheck(text.size() == letters.size() / 2, "two letters make one byte");

    const std::size_t prefixBytes = cut % (text.size() + 1);
    fuzzCheck(NameDescrambler(letters.substr(0, 2 * prefixBytes), key) == text.substr(0, prefixBytes),
              "the first k bytes depend only on the first 2k letters");

    if (letters.size() % 2 == 1) {
        fuzzCheck(NameDescrambler(letters.substr(0, letters.size() - 1), key) == text, "an odd last letter is ignored");
    } else {
        fuzzCheck(NameDescrambler(letters + static_cast<char>(cut), key) == text, "an odd last letter is ignored");
    }

    if (!text.empty()) {
        const auto otherLowByte = static_cast<std::uint16_t>(key ^ (1u + cut % 255u));
        fuzzCheck(NameDescrambler(letters, otherLowByte)[0] == text[0], "the first byte sees only the key's high byte");
    }
    return 0;
}
