#pragma once

#include <cstdint>
#include <optional>

// The two variants of the install run. Everything else the run does is the
// same for both.
enum class DriverArchitecture { X86, X64 };

struct ArchitectureTraits {
    const char* environment;   // the spooler's environment string
    const char* sourceFolder;  // package folder under the current directory, with its backslash
};

const ArchitectureTraits& traitsOf(DriverArchitecture architecture);

// The package for the running system: a 32-bit program under WOW64 installs
// the x64 driver; no IsWow64Process at all means a system too old to have 64
// bits. Windows on ARM64 runs the program under WOW64 too, but its spooler
// cannot load an x64 driver: there, no package fits. `nativeMachine` is
// IsWow64Process2's answer, absent before Windows 10 version 1709.
std::optional<DriverArchitecture> packageArchitecture(std::optional<bool> isWow64,
                                                      std::optional<std::uint16_t> nativeMachine);
