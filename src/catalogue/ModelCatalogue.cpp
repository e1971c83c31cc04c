#include "catalogue/ModelCatalogue.h"

#include "catalogue/NameDescrambler.h"

namespace ModelCatalogue {
namespace {

constexpr const char* ResourceDllBaseNames[ModelCount] = {"ZRA", "ZRB", "ZRB", "ZRC", "ZRC", "ZRC", "ZRB"};
constexpr const char* GpdBaseNames[ModelCount] = {"ZR101", "ZR102", "ZR103", "ZR104", "ZR105", "ZR106", "ZR107"};
constexpr const char* DriverNames[ModelCount] = {"ZR-101", "ZR-102", "ZR-103", "ZR-104", "ZR-105", "ZR-106", "ZR-107"};

// The display texts exist only in enciphered form, each under a key of its own.
constexpr ModelEntry Rows[ModelCount] = {
    {"AYHTCPJABDDKJJBXCPBKGEHCBWBS", 0x5A3C, ResourceDllBaseNames[0], GpdBaseNames[0], DriverNames[0], false},
    {"DRGRIZGKAVAIIDELCUASFXCFFQGB", 0x1D87, ResourceDllBaseNames[1], GpdBaseNames[1], DriverNames[1], false},
    {"FEGSESITJSDVDOIMBNAFBDEAIEDQ", 0xC4E2, ResourceDllBaseNames[2], GpdBaseNames[2], DriverNames[2], false},
    {"CFFZBEBHFUAOBCFFEJHTIPIGBYFY", 0x7B19, ResourceDllBaseNames[3], GpdBaseNames[3], DriverNames[3], false},
    {"EUFRIXAMINJHDNGJIZATAIJLIQET", 0x3E6D, ResourceDllBaseNames[4], GpdBaseNames[4], DriverNames[4], true},
    {"ISDAEDCRGBJIAKJGERAWHODOFXEM", 0xA0F5, ResourceDllBaseNames[5], GpdBaseNames[5], DriverNames[5], true},
    {"BQEUEXFQFYGHCDCXGOBRHJFWHOFD", 0x68B3, ResourceDllBaseNames[6], GpdBaseNames[6], DriverNames[6], false},
};

}  // namespace

const ModelEntry& entry(int index) {
    return Rows[index];
}

std::string displayName(int index) {
    return NameDescrambler(Rows[index].encipheredName, Rows[index].nameKey);
}

const char* resourceDllBaseName(int index) {
    return Rows[index].resourceDllBaseName;
}

const char* gpdBaseName(int index) {
    return Rows[index].gpdBaseName;
}

const char* driverName(int index) {
    return Rows[index].driverName;
}

bool carriesPluginPair(int index) {
    return Rows[index].carriesPluginPair;
}

}  // namespace ModelCatalogue
