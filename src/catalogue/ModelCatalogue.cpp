#include "catalogue/ModelCatalogue.h"

#include "catalogue/NameDescrambler.h"

#include <iterator>

namespace ModelCatalogue {
namespace {

// One row a model, in the order of the model box; a model added here reaches
// the page, the install, the demo package and the scenarios. The display texts
// exist only in enciphered form, each under a key of its own: `scripts/catalogue
// row` makes a new row.
constexpr ModelEntry Rows[] = {
    {"AYHTCPJABDDKJJBXCPBKGEHCBWBS", 0x5A3C, "ZRA", "ZR101", "ZR-101", false},
    {"DRGRIZGKAVAIIDELCUASFXCFFQGB", 0x1D87, "ZRB", "ZR102", "ZR-102", false},
    {"FEGSESITJSDVDOIMBNAFBDEAIEDQ", 0xC4E2, "ZRB", "ZR103", "ZR-103", false},
    {"CFFZBEBHFUAOBCFFEJHTIPIGBYFY", 0x7B19, "ZRC", "ZR104", "ZR-104", false},
    {"EUFRIXAMINJHDNGJIZATAIJLIQET", 0x3E6D, "ZRC", "ZR105", "ZR-105", true},
    {"ISDAEDCRGBJIAKJGERAWHODOFXEM", 0xA0F5, "ZRC", "ZR106", "ZR-106", true},
    {"BQEUEXFQFYGHCDCXGOBRHJFWHOFD", 0x68B3, "ZRB", "ZR107", "ZR-107", false},
};

}  // namespace

const int ModelCount = static_cast<int>(std::size(Rows));

const ModelEntry& entry(int index) {
    return Rows[index];
}

std::string displayName(int index) {
    return NameDescrambler(Rows[index].encipheredName, Rows[index].nameKey);
}

std::string resourceDllFileName(int index) {
    return std::string(Rows[index].resourceDllBaseName) + ".DLL";
}

std::string gpdFileName(int index) {
    return std::string(Rows[index].gpdBaseName) + ".GPD";
}

const char* driverName(int index) {
    return Rows[index].driverName;
}

bool carriesPluginPair(int index) {
    return Rows[index].carriesPluginPair;
}

}  // namespace ModelCatalogue
