#include "install/DriverArchitecture.h"

namespace {

constexpr std::uint16_t ImageFileMachineArm64 = 0xAA64;

// Indexed by DriverArchitecture.
const ArchitectureTraits Traits[] = {
    {"Windows NT x86", "x86\\"},
    {"Windows x64", "x64\\"},
};

}  // namespace

const ArchitectureTraits& traitsOf(DriverArchitecture architecture) {
    return Traits[static_cast<int>(architecture)];
}

std::optional<DriverArchitecture> packageArchitecture(std::optional<bool> isWow64,
                                                      std::optional<std::uint16_t> nativeMachine) {
    if (nativeMachine == ImageFileMachineArm64) return std::nullopt;
    return isWow64.value_or(false) ? DriverArchitecture::X64 : DriverArchitecture::X86;
}
