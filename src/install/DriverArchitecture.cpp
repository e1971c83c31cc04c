#include "install/DriverArchitecture.h"

namespace {

// Indexed by DriverArchitecture.
const ArchitectureTraits Traits[] = {
    {"Windows NT x86", "x86\\"},
    {"Windows x64", "x64\\"},
};

}  // namespace

const ArchitectureTraits& traitsOf(DriverArchitecture architecture) {
    return Traits[static_cast<int>(architecture)];
}

DriverArchitecture architectureForWow64(std::optional<bool> isWow64) {
    return isWow64.value_or(false) ? DriverArchitecture::X64 : DriverArchitecture::X86;
}
