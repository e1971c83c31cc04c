#pragma once

#include <cstdint>
#include <string>

// One printer model: its enciphered display text and the three names the
// installation needs.
struct ModelEntry {
    const char* encipheredName;  // upper-case letter pairs, one pair per byte
    std::uint16_t nameKey;
    const char* resourceDllBaseName;  // + ".DLL"
    const char* gpdBaseName;          // + ".GPD"
    const char* driverName;           // driver and printer queue name
    // The driver record names the plug-in pair, which every package holds.
    bool carriesPluginPair;
};

namespace ModelCatalogue {

// The rows of the table in ModelCatalogue.cpp, counted there.
extern const int ModelCount;
// The model preselected on the options page.
constexpr int DefaultModelIndex = 2;

// Callers pass an index 0 to ModelCount - 1.
const ModelEntry& entry(int index);
// Decoded afresh at every call; nothing is cached.
std::string displayName(int index);
std::string resourceDllFileName(int index);
std::string gpdFileName(int index);
const char* driverName(int index);
bool carriesPluginPair(int index);

}  // namespace ModelCatalogue
