#include "catalogue/ModelCatalogue.h"
#include "catalogue/NameDescrambler.h"
#include "catalogue/NameEncipher.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>

namespace {

TEST(NameDescrambler, TooShortInputYieldsEmptyText) {
    EXPECT_EQ(NameDescrambler("", 0x1234), "");
    EXPECT_EQ(NameDescrambler("Q", 0x1234), "");
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

// The seven shipped models as the user and the spooler see them, in row order; rows added after them pass by.
struct Model {
    const char* displayName;
    const char* driverName;
    const char* gpdFileName;
    const char* resourceDllFileName;
    bool carriesPluginPair;
};

const Model Models[] = {{"Brivane ZR-101", "ZR-101", "ZR101.GPD", "ZRA.DLL", false},
                        {"Brivane ZR-102", "ZR-102", "ZR102.GPD", "ZRB.DLL", false},
                        {"Brivane ZR-103", "ZR-103", "ZR103.GPD", "ZRB.DLL", false},
                        {"Brivane ZR-104", "ZR-104", "ZR104.GPD", "ZRC.DLL", false},
                        {"Brivane ZR-105", "ZR-105", "ZR105.GPD", "ZRC.DLL", true},
                        {"Brivane ZR-106", "ZR-106", "ZR106.GPD", "ZRC.DLL", true},
                        {"Brivane ZR-107", "ZR-107", "ZR107.GPD", "ZRB.DLL", false}};

TEST(ModelCatalogue, EveryModelInRowOrder) {
    for (int i = 0; i < static_cast<int>(std::size(Models)); ++i) {
        const Model& model = Models[i];
        EXPECT_EQ(ModelCatalogue::displayName(i), model.displayName) << "row " << i;
        EXPECT_EQ(NameEncipher(model.displayName, ModelCatalogue::entry(i).nameKey),
                  ModelCatalogue::entry(i).encipheredName)
            << "row " << i;
        EXPECT_STREQ(ModelCatalogue::driverName(i), model.driverName) << "row " << i;
        EXPECT_EQ(ModelCatalogue::gpdFileName(i), model.gpdFileName) << "row " << i;
        EXPECT_EQ(ModelCatalogue::resourceDllFileName(i), model.resourceDllFileName) << "row " << i;
        EXPECT_EQ(ModelCatalogue::carriesPluginPair(i), model.carriesPluginPair) << "row " << i;
    }
}

TEST(ModelCatalogue, EachDisplayNameHasAKeyOfItsOwn) {
    std::set<std::uint16_t> keys;
    for (int i = 0; i < ModelCatalogue::ModelCount; ++i) {
        keys.insert(ModelCatalogue::entry(i).nameKey);
    }
    EXPECT_EQ(keys.size(), static_cast<std::size_t>(ModelCatalogue::ModelCount));
}

}  // namespace
