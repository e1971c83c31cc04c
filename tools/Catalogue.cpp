// The model catalogue read from the product's own table, for the scripts that
// need the models and for whoever adds one (scripts/catalogue runs it):
//   catalogue list
//       a line a model, tab-separated: display name, driver name, resource
//       DLL, printer description, and "plug-in pair" where the driver names it
//   catalogue row NAME KEY DLL GPD DRIVER [plug-in-pair]
//       the table row of a new model, NAME enciphered under KEY, DLL and GPD
//       without their extensions
#include "catalogue/ModelCatalogue.h"
#include "catalogue/NameDescrambler.h"
#include "catalogue/NameEncipher.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

int usage() {
    std::cerr << "usage: catalogue list\n"
                 "       catalogue row NAME KEY DLL GPD DRIVER [plug-in-pair]\n"
                 "  e.g. catalogue row \"Brivane ZR-108\" 0x2B71 ZRB ZR108 ZR-108\n";
    return 2;
}

int refuse(const std::string& reason) {
    std::cerr << "catalogue row: " << reason << '\n';
    return 1;
}

int list() {
    using namespace ModelCatalogue;
    for (int i = 0; i < ModelCount; ++i)
        std::cout << displayName(i) << '\t' << driverName(i) << '\t' << resourceDllFileName(i) << '\t' << gpdFileName(i)
                  << '\t' << (carriesPluginPair(i) ? "plug-in pair" : "-") << '\n';
    return 0;
}

// The model box shows the name in the system's ANSI code page, where only
// printable ASCII reads the same on every system.
bool printableAscii(const std::string& text) {
    for (const char c : text)
        if (c < ' ' || c > '~') return false;
    return !text.empty();
}

int row(int argc, char** argv) {
    const bool pluginPair = argc == 8 && std::string(argv[7]) == "plug-in-pair";
    if (argc != 7 && !pluginPair) return usage();
    const std::string name = argv[2];
    const std::string driver = argv[6];
    char* end = nullptr;
    const unsigned long key = std::strtoul(argv[3], &end, 0);
    if (*argv[3] == '\0' || *end != '\0' || key > 0xFFFF)
        return refuse("the key must be a number from 0 to 0xFFFF, such as 0x2B71");
    if (!printableAscii(name)) return refuse("the display name must be printable ASCII, as every code page shows it");
    for (int i = 0; i < ModelCatalogue::ModelCount; ++i) {
        if (ModelCatalogue::entry(i).nameKey == key)
            return refuse("the key is " + std::string(ModelCatalogue::driverName(i)) + "'s; choose another");
        if (ModelCatalogue::driverName(i) == driver) return refuse(driver + " is in the catalogue already");
    }
    const std::string letters = NameEncipher(name, static_cast<std::uint16_t>(key));
    if (NameDescrambler(letters, static_cast<std::uint16_t>(key)) != name)
        return refuse("the enciphered name does not read back as \"" + name + "\"");
    std::printf("    {\"%s\", 0x%04lX, \"%s\", \"%s\", \"%s\", %s},\n", letters.c_str(), key, argv[4], argv[5],
                driver.c_str(), pluginPair ? "true" : "false");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "list" && argc == 2) return list();
    if (command == "row") return row(argc, argv);
    return usage();
}
