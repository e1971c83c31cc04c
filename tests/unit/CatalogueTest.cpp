#include "catalogue/ModelCatalogue.h"
#include "catalogue/NameDescrambler.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The descrambler run backwards; the product carries only the decoding side.
std::string encipher(const std::string& text, std::uint16_t key) {
    std::string letters;
    std::uint16_t rollingKey = key;
    for (unsigned char plain : text) {
        const std::uint8_t enciphered = static_cast<std::uint8_t>(plain ^ (rollingKey >> 8));
        rollingKey = static_cast<std::uint16_t>(0xF2F4u - (enciphered + std::uint32_t{rollingKey}) * 0x3C0Au);
        letters += static_cast<char>('A' + enciphered / 26);
        letters += static_cast<char>('A' + enciphered % 26);
    }
    return letters;
}

TEST(NameDescrambler, TooShortInputYieldsEmptyText) {
    EXPECT_EQ(NameDescrambler("", 0x1234), "");
    EXPECT_EQ(NameDescrambler("Q", 0x1234), "");
}

TEST(NameDescrambler, FirstByteIsPairValueXorKeyHighByte) {
    // "BC" is 26 * 1 + 2 = 28; the high byte of the key is 0xAB.
    EXPECT_EQ(NameDescrambler("BC", 0xAB00), std::string(1, static_cast<char>(28 ^ 0xAB)));
    EXPECT_EQ(NameDescrambler("AA", 0x0000), std::string(1, '\0'));
}

TEST(NameDescrambler, KeyAdvancesOnEncipheredByte) {
    // "BC" is 28. With K = 0x0100 the first output is 29, but the update must take 28:
    // K = 0xF2F4 - (28 + 0x0100) * 0x3C0A = 0x57DC, so "AA" then decodes to 0x57.
    EXPECT_EQ(NameDescrambler("BCAA", 0x0100), std::string("\x1D\x57", 2));
    EXPECT_EQ(NameDescrambler("BCAA", 0x0000), std::string("\x1C\x61", 2));
}

TEST(NameDescrambler, OddLastLetterIsIgnored) {
    EXPECT_EQ(NameDescrambler("DRGRIZGKA", 0x1D87), NameDescrambler("DRGRIZGK", 0x1D87));
    EXPECT_EQ(NameDescrambler("DRGRIZGKA", 0x1D87).size(), 4u);
}

TEST(NameDescrambler, AppendingLettersKeepsEarlierBytes) {
    const std::string letters = "FEGSESITJSDVDOIMBNAFBDEAIEDQ";
    const std::string full = NameDescrambler(letters, 0xC4E2);
    for (std::size_t k = 0; k <= letters.size() / 2; ++k) {
        EXPECT_EQ(NameDescrambler(letters.substr(0, 2 * k), 0xC4E2), full.substr(0, k)) << "prefix of " << k;
    }
}

TEST(NameDescrambler, KeyLowByteMattersOnlyFromSecondByte) {
    const std::string letters = "AYHTCPJABDDKJJBX";
    const std::string a = NameDescrambler(letters, 0x5A3C);
    const std::string b = NameDescrambler(letters, 0x5AC3);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(a[0], b[0]);
    EXPECT_NE(a.substr(1), b.substr(1));
}

TEST(NameDescrambler, PairsAbove255KeepTheirLow8Bits) {
    // "ZZ" is 675 = 2 * 256 + 163, "JW" is 9 * 26 + 22 = 256 and wraps to 0.
    EXPECT_EQ(NameDescrambler("ZZ", 0), std::string(1, '\xA3'));
    EXPECT_EQ(NameDescrambler("JW", 0x4200), std::string(1, '\x42'));
    // The wrapped byte also feeds the key, so what follows matches the in-range spelling too.
    EXPECT_EQ(NameDescrambler("ZZBCDE", 0x7777), NameDescrambler("GHBCDE", 0x7777));
}

TEST(NameDescrambler, AnyByteValuesPassThrough) {
    // Characters outside A to Z are not rejected: '0' '0' is 26 * 48 + 48 - 1755 = -459, low byte 0x35.
    EXPECT_EQ(NameDescrambler("00", 0), std::string(1, '\x35'));
}

TEST(NameDescrambler, EveryByteRoundTripsThroughTheEncoder) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b) {
        allBytes += static_cast<char>(b);
    }
    for (std::uint16_t key : {0x0000, 0x00FF, 0x8001, 0xFFFF}) {
        const std::string letters = encipher(allBytes, key);
        EXPECT_EQ(NameDescrambler(letters, key), allBytes) << "key " << key;
    }
}

TEST(ModelCatalogue, PlainColumnsInRowOrder) {
    const char* const dlls[] = {"ZRA", "ZRB", "ZRB", "ZRC", "ZRC", "ZRC", "ZRB"};
    const bool pluginPair[] = {false, false, false, false, true, true, false};
    for (int i = 0; i < ModelCatalogue::ModelCount; ++i) {
        const std::string number = "10" + std::to_string(i + 1);
        EXPECT_STREQ(ModelCatalogue::resourceDllBaseName(i), dlls[i]) << "row " << i;
        EXPECT_EQ(ModelCatalogue::carriesPluginPair(i), pluginPair[i]) << "row " << i;
        EXPECT_STREQ(ModelCatalogue::gpdBaseName(i), ("ZR" + number).c_str()) << "row " << i;
        EXPECT_STREQ(ModelCatalogue::driverName(i), ("ZR-" + number).c_str()) << "row " << i;
    }
}

TEST(ModelCatalogue, DisplayNamesDecodeFromRowsWithDistinctKeys) {
    std::set<std::uint16_t> keys;
    std::set<std::string> names;
    for (int i = 0; i < ModelCatalogue::ModelCount; ++i) {
        const ModelEntry& row = ModelCatalogue::entry(i);
        const std::string name = ModelCatalogue::displayName(i);
        EXPECT_EQ(name, "Brivane ZR-10" + std::to_string(i + 1)) << "row " << i;
        EXPECT_EQ(encipher(name, row.nameKey), row.encipheredName) << "row " << i;
        keys.insert(row.nameKey);
        names.insert(name);
    }
    EXPECT_EQ(keys.size(), 7u);
    EXPECT_EQ(names.size(), 7u);
}

}  // namespace
